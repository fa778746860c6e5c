// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/lists.h"

#include <algorithm>
#include <bitset>
#include <string_view>

#include "app/startup.h"
#include "catalogue/questions.h"
#include "game/gameflow.h"
#include "game/quizscreen.h"
#include "ini/ini.h"
#include "platform/fs/fs.h"
#include "platform/gui/gadgets.h"
#include "platform/text.h"
#include "ui/mainwindow.h"

namespace {

constexpr int kLetzteFrage = 998;  // numbers 1..998 take part in lists
constexpr int kGrade = 9;
constexpr int kGespeicherteThemen = 10;  // topic boxes 0..9 are stored in the file
const u16 kTitel = u"Frageliste wählen";
const u16 kFilter = u"Frage-Liste:lst";

gui::Gadget* Knopf(int index) {
  return index >= 0 && index < static_cast<int>(Button.size()) ? Button[index] : nullptr;
}

bool Gesetzt(int index) {
  gui::Gadget* g = Knopf(index);
  return g && g->Checked();
}

void Setze(int index, bool an) {
  if (gui::Gadget* g = Knopf(index)) g->SetChecked(an);
}

u16 TextVon(gui::Gadget* g) { return g ? g->Text() : u16(); }

// The panel starts with "zufällig" selected; without the panel the same holds.
bool Zufaellig() {
  gui::Gadget* z = Knopf(Mdi::BUT_REIHE_Z);
  return z ? z->Checked() : true;
}

QuizType* Frage(int n) { return n >= 0 && n < static_cast<int>(AlleFragen.size()) ? AlleFragen[n].get() : nullptr; }

bool Qualifiziert(const QuizType* r) { return r && !r->Frage.empty() && r->Loesung != 0 && r->InListeEnthalten == 1; }

// Topic box of a question: the first matching of the first ThemenAnzahl - 1
// topics, else the last topic's box. Without topics every question is box 0.
int ThemenBox(const u16& bereich) {
  const int anzahl = std::clamp(ThemenAnzahl, 0, static_cast<int>(Themen.size()));
  if (anzahl <= 0) return 0;
  for (int t = 0; t <= anzahl - 2; ++t)
    if (Themen[t] == bereich) return t;
  return anzahl - 1;
}

// Walks the tokens of a number text as NummerInListe reads them: one blank is
// appended, each token ends at the next blank; calls f(low, high) per token.
template <typename F>
void JedesToken(const u16& text, F&& f) {
  const u16 t = text + u" ";
  const std::u16string_view v(t);
  size_t pos = 0;
  for (;;) {
    const size_t blank = v.find(u' ', pos);
    if (blank == std::u16string_view::npos) return;
    const std::u16string_view token = v.substr(pos, blank - pos);
    const size_t strich = token.find(u'-');
    if (strich != std::u16string_view::npos)
      f(text::ToInt(token), text::ToInt(token.substr(strich + 1)));
    else
      f(text::ToInt(token), text::ToInt(token));
    pos = blank + 1;
  }
}

// The numbers 0..999 a number text names, read once (a text can be long).
std::bitset<1000> GenannteNummern(const u16& text) {
  std::bitset<1000> menge;
  JedesToken(text, [&](int low, int high) {
    for (int n = std::max(low, 0); n <= std::min(high, 999); ++n) menge.set(n);
  });
  return menge;
}

}  // namespace

u16 SpieleOrdner() { return DatenPfad + u"Daten\\Spiele\\"; }

int FrageListeOeffnen() {
  const u16 ordner = SpieleOrdner();
  fs::CreateFolders(ordner);
  const u16 datei = gui::RequestFile(kTitel, kFilter, ordner, false);
  if (datei.empty()) return 0;
  LadeFrageListe(datei);
  return 0;
}

int FrageListeSpeichernUnter() {
  const u16 ordner = SpieleOrdner();
  fs::CreateFolders(ordner);
  u16 datei = gui::RequestFile(kTitel, kFilter, ordner, true);
  if (datei.empty()) return 0;
  if (fs::FileName(datei).find(u'.') == u16::npos) datei += u".lst";
  SchreibeFrageListe(datei);
  return 0;
}

int LadeFrageListe(const u16& path) {
  const u16 datei = path;  // path may be FragenListeDatei itself
  ErlaubteFragen = 0;
  FragenListeDatei = datei;
  if (datei.empty()) {
    for (int n = 1; n <= kLetzteFrage; ++n) {
      QuizType* r = Frage(n);
      // A slot without text is no question, whatever its right answer says
      // (the editor sets it on every number it shows).
      if (r && !r->Frage.empty() && r->Loesung != 0) {
        r->InListeEnthalten = 1;
        ++ErlaubteFragen;
      }
    }
    return 0;
  }
  if (NiemalsListe) NiemalsListe->SetText(Ini::Lesen(u"DieseNicht", u"Data", datei));
  if (ImmerListe) ImmerListe->SetText(Ini::Lesen(u"DieseDoch", u"Data", datei));
  for (int g = 0; g < kGrade; ++g) Setze(Mdi::BUTTON_GRAD + g, Ini::Value(u"Grade", text::Num(g), datei) != 0);
  for (int t = 0; t < kGespeicherteThemen; ++t)
    Setze(Mdi::BUTTON_THEMA + t, Ini::Value(u"Thema", text::Num(t), datei) != 0);
  const bool zufaellig = Ini::Value(u"Reihenfolge", u"Data", datei) == 1;
  Setze(Mdi::BUT_REIHE_Z, zufaellig);
  Setze(Mdi::BUT_REIHE_R, !zufaellig);
  FrageListeAnwenden();
  return 0;
}

