// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: menus, toolbar, status line, the quiz canvas and the form
// panels, with the registries through which the rest of the system reaches
// its gadgets.
#pragma once
#include <array>
#include <initializer_list>
#include <string>

#include "platform/gui/gadgets.h"
#include "platform/gui/gui.h"

using u16 = std::u16string;

inline gui::Gadget* HauptFenster = nullptr;
inline gui::Canvas* HauptCanvas = nullptr;
inline gui::Gadget* Symbolleiste = nullptr;
inline gui::Canvas* ListenCanvas = nullptr;
inline gui::Gadget* AktualisierenButton = nullptr;
inline gui::Gadget* NiemalsListe = nullptr;
inline gui::Gadget* ImmerListe = nullptr;
inline gui::Gadget* FrageFeld = nullptr;
inline gui::Gadget* AudioFeld = nullptr;
inline gui::Gadget* BereichAuswahl = nullptr;
inline gui::Gadget* AntwortRollPanel = nullptr;
inline gui::Gadget* AntwortPanel = nullptr;
inline const int FensterBreite = 1000;
inline const int FensterHoehe = 800;

inline std::array<gui::Gadget*, 50> Menu{};
inline std::array<gui::Gadget*, 30> Panel{};
inline std::array<gui::Gadget*, 30> Slider{};
inline std::array<gui::Gadget*, 30> SliderText{};
inline std::array<gui::Gadget*, 30> SliderWert{};
inline std::array<gui::Gadget*, 60> Button{};
inline std::array<gui::Gadget*, 30> TextFeld{};

struct Mdi {
  // Menu tags
  static constexpr int MENU_FILE = 1, MENU_START = 2, MENU_OPTI = 3, MENU_RECENT = 11, MENU_OPEN = 12,
                       MENU_SAVE = 13, MENU_CLOSE = 14, MENU_EXIT = 15, MENU_PLAY = 21, MENU_EDIT = 22,
                       MENU_LISTE = 23, MENU_PLAY_ALL = 24, MENU_MULTI = 25, MENU_INTERNET = 31,
                       MENU_ABOUT = 32, MENU_HELP = 34, MENU_UPDATE = 35, MENU_LEISTE_AN = 36,
                       MENU_LEISTE_AUS = 37, MENU_LEISTE = 38, MENU_SUB_1 = 41, MENU_SUB_2 = 42,
                       MENU_SUB_3 = 43, MENU_SUB_4 = 44;
  // Toolbar items
  static constexpr int TOOL_EXIT = 0, TOOL_PLAY = 1, TOOL_LOAD = 4, TOOL_SAVE = 5, TOOL_HELP = 7, TOOL_PARA = 8;
  // Panels
  static constexpr int PAN_LEER = 0, PANEL_LISTE = 1, PANEL_GRADE = 2, PANEL_THEMA = 2, PAN_EDIT = 4,
                       PAN_BILD_F = 5, PAN_BILD_L = 6, PAN_REIHE = 8, PAN_MULTI = 9;
  // Buttons
  static constexpr int BUTTON_GRAD = 1, BUTTON_THEMA = 10, BUT_FREIE = 25, BUT_HOER = 26, BUT_SEL_ANT = 28,
                       BUT_REIHE_Z = 33, BUT_REIHE_R = 34, BUT_MULTI = 35;
  // Sliders
  static constexpr int SLID_LISTE = 1, SLID_FRAGENR = 2, SLID_GRAD = 3;
  // Text gadgets
  static constexpr int TEXT_A_1 = 1, TEXT_E_1 = 6, TEXT_PLAYER = 11, TEXT_ALTER = 16;

  // main window
  static int FormLoad();
  static int CreateMySlider(int index, const u16& text, int x, int y, gui::Gadget* parent, int min, int max,
                            int value, int kind);
  static int SetMySliderValue(int index, int value);
  static int Buchstaben(const gui::Event& event, gui::Gadget* context);
  static int NurZahlen(const gui::Event& event, gui::Gadget* context);
  // commands and modes
  static int StartAls(int neu);
  static int MenuAction(int tag);
  static int Event(gui::Object* source);
  static int MausEvent(gui::Object* source);
  static int DisableAllTools();
  static int SwitchSomeMenus(const std::initializer_list<int>& off, const std::initializer_list<int>& on);
  static int SetzeStatusText(int kind);
  // players
  static int SpielerAlterCheck();
  static int SpielerUebernehmen();
  // question editor
  static int LeseFrageInEditorEin(int number);
  static int EditFensterSoEintragen(int slot);
  static int EditorFensterSoSaven(int number);
};
