// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing of the quiz canvas and of the question-list view.
#pragma once
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/draw/draw.h"

using u16 = std::u16string;

struct TTextField {
  draw::FontPtr Font;
  u16 Text;
  int X = 0, Y = 0, Breit = 0, Hoch = 0;
  int MitEdit = 0, CursorAktiv = 0, CursorPos = 0;

  static std::shared_ptr<TTextField> Create();
  int Make(int x, int y, int breit, int hoch, draw::FontPtr font);
  int Male(int verschiebung);
  static int MalTextRahmen(int x, int y, int w, int h, int d);
  static int MalFensterRahmen(int x, int y, int w, int h);
};
using TTextFieldPtr = std::shared_ptr<TTextField>;

inline float Abblenden = 0.0f;
inline int TextZeilen = 0;
// Symbol pictures of the current Musical string at positions 1.. (position 0
// unused): the characters whose symbols start inside the canvas, at most
// kMusicalZeichenHoechstens of them; the rest of a longer line is not shown.
inline std::vector<draw::ImagePtr> MusicalBild;
inline constexpr size_t kMusicalZeichenHoechstens = 256;
inline u16 LetztesMusical;
inline int TextFeldZeilenHoehe = 0;
inline std::array<TTextFieldPtr, 9> TextFelder;
// Scroll offset of the question-list view last painted by MaleListe.
inline int ListenVerschiebung = 0;

int MaleQuiz();
int MaleHintergrund();
int Abblende();
int MaleFrage();
int SchreibeText(int x, int y, int breite, const u16& text, int zeile);
int MaleBild(const u16& datei);
int MaleMusicalZeile(const u16& musical);
// The picture of one music symbol, loaded once and shared; nullptr when the
// character has none.
draw::ImagePtr MusicalSymbolBild(char16_t zeichen);
// Forgets the question pictures remembered between paints (also those that
// could not be loaded), after the user brought in a new picture.
void VergissFragenBilder();
int MaleListe(int verschiebung);
// Shown on the announcement background while the game has no playable question.
int MaleKeineFrage();
inline const u16 KEINE_FRAGE_TEXT = u"Keine spielbare Frage gefunden.";
inline const u16 KEINE_FRAGE_HINWEIS = u"Bitte eine andere Fragenliste wählen oder eigene Fragen erstellen.";

// The lines SchreibeText draws for a text in a column of width w (unscaled
// font pixels), with breite giving a text's unscaled width.
std::vector<u16> BrichZeilen(const u16& text, int w, const std::function<int(const u16&)>& breite);
