// The question editor: loading a question into the form, copying the form
// back, saving under the number rules, choosing pictures and sounds.
#pragma once
#include <string>

#include "catalogue/questions.h"
#include "platform/draw/draw.h"
#include "platform/gui/gadgets.h"

inline QuizPtr EditorFrage;
inline u16 EditorMusical;

int WaehleMedienDatei(gui::Gadget* control, int kind);
draw::PixmapPtr MalMusical(const u16& musical);
int WaehleEintrag(gui::Gadget* list, const u16& text);
