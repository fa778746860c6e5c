#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reports how the difficulty values (Problem) of the shipped questions spread.

  schwierigkeit.py [repo]          all shipped sources content/fragen/Fragen N.txt
  schwierigkeit.py --datei [repo]  also one line per file

Prints a histogram by decade (0-9, 10-19, ..., 90-99) over all shipped
questions and the shares with Problem 20 or less (children's questions) and
70 or more (experts' questions). This is a report for authors and editors,
not a check: it always exits 0 unless a source cannot be read.
"""
import glob
import os
import re
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from leaks import lies  # noqa: E402  (the shared reader of question sources)


def problemwerte(pfad):
    """Problem values of every question in one source, by question number."""
    werte = {}
    for frage in lies(pfad):
        m = re.match(r"\s*(\d+)", frage["werte"].get("Problem", ""))
        if m:
            werte[frage["nummer"]] = int(m.group(1))
    return werte


def bericht(werte, titel):
    n = len(werte)
    if n == 0:
        return [f"{titel}: keine Fragen"]
    dekaden = [0] * 10
    for w in werte:
        dekaden[min(max(w, 0), 99) // 10] += 1
    bis20 = sum(1 for w in werte if w <= 20)
    ab70 = sum(1 for w in werte if w >= 70)
    zeilen = [f"{titel}: {n} Fragen, Problem <= 20: {bis20} ({100 * bis20 / n:.1f} %), "
              f">= 70: {ab70} ({100 * ab70 / n:.1f} %)"]
    breit = max(dekaden)
    for d, anzahl in enumerate(dekaden):
        balken = "#" * round(40 * anzahl / breit) if breit else ""
        zeilen.append(f"  {10 * d:2d}-{10 * d + 9:2d} {anzahl:4d} {balken}")
    return zeilen


def main(argv):
    je_datei = "--datei" in argv
    args = [a for a in argv if not a.startswith("--")]
    repo = args[0] if args else os.path.join(os.path.dirname(__file__), "..", "..")
    quellen = sorted(glob.glob(os.path.join(repo, "content", "fragen", "Fragen *.txt")))
    alle = []
    for q in quellen:
        werte = list(problemwerte(q).values())
        alle += werte
        if je_datei:
            print(bericht(werte, os.path.basename(q))[0])
    print("\n".join(bericht(alle, "Alle mitgelieferten Fragen")))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
