// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/quizscreen.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "app/eventloop.h"
#include "app/startup.h"
#include "catalogue/questions.h"
#include "game/gameflow.h"
#include "game/players.h"
#include "platform/fs/fs.h"
#include "platform/text.h"
#include "ui/mainwindow.h"

namespace {

int T(float v) { return static_cast<int>(std::trunc(v)); }

void Bild(draw::Surface& s, const draw::ImagePtr& img, float x, float y) {
  if (img) s.DrawImage(*img, x, y);
}

// The backgrounds are 1022 x 660; this stretches them over the layout.
void HintergrundSkala(draw::Surface& s) { s.SetScale(1.003f * SkalaX, 1.163f * SkalaY); }

// The pictures of the last paints by name, pictures that failed to load
// included: a question shows its picture and, with the solution, a second
// one, and neither is decoded again at every repaint. A name that did not
// load stays unloaded until it leaves the cache (another question's pictures
// push it out), so a file put in place later is still found.
struct GemerktesBild {
  u16 name;
  draw::ImagePtr bild;  // nullptr: the name did not load
};
std::vector<GemerktesBild> g_bilder;
constexpr size_t kGemerkteBilder = 4;

draw::ImagePtr LadeFragenBild(const u16& name) {
  for (size_t i = 0; i < g_bilder.size(); ++i)
    if (g_bilder[i].name == name) {
      std::rotate(g_bilder.begin(), g_bilder.begin() + i, g_bilder.begin() + i + 1);
      return g_bilder.front().bild;
    }
  // The archive first, then the user's own pictures in the data folder; the
  // name is a file name there, whatever folders it claims.
  draw::ImagePtr img = draw::Image::Load(BilderPfad + name);
  if (!img) img = draw::Image::Load(DatenPfad + u"Daten/" + fs::FileName(name));
  g_bilder.insert(g_bilder.begin(), GemerktesBild{name, img});
  if (g_bilder.size() > kGemerkteBilder) g_bilder.pop_back();
  return img;
}

}  // namespace

void VergissFragenBilder() { g_bilder.clear(); }

// ---------------------------------------------------------------- text box

std::shared_ptr<TTextField> TTextField::Create() { return std::make_shared<TTextField>(); }

int TTextField::Make(int x, int y, int breit, int hoch, draw::FontPtr font) {
  X = x;
  Y = y;
  Breit = breit;
  Hoch = hoch;
  Font = std::move(font);
  return 0;
}

int TTextField::Male(int verschiebung) {
  draw::Surface* ziel = draw::Target();
  if (!ziel) return 0;
  draw::Surface& s = *ziel;
  s.SetColor(1, 1, 1);
  s.SetViewport(X + 5, Y + 2, Breit - 10, Hoch - 4);
  s.SetFont(Font);
  s.SetBlend(draw::Blend::Alpha);
  const int l = s.TextHeight(u"T") + 1;
  TextFeldZeilenHoehe = l;
  size_t start = 0;
  for (int n = 0;; ++n) {
    const size_t ende = Text.find(u'\n', start);
    // The line feed itself shows as nothing, so it is left out.
    const u16 zeile = ende == u16::npos ? Text.substr(start, 999) : Text.substr(start, ende - start);
    if ((n + 1) * l - verschiebung > 0) s.DrawText(zeile, static_cast<float>(X + 5), static_cast<float>(Y + 2 + n * l - verschiebung));
    if (ende == u16::npos) break;
    if (n * l - verschiebung > Hoch) break;
    start = ende + 1;
  }
  s.ResetViewport();
  return 0;
}

int TTextField::MalTextRahmen(int x, int y, int w, int h, int d) {
  draw::Surface* ziel = draw::Target();
  if (!ziel) return 0;
  draw::Surface& s = *ziel;
  s.SetColor(172, 168, 153);
  s.DrawRect(x, y, w, h);
  s.SetColor(241, 239, 226);
  s.DrawRect(x + d, y + d, w - d, h - d);
  s.SetColor(113, 111, 100);
  s.DrawRect(x + d, y + d, w - 2 * d, h - 2 * d);
  s.SetColor(255, 255, 255);
  s.DrawRect(x + 2 * d, y + 2 * d, w - 3 * d, h - 3 * d);
  return 0;
}

int TTextField::MalFensterRahmen(int x, int y, int w, int h) {
  draw::Surface* ziel = draw::Target();
  if (!ziel) return 0;
  draw::Surface& s = *ziel;
  const int r = s.ColorR(), g = s.ColorG(), b = s.ColorB();
  MalTextRahmen(x, y, w, h, 2);
  s.SetColor(r, g, b);
  s.DrawRect(x + 4, y + 4, w - 6, h - 6);
  return 0;
}

