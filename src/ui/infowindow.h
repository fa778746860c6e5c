// SPDX-License-Identifier: GPL-3.0-or-later
// The information window with the about page.
#pragma once
#include <array>
#include <string>

#include "platform/gui/gadgets.h"

using u16 = std::u16string;

inline gui::Gadget* InfoFensterGadget = nullptr;
inline std::array<gui::Gadget*, 3> InfoGadget{};
inline gui::Gadget* InfoHtml = nullptr;
inline int InfoModus = 0;

struct InfoFenster {
  static constexpr int BUT_OK = 0;
  // Takes the window's place, centred over the main window as it is now;
  // the window itself is built hidden when it is first shown (Baue).
  static int FormLoad();
  static int Baue();
  static int ShowAs(int kind, const u16& name);
  static int Event(gui::Object* source);
};
