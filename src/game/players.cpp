// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/players.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "app/eventloop.h"
#include "app/startup.h"
#include "catalogue/questions.h"
#include "game/gameflow.h"
#include "game/quizscreen.h"
#include "platform/draw/draw.h"
#include "platform/text.h"

int FragenWert(int problem, int alter) {
  if (alter <= 0 || problem < 0) return 0;
  const double wert = 10.0 * std::sqrt(static_cast<double>(problem)) / std::sqrt(static_cast<double>(alter));
  return static_cast<int>(std::trunc(wert));
}

u16 GradName(int problem) {
  const long long d = static_cast<long long>(problem) - AktuellesAlter;
  if (d < -40) return u"Glücksfrage";
  if (d < -30) return u"Baby-leicht";
  if (d < -20) return u"sehr einfach";
  if (d < -10) return u"Harmlos";
  if (d < 0) return u"Problemlos";
  if (d < 10) return u"durchschnittlich";
  if (d < 20) return u"anstrengend";
  if (d < 30) return u"anspruchsvoll";
  if (d < 40) return u"kniffelig";
  if (d < 50) return u"Super-schwer";
  return u"Unlösbar!!!";
}

int RangSpieler(int platz) {
  std::array<std::pair<int, int>, 5> liste;  // points, index
  for (int i = 0; i < 5; ++i) liste[i] = {Spieler[i] ? Spieler[i]->Punkte : 0, i};
  for (int i = 0; i <= 3; ++i)
    for (int j = i + 1; j <= 4; ++j)
      if (liste[i].first < liste[j].first) std::swap(liste[i], liste[j]);
  if (platz < 0 || platz > 4) return 0;
  return liste[platz].second;
}

SpielerPtr SpielerAmZug() {
  const int n = SpielerAnzahl > 0 ? SpielerAnzahl : 1;
  int index = FragenZaehler % n;
  if (index < 0) index += n;
  if (index >= static_cast<int>(Spieler.size())) return nullptr;
  return Spieler[index];
}

int TextMittig(const u16& text, int x, int y) {
  draw::Surface* s = draw::Target();
  if (!s) return 0;
  const float w = static_cast<float>(s->TextWidth(text));
  const float h = static_cast<float>(s->TextHeight(text));
  s->DrawText(text, std::trunc(x - w * s->ScaleX() / 2.0f), std::trunc(y - h * s->ScaleY() / 2.0f));
  return 0;
}

u16 Gekuerzt(const u16& text, float breite) {
  draw::Surface* s = draw::Target();
  if (!s || s->ScaleX() <= 0.0f) return text;
  auto passt = [&](const u16& t) { return static_cast<float>(s->TextWidth(t)) * s->ScaleX() <= breite; };
  if (passt(text)) return text;
  u16 kurz = text;
  while (!kurz.empty()) {
    kurz.pop_back();
    while (!kurz.empty() && kurz.back() == u' ') kurz.pop_back();
    if (passt(kurz + u"\u2026")) break;
  }
  return kurz + u"\u2026";
}

int Ziffer(int zahl, int stelle) {
  if (stelle < 1 || stelle > 18) return 0;
  const long long oben = static_cast<long long>(std::pow(10.0, stelle));
  const long long unten = static_cast<long long>(std::pow(10.0, stelle - 1));
  const long long z = std::llabs(static_cast<long long>(zahl));
  return static_cast<int>((z % oben) / unten);
}

namespace {

int T(float v) { return static_cast<int>(std::trunc(v)); }

void Bild(draw::Surface& s, const draw::ImagePtr& img, float x, float y) {
  if (img) s.DrawImage(*img, x, y);
}

// Width of the strip behind a text: at least 300 font pixels, 1.1 times the
// text, at the layout scale.
float StreifenBreite(const u16& text) {
  const int w = ComicFont50 ? ComicFont50->TextWidth(text) : 0;
  return static_cast<float>(w > 300 ? w : 300) * Skala * 1.1f;
}

}  // namespace

