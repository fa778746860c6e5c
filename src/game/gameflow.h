// SPDX-License-Identifier: GPL-3.0-or-later
// Game flow: the turn state machine driven by timer ticks, keys and presses
// on the quiz canvas, and the paint dispatch by program mode.
#pragma once
#include <array>
#include <functional>

#include "catalogue/questions.h"
#include "platform/gui/gui.h"

inline int Modus = 0;
inline int Vormode = 0;
inline int Spielschritt = 0;
inline int SpielBereit = 0;
inline int FrageNr = 0;
inline QuizPtr DieseFrage;
inline int FesteFrage = 0;
inline int FragenZaehler = 0;
inline int SpielerAnzahl = 0;
inline int AktuellesAlter = 10;
inline int FragenPunkte = 0;
inline std::array<int, 6> AntwortStatus{};
inline int AnsageEnde = 0;
inline int AnsageTon = 0;
inline int AnimPhase = 0;
inline int AnimZeit = 0;
inline int AudioGeladen = 0;
inline int NeuMalen = 1;
inline int MalZeit = 0;
// 1 while the game found no playable question for the turn; the canvas then
// shows a message until the user leaves the game. Cleared when a game starts.
inline int KeineFrage = 0;

// The millisecond clock the game runs on; tests replace it.
inline std::function<int()> Jetzt = [] { return gui::Millisecs(); };
// Random draws tried before the selection gives up on finding an unblocked
// question and takes the one whose block ends first.
inline constexpr int MAX_ZUFALLSVERSUCHE = 4000;

int ZeitTakt();
int MaleBildschirm();
int SpielAblauf();
int NaechsteListenFrage(int art);
int AntwortGewaehlt(int k);
int ScanTasten(int taste, int gedrueckt);
int MausInBox(int x, int y);
// The question of the next turn by the selection rule, 0 when none is
// playable; used by SpielAblauf.
int WaehleFrage();
