// SPDX-License-Identifier: GPL-3.0-or-later
// The main event loop and its dispatch, the relayout on resize, the event
// hook, the end of the process and the key filter of the number lists.
#pragma once
#include "platform/gui/gadgets.h"
#include "platform/gui/gui.h"

// Last mouse position over the quiz canvas, canvas pixels.
inline int MausX = 0;
inline int MausY = 0;
// Layout scale of the quiz canvas against the 1024 x 768 design size.
inline float SkalaX = 1.0f;
inline float SkalaY = 1.0f;
inline float Skala = 1.0f;
inline int BildLinks = 0;

// Waits for one event at a time and routes it; returns when an event with id 0
// arrives (the process normally ends through ProgrammEnde instead).
int EreignisSchleife();
// Routes one event as the loop does.
void VerteileEreignis(const gui::Event& e);
int PasseLayoutAn();
// Runs when an event is emitted, before it is queued.
gui::Event EreignisHaken(int id, const gui::Event& event, void* context);
[[noreturn]] void ProgrammEnde();
gui::Gadget* AktivesFenster();
int ListenNummernFilter(const gui::Event& event);
