// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gameflow.h"

#include <algorithm>

#include "app/eventloop.h"
#include "app/startup.h"
#include "catalogue/lists.h"
#include "game/players.h"
#include "game/quizscreen.h"
#include "game/sound.h"
#include "ui/mainwindow.h"

namespace {

void FokusAufCanvas() {
  if (HauptCanvas) HauptCanvas->Focus();
}

bool SpielModus() { return Modus == 1 || Modus == 4; }

// The slot holds a question (it has a text) whose right answer is one of the
// shown answers; whether it is blocked does not matter here.
bool Beantwortbar(int nr) {
  if (nr < 0 || nr > 999 || !AlleFragen[nr]) return false;
  const QuizType& q = *AlleFragen[nr];
  return !q.Frage.empty() && q.Loesung != 0 && q.LoesungGueltig();
}

int ListenLaenge() { return std::clamp(ErlaubteFragen, 0, static_cast<int>(ListenFragen.size()) - 1); }

// The answerable question whose block ends first (smallest Heute), 0 when
// there is none. Used when every candidate is blocked.
template <typename Kandidaten>
int FruehestFreigegeben(Kandidaten&& kandidaten) {
  int beste = 0;
  kandidaten([&](int nr) {
    if (!Beantwortbar(nr)) return;
    if (beste == 0 || AlleFragen[nr]->Heute < AlleFragen[beste]->Heute) beste = nr;
  });
  return beste;
}

}  // namespace

int WaehleFrage() {
  if (FesteFrage > 0) return FesteFrage;

  if (FragenListeDatei.empty()) {
    for (int versuch = 0; versuch < MAX_ZUFALLSVERSUCHE; ++versuch) {
      int nr = Zufall(1, 998);
      if (QuizSpielbar(nr)) return nr;
    }
    return FruehestFreigegeben([](auto pruefe) {
      for (int nr = 1; nr <= 998; ++nr) pruefe(nr);
    });
  }

  const int laenge = ListenLaenge();
  if (laenge == 0) return 0;

  gui::Gadget* zufaellig = Button[Mdi::BUT_REIHE_Z];
  if (zufaellig && zufaellig->Checked()) {
    for (int versuch = 0; versuch < MAX_ZUFALLSVERSUCHE; ++versuch) {
      int nr = NaechsteListenFrage(-1);
      if (QuizSpielbar(nr)) return nr;
    }
    return FruehestFreigegeben([laenge](auto pruefe) {
      for (int pos = 1; pos <= laenge; ++pos) pruefe(ListenFragen[pos]);
    });
  }

  // In list order every entry is taken, blocked or not; only entries that
  // cannot be answered at all are passed over, once round the list at most.
  for (int schritt = 0; schritt < laenge; ++schritt) {
    int nr = NaechsteListenFrage(0);
    if (Beantwortbar(nr)) return nr;
  }
  return 0;
}

int NaechsteListenFrage(int art) {
  const int laenge = ListenLaenge();
  if (laenge == 0) {
    ListenPosition = 0;
    return 0;
  }
  if (art == -1) {
    ListenPosition = Zufall(1, laenge);
  } else {
    ListenPosition += 1;
    if (ListenPosition > laenge || ListenPosition < 1) ListenPosition = 1;
  }
  return ListenFragen[ListenPosition];
}

int ZeitTakt() {
  int jetzt = Jetzt();
  if (NeuMalen > 0 || MalZeit < jetzt) {
    MaleBildschirm();
    MalZeit = jetzt + 30000;
    return 0;
  }
  if (!SpielModus()) return 0;
  if (AudioGeladen == 1) NeuMalen = 2;
  SpielAblauf();
  jetzt = Jetzt();
  if (AnsageTon > 0 && AnimZeit < jetzt) {
    NeuMalen = 1;
    AnimPhase = (AnimPhase + 1) % 10;
    AnimZeit = jetzt + 150;
  }
  return 0;
}

int MaleBildschirm() {
  switch (Modus) {
    case 0:
    case 3:
      NeuMalen = 0;
      break;
    case 1:
    case 4:
      MaleQuiz();
      break;
    case 2:
      // the scroll bar's current value is the list's scroll offset
      MaleListe(Slider[Mdi::SLID_LISTE] ? Slider[Mdi::SLID_LISTE]->Value() : ListenVerschiebung);
      break;
    default:
      break;
  }
  return 0;
}

