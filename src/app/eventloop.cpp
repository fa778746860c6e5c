// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/eventloop.h"

#include "app/startup.h"
#include "game/gameflow.h"
#include "game/quizscreen.h"
#include "ui/commands.h"
#include "ui/infowindow.h"
#include "ui/mainwindow.h"

int EreignisSchleife() {
  for (;;) {
    gui::Event e = gui::WaitEvent();
    if (e.id == 0) break;
    VerteileEreignis(e);
  }
  return 0;
}

namespace {

// Ticks, paints, resizes and mouse moves of the start screen and the player
// form read no question: those come before the catalogue has to be there.
bool BrauchtKatalog(const gui::Event& e) {
  switch (e.id) {
    case gui::TimerTick:
    case gui::GadgetPaint:
    case gui::WindowSize:
    case gui::MouseMove:
      return Modus != 0 && Modus != 5;
    default:
      return true;
  }
}

}  // namespace

void VerteileEreignis(const gui::Event& e) {
  // The catalogue is loaded on a helper thread at start.
  if (BrauchtKatalog(e)) WarteAufKatalog();
  switch (e.id) {
    case gui::KeyDown:
      ScanTasten(e.data, 1);
      break;
    case gui::KeyUp:
      ScanTasten(e.data, 0);
      break;
    case gui::TimerTick:
      ZeitTakt();
      break;
    case gui::GadgetPaint:
      NeuMalen = 1;
      MaleBildschirm();
      break;
    case gui::WindowClose:
      if (e.source != nullptr && e.source == HauptFenster) {
        ProgrammEnde();
      } else if (auto* w = dynamic_cast<gui::Gadget*>(e.source)) {
        if (HauptFenster) HauptFenster->Enable();
        w->Hide();
      }
      break;
    case gui::AppTerminate:
      ProgrammEnde();
    case gui::MenuAction:
      if (HauptCanvas) HauptCanvas->Redraw();
      Mdi::MenuAction(e.data);
      break;
    case gui::GadgetAction: {
      gui::Gadget* active = AktivesFenster();
      if (active != nullptr && active == HauptFenster) Mdi::Event(e.source);
      else if (active != nullptr && active == InfoFensterGadget) InfoFenster::Event(e.source);
      break;
    }
    case gui::MouseDown: {
      gui::Gadget* active = AktivesFenster();
      if (active != nullptr && active == HauptFenster) Mdi::MausEvent(e.source);
      break;
    }
    case gui::MouseMove:
      if (e.source != nullptr && e.source == HauptCanvas) {
        MausX = e.x;
        MausY = e.y;
      }
      break;
    case gui::WindowSize:
      PasseLayoutAn();
      break;
    default:
      break;
  }
}

int PasseLayoutAn() {
  if (!HauptFenster) return 0;
  gui::Gadget* w = HauptFenster;
  if (w->ClientHeight() < 450) w->SetShape(w->X(), w->Y(), w->ClientWidth(), 450);
  if (w->ClientWidth() < 450) w->SetShape(w->X(), w->Y(), 450, w->ClientHeight());
  int width = w->ClientWidth();
  int height = w->ClientHeight();
  SkalaX = static_cast<float>(width) / 1024.0f;
  SkalaY = static_cast<float>(height) / 768.0f;
  Skala = SkalaX <= SkalaY ? SkalaX : SkalaY;
  BildLinks = static_cast<int>(static_cast<float>(width) - 200.0f * SkalaX - 270.0f * Skala);
  if (HauptCanvas) HauptCanvas->SetShape(0, 0, width, height);
  NeuMalen = 1;
  if (HauptCanvas) HauptCanvas->Redraw();
  return 0;
}

gui::Event EreignisHaken(int id, const gui::Event& event, void* context) {
  if (event.source != nullptr && event.source == Slider[Mdi::SLID_LISTE]) {
    WarteAufKatalog();
    MaleListe(event.data);
  }
  return event;
}

void ProgrammEnde() {
  HauptCanvas = nullptr;  // the canvas goes with the process; nothing is saved
  gui::ExitProcess(0);
}

gui::Gadget* AktivesFenster() {
  gui::Gadget* g = gui::FocusedGadget();
  while (g != nullptr && g->Class() != gui::GadgetClass::Window) g = g->Parent();
  return g;
}

int ListenNummernFilter(const gui::Event& event) {
  int d = event.data;
  // Enter separates numbers as a blank does; a line break would run "130"
  // and "152" together when the list is read.
  if (event.id == gui::KeyDown && d == 13) {
    if (auto* feld = dynamic_cast<gui::Gadget*>(event.source)) feld->InsertText(u" ");
    return 0;
  }
  if (event.id == gui::KeyDown) {
    return (d == 8 || d == 32 || (d >= 37 && d <= 40) || d == 45 || d == 46 || (d >= 48 && d <= 57)) ? 1 : 0;
  }
  if (event.id == gui::KeyChar) {
    return ((d >= 48 && d <= 57) || d == 32 || d == 45) ? 1 : 0;
  }
  return 0;
}
