#include "game/sound.h"

// Placeholder until sound playback lands.
int SpielTon(int, float, const u16&) { return 0; }
