// SPDX-License-Identifier: GPL-3.0-or-later
// Question files: the user's file (plain text, any of the three encodings)
// and a shipped file (scrambled texts), read question by question.
#include "app/startup.h"
#include "catalogue/questions.h"
#include "fuzz_support.h"
#include "platform/text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Bereite();
  fuzz::Schreibe("Fragen 0.dat", data, size);
  const u16 sonst = SonstPfad;
  SonstPfad = text::FromUtf8(fuzz::Ordner());
  fuzz::Schreibe("Fragen 1.dat", data, size);
  VergissDateiCache();
  for (int n : {0, 1, 2, 5, 42, 99, 100, 101, 150, 199}) {
    EigeneFragenLesen = n < 100 ? 1 : 0;
    QuizPtr q = LeseQuiz(n);
    q->AntwortAnzahl();
    q->RichtigeAntwort();
    QuizExistiert(n);
  }
  EigeneFragenLesen = 0;
  SonstPfad = sonst;
  VergissDateiCache();
  return 0;
}
