// SPDX-License-Identifier: GPL-3.0-or-later
// The question editor: loading a question into the form, copying the form
// back, saving under the number rules, choosing pictures and sounds, and the
// preview of a music-symbol line.
#pragma once
#include <string>

#include "catalogue/questions.h"
#include "platform/draw/draw.h"
#include "platform/gui/gadgets.h"

// The record the form shows: the table's own record of the number loaded last.
inline QuizPtr EditorFrage;
// The Musical of the loaded question while the question-picture panel shows
// its preview, else empty; copying the form back stores it in the record.
inline u16 EditorMusical;

// Whether the form has shown a question since start-up (a number was loaded).
inline bool EditorGeladen = false;

// Fills the topic list of the form with the shipped topics and an empty
// entry, keeping the topic the form showed (none before a question was loaded).
int EditorBereicheFuellen();
// Lets the user choose a file for the record shown in the form: kind 1 the
// question picture, 2 the solution picture, 3 the sound. Cancelling removes it.
int WaehleMedienDatei(gui::Gadget* control, int kind);
// Preview picture of a line of music symbols, drawn off screen on the quiz canvas.
draw::PixmapPtr MalMusical(const u16& musical);
// Selects the entry of a drop-down list whose text equals text; its index or -1.
int WaehleEintrag(gui::Gadget* list, const u16& text);

// Why a chosen picture file is not taken (a German message for the user), or
// "" when it is fine: too large to show (judged from its header, before
// decoding) or no picture the game can read.
u16 BildAblehnung(const u16& pfad);
// The picture made ready for a panel that stretches what it shows: padded with
// transparent borders to the panel's proportions, the picture centred.
draw::PixmapPtr FuerPanelEingepasst(const draw::PixmapPtr& picture, gui::Gadget* panel);
// The picture the editor last put into a panel (nullptr when it removed it).
draw::PixmapPtr GezeigtesBild(gui::Gadget* panel);
