// SPDX-License-Identifier: GPL-3.0-or-later
// Question lists: restricting a game to a set of questions and an order.
// The settings live on the list panel (grade and topic check boxes, the
// "Niemals" and "Immer" number texts, the order radio buttons); a list file
// (extension "lst", INI-style) stores them.
#pragma once
#include <array>
#include <string>

using u16 = std::u16string;

// Path of the list file last opened; empty when no list is in use.
inline u16 FragenListeDatei;
// Number of questions the current settings allow.
inline int ErlaubteFragen = 0;
// Play order: question numbers at positions 1..998; position 0 is never used.
inline std::array<int, 999> ListenFragen{};
// Cursor into ListenFragen; 0 after the order is built, advanced by the game.
inline int ListenPosition = 0;

// Folder of the list files: the data folder's "Daten\Spiele\".
u16 SpieleOrdner();

int FrageListeOeffnen();
int FrageListeSpeichernUnter();
int LadeFrageListe(const u16& path);
// Writes the panel's settings into the file in one write; a failure is
// reported to the user and gives 1 (0 when written).
int SchreibeFrageListe(const u16& path);
int FrageListeAnwenden();
int FuelleMultibox();
// 1 if the blank-separated numbers and ranges ("5 10-20") of text name number, else 0.
int NummerInListe(int number, const u16& text);
int FrageListeLeeren();
int FrageListeFuerSpiel(const u16& path);
