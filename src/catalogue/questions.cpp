// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/questions.h"

#include "app/startup.h"
#include "catalogue/fragencodec.h"
#include "game/gameflow.h"
#include "ini/ini.h"
#include "platform/fs/fs.h"
#include "platform/gui/gui.h"
#include "platform/text.h"

namespace {

fragen::SektionsIndex g_index;  // over DateiText

bool IstText(const u16& key) { return key == u"Frage" || key == u"Antwort" || key == u"Erklärung"; }

}  // namespace

int QuizType::AntwortAnzahl() const {
  int n = 0;
  while (n < 5 && !Antwort[n + 1].empty()) ++n;
  return n;
}

bool QuizType::LoesungGueltig() const { return Loesung >= 1 && Loesung <= AntwortAnzahl(); }

u16 QuizType::RichtigeAntwort() const { return Loesung >= 1 && Loesung <= 5 ? Antwort[Loesung] : u16(); }

u16 EigeneFragenDatei() { return DatenPfad + u"Fragen 0.dat"; }

void VergissDateiCache() {
  DateiName.clear();
  DateiText.clear();
  SektionsNummer = -1;
  SektionsDatei.clear();
  SektionsText.clear();
  g_index = fragen::SektionsIndex();
}

u16 Entschluesseln(const u16& text) { return fragen::Entschluesseln(text); }

u16 LeseQuizWert(int number, const u16& key, int index) {
  if (number < 0 || number > 999) return u16();
  bool eigene = number / 100 == 0 || EigeneFragenLesen == 1;
  u16 datei = eigene ? EigeneFragenDatei() : SonstPfad + u"Fragen " + text::Num(number / 100) + u".dat";
  if (!(SektionsNummer == number && SektionsDatei == datei)) {
    if (DateiName != datei) {
      // A file that cannot be read counts as empty.
      auto bytes = fs::ReadAll(datei);
      // The user's file may be UTF-8 without a byte-order mark; the shipped
      // files are Latin-1 (their scrambled bytes must never be guessed at).
      DateiText = !bytes ? u16() : eigene ? text::DecodeTextFile(*bytes) : text::DecodeWithBom(*bytes);
      DateiName = datei;
      g_index.Baue(DateiText);
    }
    u16 sektion;
    if (!g_index.Sektion(DateiText, number, sektion)) return u16();
    SektionsText = std::move(sektion);
    SektionsNummer = number;
    SektionsDatei = datei;
  }
  u16 k = key;
  if (key == u"Antwort" || key == u"Erklärung") k += u" " + text::Num(index);
  u16 wert = fragen::Wert(SektionsText, k);
  if (IstText(key) && !eigene) return Entschluesseln(wert);
  return wert;
}

QuizPtr LeseQuiz(int number) {
  QuizPtr q = QuizType::Create();
  q->Frage = LeseQuizWert(number, u"Frage");
  if (q->Frage.empty()) {
    if (EigeneFragenLesen == 1 && number >= 100 && AlleFragen[number]) return AlleFragen[number];
    return q;
  }
  q->Musical = LeseQuizWert(number, u"Musical");
  q->Bild = LeseQuizWert(number, u"Bild");
  q->Bild2 = LeseQuizWert(number, u"Bild2");
  q->Audio = LeseQuizWert(number, u"Audio");
  q->Bereich = LeseQuizWert(number, u"Bereich");
  q->Problem = text::ToInt(LeseQuizWert(number, u"Problem"));
  q->Loesung = text::ToInt(LeseQuizWert(number, u"Lösung"));
  for (int i = 1; i <= 5; ++i) {
    q->Antwort[i] = LeseQuizWert(number, u"Antwort", i);
    q->Erklaerung[i] = LeseQuizWert(number, u"Erklärung", i);
  }
  return q;
}

int LadeAlleFragen() {
  EigeneFragenLesen = 0;
  for (int n = 100; n <= 999; ++n) AlleFragen[n] = LeseQuiz(n);
  EigeneFragenLesen = 1;
  for (int n = 0; n <= 999; ++n) AlleFragen[n] = LeseQuiz(n);
  EigeneFragenLesen = 0;
  return 0;
}

