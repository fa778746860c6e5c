// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/fragencodec.h"

#include <algorithm>

#include "catalogue/mediennamen.h"
#include "platform/text.h"

namespace fragen {

const std::vector<u16>& Schluessel() {
  static const std::vector<u16> keys = {
      u"Frage", u"Musical", u"Problem", u"Bereich", u"Bild", u"Bild2", u"Audio", u"Lösung",
      u"Antwort 1", u"Antwort 2", u"Antwort 3", u"Antwort 4", u"Antwort 5",
      u"Erklärung 1", u"Erklärung 2", u"Erklärung 3", u"Erklärung 4", u"Erklärung 5"};
  return keys;
}

bool IstVerschluesselt(const u16& key) {
  return key == u"Frage" || key.rfind(u"Antwort ", 0) == 0 || key.rfind(u"Erklärung ", 0) == 0;
}

const std::vector<u16>& Themenliste() {
  static const std::vector<u16> topics = {
      u"Komponisten", u"Interpreten", u"Instrumente", u"Notenschrift", u"Tonarten, Skalen",
      u"Intervalle, Akkorde", u"Rhythmus, Takt", u"Berühmte Werke", u"Oper und Bühne", u"Musikgeschichte"};
  return topics;
}

u16 Entschluesseln(const u16& s) {
  u16 out(s.size(), u'\0');
  for (size_t n = 0; n < s.size(); ++n) {
    long long i = static_cast<long long>(n) + 1;
    long long d = static_cast<long long>(s[n]) - 32 - i + 224;
    long long r = d % 224;  // truncating: keeps the sign of d
    out[n] = static_cast<char16_t>(static_cast<unsigned long long>(r + 32) & 0xFFFF);
  }
  return out;
}

bool Verschluesseln(const u16& s, u16& out) {
  out.assign(s.size(), u'\0');
  bool ok = true;
  for (size_t n = 0; n < s.size(); ++n) {
    long long i = static_cast<long long>(n) + 1;
    long long p = s[n];
    if (p < 32 || p > 255) ok = false;
    out[n] = static_cast<char16_t>(((p - 32 + i) % 224 + 224) % 224 + 32);
  }
  if (ok && Entschluesseln(out) != s) ok = false;
  return ok;
}

namespace {

// Where a line begins: at the start of the text or after a line end.
bool Zeilenanfang(const u16& t, size_t p) { return p == 0 || t[p - 1] == u'\n' || t[p - 1] == u'\r'; }

}  // namespace

void SektionsIndex::Baue(const u16& t) {
  erste_.clear();
  anfaenge_.clear();
  // Only "[Quiz" at the start of a line opens a section: the same text inside
  // a value (a question about a "[Quiz 3]") is plain text.
  static const u16 marke = u"[Quiz";
  for (size_t p = t.find(marke); p != u16::npos; p = t.find(marke, p + 1)) {
    if (!Zeilenanfang(t, p)) continue;
    anfaenge_.push_back(p);
    // "[Quiz " + decimal number without leading zeros + "]"
    size_t q = p + marke.size();
    if (q >= t.size() || t[q] != u' ') continue;
    ++q;
    size_t digits = q;
    long long n = 0;
    while (q < t.size() && t[q] >= u'0' && t[q] <= u'9' && q - digits < 6) n = n * 10 + (t[q++] - u'0');
    if (q == digits || q >= t.size() || t[q] != u']') continue;
    if (t[digits] == u'0' && q - digits > 1) continue;
    erste_.emplace(static_cast<int>(n), p);  // keeps the first occurrence
  }
}

bool SektionsIndex::Sektion(const u16& t, int n, u16& out) const {
  auto it = erste_.find(n);
  if (it == erste_.end()) return false;
  size_t start = it->second;
  auto next = std::upper_bound(anfaenge_.begin(), anfaenge_.end(), start);
  size_t end = next == anfaenge_.end() ? t.size() : *next;
  out = t.substr(start, end - start);
  return true;
}

u16 Wert(const u16& sektion, const u16& key) {
  // A key counts only at the start of a line, after blanks or tabs: "Lösung=3"
  // inside a question's text is part of that text.
  const u16 such = key + u"=";
  for (size_t p = sektion.find(such); p != u16::npos; p = sektion.find(such, p + 1)) {
    size_t a = p;
    while (a > 0 && (sektion[a - 1] == u' ' || sektion[a - 1] == u'\t')) --a;
    if (!Zeilenanfang(sektion, a)) continue;
    size_t start = p + such.size();
    size_t end = sektion.find(u'\r', start);
    if (end == u16::npos) end = sektion.size();
    return sektion.substr(start, end - start);
  }
  return u16();
}

Quelle LeseQuelle(const std::string& utf8) {
  Quelle q;
  u16 t = text::DecodeWithBom(utf8.size() >= 3 && static_cast<unsigned char>(utf8[0]) == 0xEF ? utf8 : "\xEF\xBB\xBF" + utf8);
  size_t pos = 0;
  int zeile = 0;
  QuellFrage* cur = nullptr;
  auto fehler = [&](const std::string& m) { q.fehler.push_back("Zeile " + std::to_string(zeile) + ": " + m); };
  while (pos <= t.size()) {
    size_t end = t.find(u'\n', pos);
    if (end == u16::npos) end = t.size();
    u16 line = t.substr(pos, end - pos);
    pos = end + 1;
    ++zeile;
    if (!line.empty() && line.back() == u'\r') line.pop_back();
    if (line.empty() || line[0] == u';') continue;
    if (line.rfind(u"[Quiz ", 0) == 0 && line.back() == u']') {
      u16 num = line.substr(6, line.size() - 7);
      bool digits = !num.empty() && num.size() <= 4 && std::all_of(num.begin(), num.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
      if (!digits) { fehler("unlesbare Nummer"); cur = nullptr; continue; }
      q.fragen.push_back(QuellFrage{text::ToInt(num), zeile, {}});
      cur = &q.fragen.back();
      continue;
    }
    size_t eq = line.find(u'=');
    if (eq == u16::npos) { fehler("Zeile ohne \"=\""); continue; }
    if (!cur) { fehler("Wert vor der ersten Frage"); continue; }
    u16 key = line.substr(0, eq);
    const auto& keys = Schluessel();
    if (std::find(keys.begin(), keys.end(), key) == keys.end()) { fehler("unbekannter Schlüssel " + text::ToUtf8(key)); continue; }
    if (cur->werte.count(key)) { fehler("Schlüssel doppelt: " + text::ToUtf8(key)); continue; }
    cur->werte[key] = line.substr(eq + 1);
  }
  return q;
}

std::string BaueDatei(const Quelle& q, std::vector<std::string>& fehler) {
  u16 out;
  for (const auto& f : q.fragen) {
    out += u"[Quiz " + text::Num(f.nummer) + u"]\r\n";
    for (const auto& key : Schluessel()) {
      u16 v = f.Get(key);
      if (IstVerschluesselt(key) && !v.empty()) {
        u16 s;
        if (!Verschluesseln(v, s)) fehler.push_back("Frage " + std::to_string(f.nummer) + ", " + text::ToUtf8(key) + ": Zeichen nicht speicherbar");
        v = s;
      } else {
        for (char16_t c : v)
          if (c > 255 || c < 32) {
            fehler.push_back("Frage " + std::to_string(f.nummer) + ", " + text::ToUtf8(key) + ": Zeichen nicht speicherbar");
            break;
          }
      }
      out += key + u"=" + v + u"\r\n";
    }
    out += u"Crypt=1\r\n";
  }
  return text::ToLatin1(out);
}

namespace {

// A media name for a message, with the file looked for when the name rules changed it.
std::string Gesucht(const u16& name, const u16& eintrag) {
  return name == eintrag ? text::ToUtf8(name) : text::ToUtf8(name) + " (gesucht als " + text::ToUtf8(eintrag) + ")";
}

}  // namespace

std::vector<std::string> Pruefe(const Quelle& q, int datei, const std::vector<u16>& topics,
                                const std::function<bool(const u16&)>& mediumExists) {
  std::vector<std::string> e = q.fehler;
  std::map<int, int> seen;
  for (const auto& f : q.fragen) {
    std::string w = "Frage " + std::to_string(f.nummer) + " (Zeile " + std::to_string(f.zeile) + "): ";
    if (f.nummer / 100 != datei || f.nummer > 998) e.push_back(w + "Nummer außerhalb der Datei");
    if (seen[f.nummer]++) e.push_back(w + "Nummer doppelt");
    if (f.Get(u"Frage").empty()) e.push_back(w + "Fragetext fehlt");
    int letzte = 0;
    for (int k = 1; k <= 5; ++k) {
      bool hat = !f.Get(u"Antwort " + text::Num(k)).empty();
      if (hat) {
        if (letzte != k - 1) e.push_back(w + "Lücke vor Antwort " + std::to_string(k));
        letzte = k;
        if (f.Get(u"Erklärung " + text::Num(k)).empty()) e.push_back(w + "Erklärung " + std::to_string(k) + " fehlt");
      } else if (!f.Get(u"Erklärung " + text::Num(k)).empty()) {
        e.push_back(w + "Erklärung " + std::to_string(k) + " ohne Antwort");
      }
    }
    int loesung = text::ToInt(f.Get(u"Lösung"));
    if (loesung < 1 || loesung > 5 || f.Get(u"Antwort " + text::Num(loesung < 1 || loesung > 5 ? 1 : loesung)).empty())
      e.push_back(w + "Lösung nennt keine Antwort");
    int problem = text::ToInt(f.Get(u"Problem"));
    if (problem < 1 || problem > 99) e.push_back(w + "Problem außerhalb 1..99");
    if (std::find(topics.begin(), topics.end(), f.Get(u"Bereich")) == topics.end())
      e.push_back(w + "Bereich nicht in der Themenliste: " + text::ToUtf8(f.Get(u"Bereich")));
    for (const auto& [key, v] : f.werte) {
      for (char16_t c : v)
        if (c > 255 || c < 32) {
          e.push_back(w + text::ToUtf8(key) + ": Zeichen außerhalb von Latin-1");
          break;
        }
      if (v.find(u"[Quiz") != u16::npos) e.push_back(w + text::ToUtf8(key) + ": enthält \"[Quiz\"");
      u16 s;
      if (IstVerschluesselt(key) && !Verschluesseln(v, s)) e.push_back(w + text::ToUtf8(key) + ": nicht verschlüsselbar");
    }
    for (const char16_t* key : {u"Bild", u"Bild2"}) {
      u16 b = f.Get(key);
      if (b.empty()) continue;
      const u16 eintrag = MedienBildName(b);
      if (!mediumExists(u"Images/" + eintrag))
        e.push_back(w + text::ToUtf8(key) + " fehlt im Archiv: " + Gesucht(b, eintrag));
    }
    u16 a = f.Get(u"Audio");
    if (!a.empty()) {
      const u16 eintrag = MedienKlangName(a);
      if (!mediumExists(u"Sounds/" + eintrag)) e.push_back(w + "Klang fehlt im Archiv: " + Gesucht(a, eintrag));
    }
    for (char16_t c : f.Get(u"Musical"))
      if (!mediumExists(u"Musical/" + MusicalBildName(c)))
        e.push_back(w + "Notensymbol fehlt im Archiv: " + std::to_string(c));
  }
  return e;
}

}  // namespace fragen
