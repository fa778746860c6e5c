// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/sound.h"

#include "app/startup.h"
#include "catalogue/questions.h"
#include "game/gameflow.h"

namespace {

// A channel for the slot's sound; a slot without a sound gets a channel that
// never sounds, so the table holds a usable channel after every call.
audio::ChannelPtr Cue(int slot) {
  audio::ChannelPtr k = audio::CueSound(Ton[slot]);
  return k ? k : audio::SilentChannel();
}

// A slot's previous channel falls silent before a new one takes its place:
// replaying a clip restarts it instead of adding a second copy that no answer
// could silence any more.
void NeuerKanal(int slot) {
  if (Kanal[slot]) Kanal[slot]->SetVolume(0.0f);
  Kanal[slot] = Cue(slot);
}

}  // namespace

int SpielTon(int slot, float lautstaerke, const u16& datei) {
  if (slot < 0 || slot >= static_cast<int>(Ton.size())) return 0;
  if (!datei.empty()) {
    Ton[0] = audio::LoadSound(MedienPfad(TonPfad + MedienKlangName(datei)));
    NeuerKanal(slot);
    AudioGeladen = 1;
  } else if (slot == 0) {
    return 0;
  } else if (slot == 1) {
    slot = 0;
  }
  TonLautstaerke[slot] = lautstaerke;
  NeuerKanal(slot);
  Kanal[slot]->SetVolume(lautstaerke);
  Kanal[slot]->Resume();
  KanalAktiv[slot] = 1;
  return 0;
}