int SammleThemen() {
  ThemenAnzahl = 0;
  for (auto& t : Themen) t.clear();
  for (int n = 100; n <= 998; ++n) {
    const QuizPtr& q = AlleFragen[n];
    if (!q || q->Frage.empty()) continue;
    bool bekannt = false;
    for (int i = 0; i <= ThemenAnzahl; ++i)
      if (q->Bereich == Themen[i]) bekannt = true;
    // Slot ThemenAnzahl must stay readable (and empty) for the loops that read
    // one entry past the last topic: at most 11 topics are taken.
    if (!bekannt && ThemenAnzahl < static_cast<int>(Themen.size()) - 1) Themen[ThemenAnzahl++] = q->Bereich;
  }
  return 0;
}

int QuizExistiert(int number) {
  if (number < 0 || number > 999 || !AlleFragen[number]) return 0;
  const QuizType& q = *AlleFragen[number];
  return !q.Frage.empty() && q.Loesung != 0 ? 1 : 0;
}

int FreieNummer() {
  bool dev = fs::FileType(DatenPfad + u"Dev.inf") == fs::Type::File;
  int von = dev ? 100 : 1, bis = dev ? 998 : 99;
  for (int n = von; n <= bis; ++n)
    if (!QuizExistiert(n)) return n;
  return bis;
}

int PruefeQuizNummer(int number) {
  if (!QuizExistiert(number)) return number;
  if (gui::Confirm(u"Frage mit dieser Nummer existiert schon! Trotzdem überschreiben?")) return number;
  if (gui::Confirm(u"Nächste frei Nummer '" + text::Num(FreieNummer()) + u"' verwenden?")) return FreieNummer();
  return 0;
}

namespace {

// Typographic characters an 8-bit file cannot hold, and their plain forms.
const char16_t* Ersatz(char16_t c) {
  switch (c) {
    case 0x2018: case 0x2019: case 0x201A: case 0x201B: case 0x2032: case 0x02BC: return u"'";
    case 0x201C: case 0x201D: case 0x201E: case 0x201F: case 0x2033: return u"\"";
    case 0x2010: case 0x2011: case 0x2012: case 0x2013: case 0x2014: case 0x2015: case 0x2212: return u"-";
    case 0x2026: return u"...";
    case 0x2039: return u"<";
    case 0x203A: return u">";
    case 0x202F: case 0x2007: case 0x2060: return u"\u00A0";
    case 0x2002: case 0x2003: case 0x2004: case 0x2005: case 0x2006: case 0x2008: case 0x2009: case 0x200A:
      return u" ";
    case 0x2022: case 0x00B7: return u"\u00B7";
    default: return nullptr;
  }
}

enum class Kodierung { Latin1, Utf8 };

// Text as the file will hold it. Line breaks become blanks (a value is one
// line); in an 8-bit file typographic characters get their plain forms and
// anything else beyond Latin-1 is counted in `verloren`.
u16 Speicherform(const u16& s, Kodierung k, int& verloren) {
  u16 out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    char16_t c = s[i];
    if (c == u'\r') {
      if (i + 1 < s.size() && s[i + 1] == u'\n') ++i;
      out.push_back(u' ');
    } else if (c == u'\n' || c == 0) {
      out.push_back(u' ');
    } else if (k == Kodierung::Latin1 && c > 255) {
      if (const char16_t* e = Ersatz(c)) out += e;
      else {
        ++verloren;
        // a surrogate pair is one character for the user
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) ++i;
        out.push_back(u'?');
      }
    } else {
      out.push_back(c);
    }
  }
  return out;
}

// The text handed to the INI layer, which stores one byte per character.
u16 Bytes(const u16& s, Kodierung k) { return k == Kodierung::Utf8 ? text::FromLatin1(text::ToUtf8(s)) : s; }

}  // namespace