int MaleAnsage(int nummer) {
  draw::Surface* ziel = draw::Target();
  if (!ziel) return 0;
  draw::Surface& s = *ziel;
  const int x0 = T(250 * SkalaX);
  const int y0 = T(70 * SkalaY);
  const float sk = Skala;
  static const QuizType leer;
  const QuizType& q = (FrageNr >= 0 && FrageNr <= 999 && AlleFragen[FrageNr]) ? *AlleFragen[FrageNr] : leer;
  const u16 grad = GradName(q.Problem);

  // 1. background, with the alpha left by the overlay
  s.SetScale(SkalaX, SkalaY);
  s.SetColor(255, 255, 255);
  s.SetBlend(draw::Blend::Alpha);
  s.SetScale(1.003f * SkalaX, 1.163f * SkalaY);
  Bild(s, HighScoreBild, 0, 0);

  // 2.-4. strips behind the difficulty and the topic
  s.SetFont(ComicFont50);
  s.SetAlpha(0.75f);
  s.SetColor(255, 255, 255);
  const float w1 = StreifenBreite(grad);
  s.SetScale(w1 / 384.0f, 1.25f * sk);
  Bild(s, LoecherigBild, 412 * SkalaX - w1 / 2, 300 * SkalaY - 35 * sk);
  const float w2 = StreifenBreite(q.Bereich);
  s.SetScale(w2 / 384.0f, 1.25f * sk);
  Bild(s, LoecherigBild, 412 * SkalaX - w2 / 2, 500 * SkalaY - 35 * sk);

  // 5.-7. heading and labels
  s.SetScale(sk, sk);
  s.SetAlpha(1.0f);
  s.SetColor(121, 0, 0);
  s.SetFont(ComicFont50);
  u16 kopf = u"Neue Frage:";
  if (SpielerAnzahl >= 2) {
    SpielerPtr amZug = SpielerAmZug();
    kopf = u"Jetzt: " + (amZug ? amZug->Name : u16());
  }
  // Long names stop short of the ranking panel (it begins at x 680).
  kopf = Gekuerzt(kopf, 2 * (670 - 412) * SkalaX);
  TextMittig(kopf, T(412 * SkalaX), T(100 * SkalaY));
  s.SetFont(ComicFont36);
  TextMittig(u"Schwierigkeit:", T(412 * SkalaX), T(300 * SkalaY));
  TextMittig(u"Bereich:", T(412 * SkalaX), T(500 * SkalaY));

  // 8., 9. counter
  s.SetColor(255, 255, 255);
  Bild(s, BlackRahmenBild, x0 + 133 * sk, y0 + 105 * sk);
  if (nummer == 0) {
    Bild(s, ZaehlerBild[((AnimPhase % 10) + 10) % 10], x0 + 140 * sk, y0 + 111 * sk);
  } else {
    for (int k = 0; k <= 2; ++k) Bild(s, ZifferBild[Ziffer(nummer, 3 - k)], x0 + (140 + 49 * k) * sk, y0 + 113 * sk);
    s.SetFont(ComicFont50);
    s.SetColor(121, 0, 0);
    TextMittig(grad, T(412 * SkalaX), T(300 * SkalaY + 50 * sk));
    s.SetFont(ComicFont20);
    TextMittig(u"(es gibt " + text::Num(FragenPunkte) + u" Punkte)", T(412 * SkalaX), T(300 * SkalaY + 100 * sk));
    s.SetFont(ComicFont50);
    TextMittig(q.Bereich, T(412 * SkalaX), T(500 * SkalaY + 50 * sk));
  }

  // 10., 11. ranking
  s.SetFont(ComicFont36);
  s.SetColor(121, 0, 0);
  s.SetScale(sk, sk);
  TextMittig(u"Highscore", T(800 * SkalaX), T(100 * SkalaY));
  for (int p = 0; p <= 4; ++p) {
    const SpielerPtr& r = Spieler[RangSpieler(p)];
    s.SetColor(121, 0, 0);
    s.SetFont(ComicFont36);
    if (!r || r->Name.empty()) break;
    TextMittig(text::Num(p + 1) + u".", T(750 * SkalaX), T((150 + 100 * p) * SkalaY));
    if (r->Punkte == 0) break;
    TextMittig(Gekuerzt(r->Name, 190 * SkalaX), T(800 * SkalaX), T((185 + 100 * p) * SkalaY));
    s.SetFont(ComicFont20);
    TextMittig(text::Num(r->Punkte) + u" Punkte", T(820 * SkalaX), T((157 + 100 * p) * SkalaY));
  }

  // 12.
  Abblende();
  return 0;
}
