// SPDX-License-Identifier: GPL-3.0-or-later
// List files: loaded into the real list form (offscreen) and applied to a
// table of questions, as a game does before it starts.
#include "catalogue/lists.h"
#include "catalogue/questions.h"
#include "fuzz_support.h"
#include "platform/gui/gui.h"
#include "platform/text.h"
#include "ui/mainwindow.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool bereit = [] {
    fuzz::Bereite();
    gui::Init(0, nullptr);
    Themen = {};
    Themen[0] = u"Oper";
    Themen[1] = u"Jazz";
    Themen[2] = u"Noten";
    ThemenAnzahl = 3;
    Mdi::FormLoad();
    for (int n = 0; n < 1000; ++n) {
      AlleFragen[n] = QuizType::Create();
      if (n % 3 == 0) continue;  // some slots stay empty
      AlleFragen[n]->Frage = u"Frage";
      AlleFragen[n]->Loesung = 1;
      AlleFragen[n]->Problem = 10 * (n % 10);
      AlleFragen[n]->Bereich = Themen[n % 4];
    }
    return true;
  }();
  (void)bereit;
  const u16 datei = text::FromUtf8(fuzz::Schreibe("Liste.lst", data, size));
  FrageListeFuerSpiel(datei);
  FrageListeLeeren();
  return 0;
}
