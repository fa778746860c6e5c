#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The leak checker on small question files: what counts as a candidate, and
how judged pairs keep the check green."""
import os
import subprocess
import sys
import tempfile
import unittest

SKRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "fragen", "leaks.py")


def frage(n, text, antworten, loesung, erklaerungen):
    s = "[Quiz %d]\nFrage=%s\nProblem=20\nBereich=Instrumente\nLösung=%d\n" % (n, text, loesung)
    for k, (a, e) in enumerate(zip(antworten, erklaerungen), 1):
        s += "Antwort %d=%s\nErklärung %d=%s\n" % (k, a, k, e)
    return s + "\n"


OBOE = frage(100, "Welches Holzblasinstrument spielt man mit einem Doppelrohrblatt?", ["Flöte", "Oboe"], 2,
             ["Die Flöte bläst man an einer Kante an.", "Richtig!"])


class Leaks(unittest.TestCase):
    def lauf(self, dateien, ausnahmen="", offen=""):
        with tempfile.TemporaryDirectory() as repo:
            os.makedirs(os.path.join(repo, "content", "fragen"))
            os.makedirs(os.path.join(repo, "tools", "fragen"))
            for name, text in dateien.items():
                with open(os.path.join(repo, "content", "fragen", name), "w", encoding="utf-8") as f:
                    f.write(text)
            for name, text in (("leaks_ausnahmen.tsv", ausnahmen), ("leaks_offen.tsv", offen)):
                with open(os.path.join(repo, "tools", "fragen", name), "w", encoding="utf-8") as f:
                    f.write(text)
            p = subprocess.run([sys.executable, "-B", SKRIPT, "--check", repo], capture_output=True, text=True)
            return p.returncode, p.stdout + p.stderr

    def test_cases(self):
        # (name, other question's text and explanations, is a candidate)
        faelle = [
            ("plural_and_case_folded", frage(200, "Was ist ein Rohrblatt?", ["Ja", "Nein"], 1,
                                             ["Richtig! OBOEN sind Holzblasinstrumente mit Doppelrohrblättern.", "Nein."]), True),
            ("in_the_question_text", frage(200, "Ist die »Oboe« ein Holzblasinstrument mit Doppelrohrblatt?",
                                           ["Ja", "Nein"], 1, ["Richtig!", "Doch."]), True),
            ("mere_mention", frage(200, "Welches Instrument hat Tasten?", ["Oboe", "Klavier"], 2,
                                   ["Die Oboe wird geblasen.", "Richtig!"]), False),
            ("part_of_a_longer_word_is_no_match", frage(200, "Was ist ein Doppelrohrblatt?", ["Ja", "Nein"], 1,
                                                        ["Richtig! Ein Holzblasinstrument wie die Oboenflöte hat es.",
                                                         "Nein."]), False),
        ]
        for name, andere, kandidat in faelle:
            with self.subTest(name):
                code, aus = self.lauf({"Fragen 1.txt": OBOE, "Fragen 2.txt": andere})
                self.assertEqual(1 if kandidat else 0, code, aus)
                self.assertEqual(kandidat, "100 -> 200: »Oboe«" in aus, aus)

    def test_short_and_generic_answers_are_skipped(self):
        ja = frage(100, "Hat die Oboe ein Doppelrohrblatt?", ["Ja", "4", "C"], 1, ["Richtig!", "Nein.", "Nein."])
        andere = frage(200, "Ja, die Oboe hat ein Doppelrohrblatt: 4 C?", ["Ja", "Nein"], 1, ["Richtig!", "Ja."])
        self.assertEqual(0, self.lauf({"Fragen 1.txt": ja, "Fragen 2.txt": andere})[0])

    def test_judged_pairs_pass_and_open_leaks_stay_visible(self):
        andere = frage(200, "Was ist ein Rohrblatt?", ["Ja", "Nein"], 1,
                       ["Richtig! Die Oboe ist ein Holzblasinstrument mit Doppelrohrblatt.", "Nein."])
        dateien = {"Fragen 1.txt": OBOE, "Fragen 2.txt": andere}
        code, aus = self.lauf(dateien, ausnahmen="# A\tB\treason\n100\t200\tharmless here\n")
        self.assertEqual(0, code, aus)
        code, aus = self.lauf(dateien, offen="100\t200\ttip names the oboe\n")
        self.assertEqual(0, code, aus)
        self.assertIn("100 -> 200: tip names the oboe", aus)

    def test_a_judgement_without_reason_is_refused(self):
        code, aus = self.lauf({"Fragen 1.txt": OBOE}, ausnahmen="100\t200\n")
        self.assertNotEqual(0, code)
        self.assertIn("leaks_ausnahmen.tsv:1", aus)

    def test_stale_judgements_are_named(self):
        code, aus = self.lauf({"Fragen 1.txt": OBOE}, ausnahmen="100\t300\tno longer there\n")
        self.assertEqual(0, code, aus)
        self.assertIn("no longer candidates (remove them): 100 -> 300", aus)


if __name__ == "__main__":
    unittest.main()
