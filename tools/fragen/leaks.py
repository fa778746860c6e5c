#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Lists candidate leaks between shipped questions.

A candidate is a pair (A, B): the right answer of question A appears in the
question text or in an explanation of another question B, so a player who has
seen B may know A's answer for free. To tell a statement of A's fact from a
mere mention of a name or term, the same text of B must also share at least
two telling words with A's question (words of four letters or more that are
not filler, nor the answer's own). Texts are compared after normalising:
lower case, umlauts folded (ä -> a, ß -> ss), punctuation and quotes dropped,
simple German/English plural and case endings cut from every word, a leading
article of the answer dropped. Very short or generic answers (numbers, "Ja",
single letters, fewer than four letters) are skipped.

A human judges each candidate and records it in one of two files next to this
script (tools/fragen/ of the repo checked), both tab-separated
"A<TAB>B<TAB>reason", lines starting with "#" are comments:
  leaks_ausnahmen.tsv  judged harmless (a mere mention in another context)
  leaks_offen.tsv      real leaks known and still to be fixed in the texts

  leaks.py [repo]          list every candidate, judged or not
  leaks.py --check [repo]  print only unjudged candidates (and the open
                           leaks as a reminder); exit 1 if there is any
                           unjudged candidate
"""
import glob
import os
import re
import sys
import unicodedata

HIER = os.path.dirname(os.path.abspath(__file__))
ARTIKEL = {"der", "die", "das", "den", "dem", "des", "ein", "eine", "einen", "einem", "einer", "the", "a"}
# Words that say nothing by themselves: an answer made only of these (and of
# numbers and single letters) is skipped.
GENERISCH = {"ja", "nein", "kein", "keine", "alle", "beide", "richtig", "falsch", "dur", "moll", "gar", "nicht",
             "null", "ein", "eins", "zwei", "drei", "vier", "funf", "sechs", "sieben", "acht", "neun", "zehn",
             "elf", "zwolf", "hundert", "tausend", "nichts", "immer", "nie", "nummer", "takt", "takte", "schlag",
             "schlage", "mal", "hoher", "tiefer", "gleich", "mehr", "weniger", "langsamer", "schneller",
             "lauter", "leiser", "halb", "halbe", "ganze", "doppelt"}
# Words too common to tie a text to a question.
FUELL = {"welch", "welche", "welcher", "welches", "wie", "viele", "heisst", "heiss", "wird", "werden", "wurde",
         "gesucht", "richtig", "diese", "dieser", "dieses", "diesem", "einer", "eines", "einem", "einen", "nicht",
         "auch", "aber", "oder", "und", "sind", "haben", "hatte", "nennt", "nennen", "man", "beim", "einen",
         "zwischen", "uber", "unter", "nach", "gehort", "steht", "klingt", "spielt", "spielen", "musik", "stuck",
         "frage", "antwort", "immer", "etwas", "ganz", "genau", "bekannt", "beruhmt", "beruhmte", "schrieb",
         "komponiert", "komponierte", "komponist", "kommt", "zeigt", "hier", "gibt", "heute", "damit", "davon",
         "genau", "melodie", "gezeigt", "gezeigte", "gezeigten", "diese", "beiden", "bilden", "instrument",
         "intervall", "markiert", "markierte", "erklingt", "zusammen"}
# The hint that a clip can be replayed says nothing about the question.
WIEDERHOLEN = re.compile(r"\(Zum Wiederholen[^)]*\)|Hör genau hin:")
ENDUNGEN = ("ern", "en", "er", "es", "n", "e", "s")


def falte(text):
    t = text.lower().replace("ß", "ss")
    t = "".join(c for c in unicodedata.normalize("NFD", t) if unicodedata.category(c) != "Mn")
    return re.sub(r"[^0-9a-z]+", " ", t).split()


def stamm(wort):
    if wort.isdigit():
        return wort
    for e in ENDUNGEN:
        if len(wort) - len(e) >= 4 and wort.endswith(e):
            return wort[: -len(e)]
    return wort


def woerter(text):
    return [stamm(w) for w in falte(text)]


def lies(pfad):
    fragen = []
    cur = None
    with open(pfad, encoding="utf-8") as f:
        for zeile in f:
            zeile = zeile.rstrip("\r\n")
            m = re.match(r"\[Quiz (\d+)\]", zeile)
            if m:
                cur = {"nummer": int(m.group(1)), "werte": {}}
                fragen.append(cur)
                continue
            if cur is None or zeile.lstrip().startswith(";"):
                continue
            m = re.match(r"\s*([^=]+?)=(.*)", zeile)
            if m:
                cur["werte"].setdefault(m.group(1), m.group(2))
    return fragen


def suchwoerter(antwort):
    """The answer's words to look for, or None when it is too short or generic."""
    w = falte(antwort)
    if len(w) > 1 and w[0] in ARTIKEL:
        w = w[1:]
    if len("".join(w)) < 4:
        return None
    if all(x.isdigit() or len(x) == 1 or x in GENERISCH for x in w):
        return None
    return [stamm(x) for x in w]


