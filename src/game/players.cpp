#include "game/players.h"

// Placeholder until the players and scoring land.
int FragenWert(int, int) { return 0; }
u16 GradName(int) { return u16(); }
int RangSpieler(int platz) { return platz; }
int MaleAnsage(int) { return 0; }
int TextMittig(const u16&, int, int) { return 0; }
int Ziffer(int, int) { return 0; }