// ---------------------------------------------------------------- quiz canvas

int MaleQuiz() {
  if (NeuMalen <= 0) return 0;
  if (!HauptCanvas) {
    NeuMalen = 0;
    return 0;
  }
  draw::Surface& s = HauptCanvas->Surface();
  draw::SetTarget(&s);
  if (Spielschritt > 2) {
    MaleHintergrund();
  } else {
    s.Cls();
    s.SetAlpha(1.0f);
    s.SetColor(255, 255, 255);
    HintergrundSkala(s);
    Bild(s, HighScoreBild, 0, 0);
    Abblende();
  }
  if (Spielschritt == 1) MaleAnsage(AnsageEnde < Jetzt() + 4000 ? FrageNr : 0);
  if (Spielschritt > 2) MaleFrage();
  if (Spielschritt == 0 && KeineFrage) MaleKeineFrage();
  NeuMalen = 0;
  if (Spielschritt > 4) {
    s.SetColor(1, 1, 1);
    s.SetFont(ComicFont20);
    s.SetScale(Skala, Skala);
    s.DrawText(u"weiter", 400 * SkalaX, 380 * SkalaY);
  }
  s.Flip();
  return 0;
}

int MaleHintergrund() {
  draw::Surface* ziel = draw::Target();
  if (!ziel) return 0;
  draw::Surface& s = *ziel;
  s.Cls();
  s.SetColor(255, 255, 255);
  HintergrundSkala(s);
  Bild(s, HintergrundBild, 0, 0);
  s.SetFont(ComicFont36);
  return 0;
}

int Abblende() {
  draw::Surface* ziel = draw::Target();
  if (!ziel) return 0;
  if (Abblenden >= 0.05f) {
    draw::Surface& s = *ziel;
    s.SetColor(255, 255, 255);
    HintergrundSkala(s);
    s.SetAlpha(Abblenden);
    Bild(s, LeerHintergrundBild, 0, 0);
    Abblenden -= 0.05f;
    // The fade is over for this game: its picture is decoded again when the next one starts.
    if (Abblenden < 0.05f && LeerHintergrundBild) LeerHintergrundBild->DropCaches();
  }
  return 0;
}

int MaleKeineFrage() {
  draw::Surface* ziel = draw::Target();
  if (!ziel) return 0;
  draw::Surface& s = *ziel;
  // Centred in the stage left of the ranking panel, on a strip as the
  // announcement texts are; the hint in two lines.
  const size_t teil = KEINE_FRAGE_HINWEIS.find(u" oder ");
  const u16 zeile1 = teil == u16::npos ? KEINE_FRAGE_HINWEIS : KEINE_FRAGE_HINWEIS.substr(0, teil);
  const u16 zeile2 = teil == u16::npos ? u16() : KEINE_FRAGE_HINWEIS.substr(teil + 1);
  const int b1 = ComicFont36 ? ComicFont36->TextWidth(KEINE_FRAGE_TEXT) : 0;
  const int b2 = ComicFont20 ? std::max(ComicFont20->TextWidth(zeile1), ComicFont20->TextWidth(zeile2)) : 0;
  // In a narrow window the whole message shrinks so that it ends before the
  // ranking panel (from x 680) and stays inside the canvas.
  const float breit = static_cast<float>(std::max({b1, b2, 300})) * 1.1f;
  const float platz = 2.0f * (670 - 412) * SkalaX;
  const float sk = std::min(Skala, platz / breit);
  const float streifen = breit * sk;
  s.SetBlend(draw::Blend::Alpha);
  s.SetAlpha(0.75f);
  s.SetColor(255, 255, 255);
  s.SetScale(streifen / 384.0f, 1.5f * sk);
  Bild(s, LoecherigBild, 412 * SkalaX - streifen / 2, 330 * SkalaY - 50 * sk);
  s.SetAlpha(1.0f);
  s.SetScale(sk, sk);
  s.SetColor(121, 0, 0);
  s.SetFont(ComicFont36);
  TextMittig(KEINE_FRAGE_TEXT, T(412 * SkalaX), T(330 * SkalaY));
  s.SetFont(ComicFont20);
  TextMittig(zeile1, T(412 * SkalaX), T(330 * SkalaY + 45 * sk));
  TextMittig(zeile2, T(412 * SkalaX), T(330 * SkalaY + 72 * sk));
  return 0;
}

