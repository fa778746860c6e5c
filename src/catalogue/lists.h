// Question lists: restricting a game to a set of questions and an order.
#pragma once
#include <array>
#include <string>

using u16 = std::u16string;

inline u16 FragenListeDatei;
inline int ErlaubteFragen = 0;
inline std::array<int, 999> ListenFragen{};
inline int ListenPosition = 0;

int FrageListeOeffnen();
int FrageListeSpeichernUnter();
int LadeFrageListe(const u16& path);
int SchreibeFrageListe(const u16& path);
int FrageListeAnwenden();
int FuelleMultibox();
int NummerInListe(int number, const u16& text);
int FrageListeLeeren();
int FrageListeFuerSpiel(const u16& path);