int SpeichereQuiz(int quelle, int number) {
  if (quelle < 0 || quelle > 999 || number < 0 || number > 999 || !AlleFragen[quelle]) return 1;
  QuizType& r = *AlleFragen[quelle];
  const u16 datei = EigeneFragenDatei();

  // The file as it is now. One that exists but cannot be read is never
  // replaced: its questions would be lost.
  std::string alt;
  if (fs::FileType(datei) != fs::Type::None) {
    auto bytes = fs::ReadAll(datei);
    if (!bytes) return 2;
    alt = std::move(*bytes);
  }
  // The user's file may be UTF-8 (with or without a byte-order mark) or UTF-16.
  // UTF-16 cannot be changed line by line: it is turned into UTF-8 with a
  // mark, which holds every character, in the same write.
  Kodierung k = Kodierung::Latin1;
  {
    auto at = [&](size_t i) { return static_cast<unsigned char>(alt[i]); };
    if (alt.size() >= 3 && at(0) == 0xEF && at(1) == 0xBB && at(2) == 0xBF) {
      k = Kodierung::Utf8;
    } else if (alt.size() >= 2 && ((at(0) == 0xFF && at(1) == 0xFE) || (at(0) == 0xFE && at(1) == 0xFF))) {
      alt = "\xEF\xBB\xBF" + text::ToUtf8(text::DecodeWithBom(alt));
      k = Kodierung::Utf8;
    } else if (text::IsUtf8WithNonAscii(alt)) {
      k = Kodierung::Utf8;
    }
  }

  int verloren = 0;
  u16 frage = Speicherform(r.Frage, k, verloren);
  u16 musical = Speicherform(r.Musical, k, verloren);
  u16 bild = Speicherform(r.Bild, k, verloren);
  u16 bild2 = Speicherform(r.Bild2, k, verloren);
  u16 audio = Speicherform(r.Audio, k, verloren);
  u16 bereich = Speicherform(r.Bereich, k, verloren);
  std::array<u16, 6> antwort, erklaerung;
  for (int i = 1; i <= 5; ++i) {
    antwort[i] = Speicherform(r.Antwort[i], k, verloren);
    erklaerung[i] = Speicherform(r.Erklaerung[i], k, verloren);
  }
  if (verloren > 0 &&
      !gui::Confirm(u"Einige Zeichen lassen sich in der Fragen-Datei nicht speichern und werden durch \"?\" "
                    u"ersetzt. Trotzdem speichern?"))
    return 1;

  // All keys of the question in one write: the file holds the whole old or
  // the whole new question, whatever happens during the save.
  const u16 sektion = Bytes(u"Quiz " + text::Num(number), k);
  std::vector<IniWert> werte;
  auto wert = [&](const u16& key, const u16& value) { werte.push_back({sektion, Bytes(key, k), Bytes(value, k)}); };
  wert(u"Frage", frage);
  wert(u"Musical", musical);
  wert(u"Bild", bild);
  wert(u"Bild2", bild2);
  wert(u"Audio", audio);
  wert(u"Bereich", bereich);
  wert(u"Problem", text::Num(r.Problem));
  wert(u"Lösung", text::Num(r.Loesung));
  for (int i = 1; i <= 5; ++i) {
    wert(u"Antwort " + text::Num(i), antwort[i]);
    wert(u"Erklärung " + text::Num(i), erklaerung[i]);
  }
  if (!fs::WriteAllAtomic(datei, Ini::Anwenden(alt, werte))) return 2;

  // The record now shows what the file holds.
  r.Frage = frage;
  r.Musical = musical;
  r.Bild = bild;
  r.Bild2 = bild2;
  r.Audio = audio;
  r.Bereich = bereich;
  for (int i = 1; i <= 5; ++i) {
    r.Antwort[i] = antwort[i];
    r.Erklaerung[i] = erklaerung[i];
  }
  if (DateiName == datei) VergissDateiCache();
  return 0;
}

void MeldeSpeicherFehler(const u16& was, const u16& datei) {
  u16 t = was + u" konnte nicht gespeichert werden.\n\nDatei: " + text::FromUtf8(fs::NativePath(datei));
  const u16 grund = fs::ErrorText(fs::LastError());
  if (!grund.empty()) t += u"\nGrund: " + grund;
  gui::Warn(t);
}

int SchonGespielt(int mark) { return mark >= FragenZaehler ? 1 : 0; }

int QuizSpielbar(int number) {
  if (number < 0 || number > 999 || !AlleFragen[number]) return 0;
  const QuizType& q = *AlleFragen[number];
  // A right answer that names no shown answer could never be chosen; a slot
  // without text (an empty number the editor looked at) is no question.
  return !q.Frage.empty() && q.Loesung != 0 && q.LoesungGueltig() && !SchonGespielt(q.Heute) ? 1 : 0;
}

u16 MedienPfad(const u16& path) {
  if (Ini::FileExists(path)) return path;
  return DatenPfad + u"Daten/" + fs::FileName(path);
}