def stichwoerter(frage, such):
    """The question text's telling words: long, not filler, not the answer's own."""
    frage = WIEDERHOLEN.sub(" ", frage)
    fuell = {stamm(w) for w in FUELL}
    return {w for w in woerter(frage) if len(w) >= 4 and not w.isdigit() and w not in fuell and w not in such}


def enthaelt(text, such):
    n = len(such)
    return any(text[i:i + n] == such for i in range(len(text) - n + 1))


def kandidaten(repo):
    fragen = []
    for pfad in sorted(glob.glob(os.path.join(repo, "content", "fragen", "Fragen *.txt"))):
        fragen += lies(pfad)
    texte = []  # per question: (key, words) for the question text and each explanation
    for f in fragen:
        t = [("Frage", woerter(f["werte"].get("Frage", "")))]
        for k in range(1, 6):
            e = f["werte"].get("Erklärung %d" % k)
            if e:
                t.append(("Erklärung %d" % k, woerter(e)))
        texte.append(t)
    gefunden = []
    for a in fragen:
        loesung = a["werte"].get("Lösung", "")
        antwort = a["werte"].get("Antwort " + loesung, "")
        such = suchwoerter(antwort)
        if not such:
            continue
        for b, tb in zip(fragen, texte):
            if b is a:
                continue
            # the answer alone is a mere mention; with a telling word of A's
            # question in the same text it may state the fact that A asks
            stich = stichwoerter(a["werte"].get("Frage", ""), such)
            orte = [key for key, w in tb if enthaelt(w, such) and len(stich & set(w)) >= 2]
            if orte:
                gefunden.append((a["nummer"], b["nummer"], antwort, ", ".join(orte)))
    return gefunden


def lies_urteile(repo, name):
    urteile = {}
    pfad = os.path.join(repo, "tools", "fragen", name)
    if not os.path.exists(pfad):
        return urteile
    with open(pfad, encoding="utf-8") as f:
        for nr, zeile in enumerate(f, 1):
            if not zeile.strip() or zeile.startswith("#"):
                continue
            teile = zeile.rstrip("\n").split("\t")
            if len(teile) < 3 or not teile[0].isdigit() or not teile[1].isdigit() or not teile[2].strip():
                sys.exit("%s:%d: expected \"A<TAB>B<TAB>reason\"" % (name, nr))
            urteile[(int(teile[0]), int(teile[1]))] = teile[2]
    return urteile


def main(argv):
    pruefen = "--check" in argv
    rest = [a for a in argv if a != "--check"]
    repo = rest[0] if rest else os.path.dirname(os.path.dirname(HIER))
    alle = kandidaten(repo)
    ausnahmen = lies_urteile(repo, "leaks_ausnahmen.tsv")
    offen = lies_urteile(repo, "leaks_offen.tsv")
    neu = [k for k in alle if (k[0], k[1]) not in ausnahmen and (k[0], k[1]) not in offen]
    paare = {(k[0], k[1]) for k in alle}
    veraltet = sorted(p for p in list(ausnahmen) + list(offen) if p not in paare)

    def zeige(k):
        print("  %d -> %d: »%s« in %s" % k)

    if not pruefen:
        print("%d candidates (answer of question A -> found in question B):" % len(alle))
        for k in alle:
            zeige(k)
            grund = ausnahmen.get((k[0], k[1])) or offen.get((k[0], k[1]))
            if grund:
                print("      %s: %s" % ("open leak" if (k[0], k[1]) in offen else "exception", grund))
    else:
        print("%d candidates: %d judged harmless, %d known open leaks, %d unjudged"
              % (len(alle), len(alle) - len(neu) - sum(1 for k in alle if (k[0], k[1]) in offen),
                 sum(1 for k in alle if (k[0], k[1]) in offen), len(neu)))
        if offen:
            print("Known open leaks (to fix in the texts, see leaks_offen.tsv):")
            for (a, b), grund in sorted(offen.items()):
                print("  %d -> %d: %s" % (a, b, grund))
        if neu:
            print("Unjudged candidates (judge each: a real leak goes to leaks_offen.tsv and is fixed,")
            print("a harmless mention to leaks_ausnahmen.tsv with a one-line reason):")
            for k in neu:
                zeige(k)
    if veraltet:
        print("Judged pairs that are no longer candidates (remove them): "
              + ", ".join("%d -> %d" % p for p in veraltet))
    return 1 if pruefen and neu else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
