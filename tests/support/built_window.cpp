// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/built_window.h"

#include <memory>

#include "catalogue/questions.h"
#include "game/players.h"
#include "platform/gui/gui.h"
#include "ui/commands.h"
#include "ui/infowindow.h"
#include "ui/mainwindow.h"

namespace testing_support {

const Sandbox& BuiltWindow() {
  static Sandbox box;
  static bool built = false;
  if (built) return box;
  built = true;
  gui::Init(0, nullptr);
  UseDataFolderIn(box);
  for (auto& s : Spieler)
    if (!s) s = std::make_shared<SpielerTyp>();
  Themen = {};
  Themen[0] = u"Oper";
  Themen[1] = u"Jazz";
  ThemenAnzahl = 2;
  Mdi::FormLoad();
  InfoFenster::FormLoad();
  return box;
}

}  // namespace testing_support
