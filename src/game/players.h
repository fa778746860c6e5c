// SPDX-License-Identifier: GPL-3.0-or-later
// Players, the scoring rule, difficulty names, the ranking and the
// announcement screen.
#pragma once
#include <array>
#include <memory>
#include <string>

using u16 = std::u16string;

struct SpielerTyp {
  u16 Name;
  int Punkte = 0;
  int Alter = 0;
};
using SpielerPtr = std::shared_ptr<SpielerTyp>;

inline std::array<SpielerPtr, 9> Spieler;

// Worth of a question with difficulty p for a player aged a.
int FragenWert(int problem, int alter);
u16 GradName(int problem);
int RangSpieler(int platz);
int MaleAnsage(int nummer);
int TextMittig(const u16& text, int x, int y);
int Ziffer(int zahl, int stelle);
// `text` as it fits `breite` pixels of the layout in the current font and
// scale of the drawing target: shortened with "…" when it is too wide.
u16 Gekuerzt(const u16& text, float breite);
// The player whose turn it is: element FragenZaehler mod SpielerAnzahl of
// Spieler (element 0 while no players are taken); may be empty.
SpielerPtr SpielerAmZug();