int MaleFrage() {
  draw::Surface* ziel = draw::Target();
  if (!ziel || !DieseFrage) return 0;
  draw::Surface& s = *ziel;
  const QuizType& q = *DieseFrage;
  const int anzahl = q.AntwortAnzahl();  // answers 1..anzahl are shown
  const int spalteX = T(170 * SkalaX), spalteY = T(80 * SkalaY), spalteB = T(375 * SkalaX);

  // 1. question, headed by the player's name as a grey label
  SpielerPtr amZug = SpielerAmZug();
  const u16 name = amZug ? amZug->Name : u16();
  TextZeilen = SchreibeText(spalteX, spalteY, spalteB, u"[" + name + u"!] " + q.Frage, 0);

  // 2. picture or music symbols
  if (!q.Bild.empty())
    MaleBild(q.Bild);
  else if (!q.Musical.empty())
    MaleMusicalZeile(q.Musical);

  // 3. answer bars
  s.SetColor(255, 255, 255);
  s.SetScale(SkalaX, SkalaY);
  for (int j = 0; j < anzahl; ++j)
    Bild(s, PfeilBild[j], 190 * SkalaX - j * T(40 * SkalaX), static_cast<float>(T(465 * SkalaY) + j * T(60 * SkalaY)));

  // 4.
  s.SetScale(Skala, Skala);
  s.SetColor(1, 1, 1);

  // 5. tips for wrong answers, 6. the solution
  for (int i = 1; i <= anzahl; ++i)
    if (AntwortStatus[i] == -1 && !q.Erklaerung[i].empty())
      TextZeilen = SchreibeText(spalteX, spalteY, spalteB, u"[Tipp:] " + q.Erklaerung[i], TextZeilen + 1);
  for (int i = 1; i <= anzahl; ++i) {
    const bool geloest = AntwortStatus[i] == 1 || (i == q.Loesung && Spielschritt > 4);
    if (geloest && !q.Erklaerung[i].empty())
      TextZeilen = SchreibeText(spalteX, spalteY, spalteB, u"[Auflösung:] " + q.Erklaerung[i], TextZeilen + 1);
  }

  // 7. answer fields. The answer text sits in the middle of its field: its
  // line is centred in the field's height and lifted by the empty room our
  // font keeps above the capitals, whatever the scale.
  const int zeilenHoehe = ComicFont20 ? ComicFont20->TextHeight(u"T") : 0;
  const float textVersatz = (25 * SkalaY - zeilenHoehe * Skala) / 2 - 2 * Skala;
  for (int i = 1; i <= anzahl; ++i) {
    switch (AntwortStatus[i]) {
      case -1: s.SetColor(255, 200, 200); break;
      case 1: s.SetColor(200, 255, 200); break;
      default: s.SetColor(255, 255, 255); break;
    }
    if (Spielschritt > 4 && i == q.Loesung) s.SetColor(200, 255, 200);
    s.SetScale(1.0f, 1.0f);
    s.DrawRect((328 - 40 * i) * SkalaX, (417 + 60 * i) * SkalaY, 695 * SkalaX, 25 * SkalaY);
    s.SetColor(1, 1, 1);
    SchreibeText(T((333 - 40 * i) * SkalaX), T((417 + 60 * i) * SkalaY + textVersatz), T(800 * SkalaX), q.Antwort[i], 0);
  }

  // 8. solution picture
  if (Spielschritt > 4 && FrageNr >= 0 && FrageNr <= 999 && AlleFragen[FrageNr] && !AlleFragen[FrageNr]->Bild2.empty())
    MaleBild(AlleFragen[FrageNr]->Bild2);
  return 0;
}

std::vector<u16> BrichZeilen(const u16& text, int w, const std::function<int(const u16&)>& breite) {
  std::vector<u16> zeilen;
  u16 rest = text;
  while (!rest.empty()) {
    // The cut is the 1-based position of the last blank whose preceding text fits.
    size_t schnitt = 0;
    for (;;) {
      const size_t blank = rest.find(u' ', schnitt);
      if (blank == u16::npos) break;
      if (breite(rest.substr(0, blank)) > w) break;
      schnitt = blank + 1;
    }
    if (breite(rest) < w) {
      zeilen.push_back(rest);
      return zeilen;
    }
    size_t weiter = schnitt;  // where the remaining text starts
    u16 zeile;
    if (schnitt > 0) {
      zeile = rest.substr(0, schnitt - 1);
    } else {
      // No blank to break at: break inside the first word at the longest
      // prefix that fits, at least one character.
      size_t n = 1;
      while (n < rest.size() && breite(rest.substr(0, n + 1)) <= w) ++n;
      zeile = rest.substr(0, n);
      weiter = n;
    }
    zeilen.push_back(zeile);
    rest = rest.substr(weiter, 999);
  }
  return zeilen;
}

