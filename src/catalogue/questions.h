// SPDX-License-Identifier: GPL-3.0-or-later
// The question record, the 1000-slot question table, the question data files
// and the topic list.
#pragma once
#include <array>
#include <memory>
#include <string>

#include "catalogue/mediennamen.h"

using u16 = std::u16string;

struct QuizType {
  u16 Frage;
  u16 Musical;
  int Problem = 0;
  u16 Bereich;
  int Loesung = 0;
  u16 Bild;
  u16 Bild2;
  u16 Audio;
  int Heute = 0;
  int InListeEnthalten = 0;
  int InListeAufgenommen = 0;
  std::array<u16, 6> Antwort;
  std::array<u16, 6> Erklaerung;

  static std::shared_ptr<QuizType> Create() { return std::make_shared<QuizType>(); }
  // Number of answers shown: 1.. up to, not including, the first empty one.
  int AntwortAnzahl() const;
  // The right answer can be chosen: Loesung names one of the shown answers.
  bool LoesungGueltig() const;
  // Text of the right answer, "" when Loesung names none.
  u16 RichtigeAntwort() const;
};
using QuizPtr = std::shared_ptr<QuizType>;

inline std::array<QuizPtr, 1000> AlleFragen;
inline std::array<u16, 12> Themen;
inline int ThemenAnzahl = 0;

// Load state and read caches
inline int EigeneFragenLesen = 0;
inline u16 DateiName;
inline u16 DateiText;
inline int SektionsNummer = -1;
inline u16 SektionsDatei;
inline u16 SektionsText;

int LadeAlleFragen();
int SammleThemen();
QuizPtr LeseQuiz(int number);
u16 LeseQuizWert(int number, const u16& key, int index = 0);
u16 Entschluesseln(const u16& text);
int QuizExistiert(int number);
int FreieNummer();
int PruefeQuizNummer(int number);
// Writes the record of the source slot into the user's question file as
// question number, all keys in one write: the file holds the whole question
// or its previous state. 0 when written; 1 when the user declined a change
// of characters; 2 when the file could not be read or written (fs::LastError
// tells why). Nothing is written unless the result is 0.
int SpeichereQuiz(int quelle, int number);
// Tells the user in a message box that something could not be saved: was
// ("Die Frage 5"), the file and the reason of fs::LastError().
void MeldeSpeicherFehler(const u16& was, const u16& datei);
int QuizSpielbar(int number);
int SchonGespielt(int mark);
// Where a picture or sound is found: the path itself when it can be read,
// else the data folder's "Daten/" + its file name. Apply MedienBildName or
// MedienKlangName (catalogue/mediennamen.h) to the name first.
u16 MedienPfad(const u16& path);
// The user's question file.
u16 EigeneFragenDatei();
// Forgets the read caches (after the files changed under them).
void VergissDateiCache();
