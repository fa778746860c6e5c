#include "catalogue/lists.h"

#include "catalogue/questions.h"

// Without list support every question with a right answer is allowed.
int FrageListeOeffnen() { return 0; }
int FrageListeSpeichernUnter() { return 0; }
int LadeFrageListe(const u16& path) {
  ErlaubteFragen = 0;
  FragenListeDatei = path;
  for (int n = 1; n <= 998; ++n) {
    if (AlleFragen[n] && AlleFragen[n]->Loesung != 0) {
      AlleFragen[n]->InListeEnthalten = 1;
      ++ErlaubteFragen;
    }
  }
  return 0;
}
int SchreibeFrageListe(const u16&) { return 0; }
int FrageListeAnwenden() { return 0; }
int FuelleMultibox() { return 0; }
int NummerInListe(int, const u16&) { return 0; }
int FrageListeLeeren() {
  FragenListeDatei.clear();
  for (int n = 1; n <= 998; ++n)
    if (AlleFragen[n] && AlleFragen[n]->Loesung != 0) AlleFragen[n]->Heute = 0;
  return 0;
}
int FrageListeFuerSpiel(const u16& path) {
  FrageListeLeeren();
  LadeFrageListe(path);
  return 0;
}
