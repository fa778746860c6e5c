#include "game/quizscreen.h"

// Placeholder until the quiz screen lands.
std::shared_ptr<TTextField> TTextField::Create() { return std::make_shared<TTextField>(); }
int TTextField::Make(int x, int y, int breit, int hoch, draw::FontPtr font) {
  X = x; Y = y; Breit = breit; Hoch = hoch; Font = std::move(font);
  return 0;
}
int TTextField::Male(int) { return 0; }
int TTextField::MalTextRahmen(int, int, int, int, int) { return 0; }
int TTextField::MalFensterRahmen(int, int, int, int) { return 0; }
int MaleQuiz() { return 0; }
int MaleHintergrund() { return 0; }
int Abblende() { return 0; }
int MaleFrage() { return 0; }
int SchreibeText(int, int, int, const u16&, int zeile) { return zeile; }
int MaleBild(const u16&) { return 0; }
int MaleMusicalZeile(const u16&) { return 0; }
int MaleListe(int) { return 0; }
