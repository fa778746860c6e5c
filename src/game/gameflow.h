// Game flow: the turn state machine driven by timer ticks, keys and presses
// on the quiz canvas, and the paint dispatch by program mode.
#pragma once
#include <array>

#include "catalogue/questions.h"

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

int ZeitTakt();
int MaleBildschirm();
int SpielAblauf();
int NaechsteListenFrage(int art);
int AntwortGewaehlt(int k);
int ScanTasten(int taste, int gedrueckt);
int MausInBox(int x, int y);