int SchreibeFrageListe(const u16& path) {
  if (path.empty()) return 0;
  auto zustand = [](int index) { return u16(Gesetzt(index) ? u"1" : u"0"); };
  // All settings in one write: the file holds the whole old or the whole new list.
  std::vector<IniWert> werte;
  werte.push_back({u"DieseNicht", u"Data", TextVon(NiemalsListe)});
  werte.push_back({u"DieseDoch", u"Data", TextVon(ImmerListe)});
  for (int g = 0; g < kGrade; ++g) werte.push_back({u"Grade", text::Num(g), zustand(Mdi::BUTTON_GRAD + g)});
  for (int t = 0; t < kGespeicherteThemen; ++t)
    werte.push_back({u"Thema", text::Num(t), zustand(Mdi::BUTTON_THEMA + t)});
  werte.push_back({u"Reihenfolge", u"Data", zustand(Mdi::BUT_REIHE_Z)});
  if (Ini::SchreibenAlle(werte, path) != 0) {
    MeldeSpeicherFehler(u"Die Frageliste \"" + fs::FileName(path) + u"\"", path);
    return 1;
  }
  return 0;
}

int FrageListeAnwenden() {
  const std::bitset<1000> niemals = GenannteNummern(TextVon(NiemalsListe));
  const std::bitset<1000> immer = GenannteNummern(TextVon(ImmerListe));
  ErlaubteFragen = 0;
  for (int n = 1; n <= kLetzteFrage; ++n) {
    QuizType* r = Frage(n);
    // Without text or without an answer the mark stays as it is: such a
    // question never qualifies and is not counted ("Immer" included, so that
    // ErlaubteFragen matches the positions the play order fills).
    if (!r || r->Frage.empty() || r->Loesung == 0) continue;
    const int g = std::clamp(r->Problem / 10 - 1, 0, kGrade - 1);
    if (!Gesetzt(Mdi::BUTTON_GRAD + g) || !Gesetzt(Mdi::BUTTON_THEMA + ThemenBox(r->Bereich)) || niemals[n]) {
      r->InListeEnthalten = 0;
    } else {
      r->InListeEnthalten = 1;
      ++ErlaubteFragen;
    }
    if (r->InListeEnthalten == 0 && immer[n]) {  // "Immer" wins
      r->InListeEnthalten = 1;
      ++ErlaubteFragen;
    }
  }
  FuelleMultibox();
  return 0;
}

int FuelleMultibox() {
  u16 nummern, antworten, fragen;
  ListenPosition = 0;
  const int platz = static_cast<int>(ListenFragen.size()) - 1;  // positions 1..998
  auto platziere = [&](int n, const QuizType& r) {
    if (ListenPosition >= platz) return;
    ListenPosition += 1;
    ListenFragen[ListenPosition] = n;
    nummern += text::Num(n) + u"\n";
    antworten += r.RichtigeAntwort() + u"\n";
    fragen += r.Frage + u"\n";
  };

  if (!Zufaellig()) {
    for (int n = 1; n <= kLetzteFrage; ++n)
      if (QuizType* r = Frage(n); Qualifiziert(r)) r->InListeAufgenommen = 0;
    // "Immer" numbers first, in their order; a range gives its first number.
    const u16 immer = TextVon(ImmerListe) + u" ";
    size_t pos = 0;
    while (pos < immer.size()) {
      size_t blank = immer.find(u' ', pos);
      if (blank == u16::npos) blank = immer.size() - 1;
      const int n = text::ToInt(std::u16string_view(immer).substr(pos, blank + 1 - pos));
      pos = blank + 1;
      if (n < 1 || n > kLetzteFrage) continue;
      QuizType* r = Frage(n);
      if (!Qualifiziert(r)) continue;
      platziere(n, *r);
      r->InListeAufgenommen = 1;
    }
    for (int n = 1; n <= kLetzteFrage; ++n)
      if (QuizType* r = Frage(n); Qualifiziert(r) && r->InListeAufgenommen == 0) platziere(n, *r);
  } else {
    for (int n = 1; n <= kLetzteFrage; ++n)
      if (QuizType* r = Frage(n); Qualifiziert(r)) platziere(n, *r);
  }

  const u16* spalten[3] = {&nummern, &antworten, &fragen};
  for (int i = 0; i < 3; ++i)
    if (TextFelder[i]) TextFelder[i]->Text = *spalten[i];
  NeuMalen = 1;
  if (gui::Gadget* s = Slider[Mdi::SLID_LISTE]) s->SetRange(300, (ErlaubteFragen + 1) * TextFeldZeilenHoehe);
  ListenPosition = 0;
  return 0;
}

int NummerInListe(int number, const u16& text) {
  int gefunden = 0;
  JedesToken(text, [&](int low, int high) {
    if (low <= number && number <= high) gefunden = 1;
  });
  return gefunden;
}

int FrageListeLeeren() {
  FragenListeDatei.clear();
  for (int n = 1; n <= kLetzteFrage; ++n)
    if (QuizType* r = Frage(n); r && r->Loesung != 0) r->Heute = 0;
  return 0;
}

int FrageListeFuerSpiel(const u16& path) {
  const u16 datei = path;  // path may be FragenListeDatei, which the next step empties
  FrageListeLeeren();
  LadeFrageListe(datei);
  if (!datei.empty())
    for (int n = 1; n <= kLetzteFrage; ++n)
      if (QuizType* r = Frage(n); r && r->Loesung != 0 && r->InListeEnthalten == 0) r->Heute = 999;
  return 0;
}