int SpielAblauf() {
  if (SpielBereit == 0) {
    FokusAufCanvas();
    SpielBereit = 1;
    KeineFrage = 0;
  } else if (Spielschritt == 0) {
    // With no playable question the game waits here until the user leaves it.
    if (KeineFrage == 0) {
      FokusAufCanvas();
      Spielschritt = 1;
      BilderFuerSchritt(1);
      for (int i = 1; i <= 5; ++i) AntwortStatus[i] = 0;
      AnsageEnde = Jetzt() + 8000;
      FragenZaehler += 1;
      SpielerPtr amZug = SpielerAmZug();
      AktuellesAlter = amZug ? amZug->Alter : 0;
      int nr = WaehleFrage();
      if (nr <= 0 || nr > 999) {
        FragenZaehler -= 1;  // no turn took place
        Spielschritt = 0;
        KeineFrage = 1;
        NeuMalen = 1;
      } else {
        FrageNr = nr;
        const int problem = AlleFragen[nr] ? AlleFragen[nr]->Problem : 0;
        FragenPunkte = FragenWert(problem, AktuellesAlter);
      }
    }
  } else if (Spielschritt == 1) {
    if (AnsageTon == 0) {
      SpielTon(31, 0.5f, u16());
      AnsageTon = 1;
    }
    const int jetzt = Jetzt();
    if (AnsageEnde < jetzt) Spielschritt = 2;
    if (AnsageEnde < jetzt + 4000 && AnsageTon == 1) {
      if (Kanal[31]) Kanal[31]->SetVolume(0.0f);
      SpielTon(32, 1.0f, u16());
      AnsageTon = 2;
      BilderFuerSchritt(2);
    }
  } else if (Spielschritt == 2) {
    AnsageTon = 0;
    DieseFrage = (FrageNr >= 0 && FrageNr <= 999) ? AlleFragen[FrageNr] : nullptr;
    SpielTon(0, 1.0f, DieseFrage ? DieseFrage->Audio : u16());
    Spielschritt = 3;
    NeuMalen = 1;
    BilderFuerSchritt(3);
  }
  if (Spielschritt > 4) {
    AudioGeladen = 0;
    Spielschritt = 6;
  }
  return 0;
}

int AntwortGewaehlt(int k) {
  if (k < 1 || k > 5) return 0;
  // Only the answers on the screen can be chosen: a key or a press in the row
  // of an answer the question does not have costs no try.
  if (!DieseFrage || k > DieseFrage->AntwortAnzahl()) return 0;
  NeuMalen = 1;
  if (KanalAktiv[0] && Kanal[0]) Kanal[0]->SetVolume(0.0f);
  const int loesung = DieseFrage ? DieseFrage->Loesung : 0;
  if (k == loesung) {
    if (FesteFrage == 0) DieseFrage->Heute = FragenZaehler + 20 + Zufall(1, 20);
    AntwortStatus[k] = 1;
    SpielTon(10 + Zufall(1, 6), 0.5f, u16());
    Spielschritt = 5;
    if (SpielerPtr amZug = SpielerAmZug()) amZug->Punkte += FragenPunkte;
  } else {
    AntwortStatus[k] = -1;
    if (FesteFrage == 0 && DieseFrage) DieseFrage->Heute = FragenZaehler + 10 + Zufall(1, 10);
    SpielTon(20 + Zufall(1, 6), 0.5f, u16());
    Spielschritt += 1;
  }
  return 0;
}

int ScanTasten(int taste, int gedrueckt) {
  // Keys typed outside a game (in the editor or a form) never answer.
  if (gedrueckt != 1 || SpielBereit == 0 || !SpielModus()) return 0;
  if (Spielschritt == 3 || Spielschritt == 4) {
    AntwortGewaehlt(taste - 48);
  } else if (Spielschritt == 6) {
    Spielschritt = 0;
    NeuMalen = 1;
  }
  return 0;
}

int MausInBox(int x, int y) {
  if (!SpielModus()) return 0;
  const float fy = static_cast<float>(y);
  const float fx = static_cast<float>(x);
  int antwort = 0;
  for (int j = 0; j < 5; ++j) {
    if ((468.0f + 60.0f * j) * SkalaY < fy && fy < (503.0f + 60.0f * j) * SkalaY) antwort = j + 1;
  }
  if (AudioGeladen == 1 && DieseFrage && !DieseFrage->Audio.empty()) {
    const bool hoehe = 70.0f * SkalaY < fy && fy < 155.0f * SkalaY;
    const bool links = 50.0f * SkalaX < fx && fx < 110.0f * SkalaX;
    const bool rechts = 910.0f * SkalaX < fx && fx < 970.0f * SkalaX;
    if (hoehe && (links || rechts)) SpielTon(1, 1.0f, u16());
  }
  if (Spielschritt == 3 || Spielschritt == 4) {
    AntwortGewaehlt(antwort);
  } else if (Spielschritt == 6) {
    Spielschritt = 0;
  }
  return 0;
}
