#include "game/gameflow.h"

// Placeholder until the game flow lands.
int ZeitTakt() { return 0; }
int MaleBildschirm() { NeuMalen = 0; return 0; }
int SpielAblauf() { return 0; }
int NaechsteListenFrage(int) { return 0; }
int AntwortGewaehlt(int) { return 0; }
int ScanTasten(int, int) { return 0; }
int MausInBox(int, int) { return 0; }