int SchreibeText(int x, int y, int breite, const u16& text, int zeile) {
  const int h = T(26 * Skala / 2);
  if (text.empty()) return zeile;
  draw::Surface* ziel = draw::Target();
  if (!ziel) return zeile;
  draw::Surface& s = *ziel;
  s.SetColor(1, 1, 1);
  s.SetFont(ComicFont20);
  s.SetScale(Skala, Skala);
  s.SetBlend(draw::Blend::Alpha);
  const int w = Skala > 0 ? T(breite / Skala) : 0;
  const auto zeilen = BrichZeilen(text, w, [&s](const u16& t) { return s.TextWidth(t); });
  for (const u16& z : zeilen) {
    float versatz = 0;
    for (char16_t c : z) {
      if (c == u'[') {
        s.SetColor(111, 111, 111);
      } else if (c == u']') {
        s.SetColor(1, 1, 1);
      } else {
        const u16 zeichen(1, c);
        s.DrawText(zeichen, x + versatz, static_cast<float>(y + zeile * h));
        versatz += s.TextWidth(zeichen) * Skala;
      }
    }
    zeile += 2;
  }
  return zeile;
}

int MaleBild(const u16& datei) {
  draw::Surface* ziel = draw::Target();
  if (!ziel || datei.empty()) return 0;
  draw::Surface& s = *ziel;
  draw::ImagePtr img = LadeFragenBild(MedienBildName(datei));
  if (!img || img->Width() <= 0 || img->Height() <= 0) return 0;
  const float bw = static_cast<float>(img->Width()), bh = static_cast<float>(img->Height());
  float f = std::min(300.0f / bw, 300.0f / bh);
  if (f > 2) f = 2;
  s.SetColor(1, 1, 1);
  s.SetScale(f * Skala, f * Skala);
  s.DrawRect(BildLinks + 1.0f, 80 * SkalaY + 1, bw - 2, bh - 2);
  s.SetColor(255, 255, 255);
  s.DrawImage(*img, static_cast<float>(BildLinks), 80 * SkalaY);
  s.SetScale(Skala, Skala);
  return 0;
}

draw::ImagePtr MusicalSymbolBild(char16_t zeichen) {
  // Every symbol is decoded once and shared by the quiz screen and the
  // editor's preview; a character without a picture is remembered as such.
  static std::map<u16, draw::ImagePtr> symbole;
  const u16 pfad = MusicalPfad + MusicalBildName(zeichen);
  auto it = symbole.find(pfad);
  if (it != symbole.end()) return it->second;
  draw::ImagePtr img = draw::Image::Load(pfad);
  symbole.emplace(pfad, img);
  return img;
}

int MaleMusicalZeile(const u16& musical) {
  if (musical.empty()) return 0;
  draw::Surface* ziel = draw::Target();
  if (!ziel) return 0;
  draw::Surface& s = *ziel;
  // The row starts at 590 (logical) and ends at the canvas's right edge: a
  // longer line is cut after the last symbol that starts inside the canvas.
  // Symbols are drawn at 0.4 x Skala and advance by their drawn width, so the
  // row keeps its look on a smaller canvas instead of spreading apart.
  const float start = 590 * SkalaX;
  const float platz = static_cast<float>(s.Width()) - start;
  const float faktor = 0.4f * Skala;
  if (musical != LetztesMusical || MusicalBild.empty()) {
    LetztesMusical = musical;
    MusicalBild.assign(1, nullptr);
    int versatz = 0;
    const size_t n = std::min(musical.size(), kMusicalZeichenHoechstens);
    for (size_t i = 0; i < n && versatz < platz; ++i) {
      draw::ImagePtr img = MusicalSymbolBild(musical[i]);
      MusicalBild.push_back(img);
      if (img) versatz = T(versatz + img->Width() * faktor);
    }
  }
  int versatz = 0;
  for (size_t i = 1; i < MusicalBild.size(); ++i) {
    s.SetColor(1, 1, 1);
    s.SetScale(faktor, faktor);
    const draw::ImagePtr& img = MusicalBild[i];
    if (!img) continue;
    if (versatz >= platz) break;  // the canvas got narrower since the line was loaded
    s.DrawImage(*img, start + versatz, 80);
    versatz = T(versatz + img->Width() * faktor);
  }
  return 0;
}

// ---------------------------------------------------------------- list view

int MaleListe(int verschiebung) {
  ListenVerschiebung = verschiebung;
  if (!ListenCanvas) {
    NeuMalen = 0;
    return 0;
  }
  draw::Surface& s = ListenCanvas->Surface();
  draw::SetTarget(&s);
  s.SetColor(255, 255, 255);
  TTextField::MalFensterRahmen(0, 0, 500, 300);
  for (int i = 0; i <= 2; ++i)
    if (TextFelder[i]) TextFelder[i]->Male(verschiebung);
  NeuMalen = 0;
  s.Flip();
  return 0;
}
