// SPDX-License-Identifier: GPL-3.0-or-later
// Linked against the platform library alone: it builds only while the
// platform layer needs nothing of the layers above it.
#include "platform/audio/audio.h"
#include "platform/diagnostic.h"
#include "platform/draw/draw.h"
#include "platform/fs/fs.h"
#include "platform/gui/gadgets.h"
#include "platform/gui/gui.h"
#include "platform/text.h"

int main(int argc, char** argv) {
  gui::Init(argc, argv);
  fs::RegisterEmbeddedArchive();
  audio::Init();
  gui::Gadget* w = gui::CreateWindow(u"alone", 0, 0, 200, 100, nullptr, gui::WindowTitle | gui::WindowHidden);
  gui::CreateCanvas(0, 0, 200, 100, w)->Surface().Cls();
  gui::SimulateKey(w, 49, u'1');
  gui::RelocalizeAll();
  platform::Diagnostic(text::ToUtf8(gui::DialogFilter(u"Test:x")));
  audio::Shutdown();
  return 0;
}
