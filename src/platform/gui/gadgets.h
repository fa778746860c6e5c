// SPDX-License-Identifier: GPL-3.0-or-later
// Gadgets: windows, panels, buttons, text fields, canvases ... Every gadget is
// created once and afterwards only shown, hidden, enabled, disabled and filled.
// Gadgets live until the process ends; they are addressed by plain pointers.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/draw/draw.h"
#include "platform/gui/gui.h"

namespace gui {

enum class GadgetClass {
  Window, Panel, GroupBox, ScrollPanel, Label, Button, CheckBox, RadioButton, ToggleRadio,
  TextField, TextArea, ComboBox, ScrollBar, Stepper, HtmlView, Canvas, Toolbar, MenuItem
};

class Gadget;

// A key filter sees every key-down event (data = Windows virtual-key code) and
// every character event (data = character code) aimed at a text gadget before
// the gadget handles it; returning 0 drops the key or the character.
using KeyFilter = std::function<int(const Event& event, Gadget* context)>;

// Edges of a gadget that follow the same edge of its parent on resize. A
// gadget without following edges keeps its size and keeps its centre at the
// same fraction of the parent's client size.
enum Edge : int { EdgeLeft = 1, EdgeTop = 2, EdgeRight = 4, EdgeBottom = 8, EdgeAll = 15 };

class Gadget : public Object {
 public:
  virtual GadgetClass Class() const = 0;
  virtual Gadget* Parent() const = 0;

  virtual void Show() = 0;
  virtual void Hide() = 0;
  virtual bool Visible() const = 0;  // shown itself (not regarding its parents)
  virtual void Enable() = 0;
  virtual void Disable() = 0;
  virtual bool Enabled() const = 0;

  // Text shown by the gadget (title, label, field contents, ...). Setting it
  // after creation drops any localization registration and shows it unchanged.
  virtual void SetText(const u16& text) = 0;
  virtual u16 Text() const = 0;

  // Shape in client coordinates of the parent. For a window: its position on
  // the screen and the size of its client area.
  virtual void SetShape(int x, int y, int w, int h) = 0;
  virtual int X() const = 0;
  virtual int Y() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual int ClientWidth() const = 0;
  virtual int ClientHeight() const = 0;

  // Check boxes and radio buttons.
  virtual void SetChecked(bool on) = 0;
  virtual bool Checked() const = 0;

  virtual void Focus() = 0;   // give it the keyboard focus
  virtual void Redraw() = 0;  // repaint at once

  // --- Everything below applies to some kinds only and does nothing elsewhere.

  virtual void SetFollow(int edges) {}     // Edge bits, see above
  virtual int Follow() const { return 0; }
  // Informal script face at a point size.
  virtual void SetFont(int pointSize) {}
  virtual int FontSize() const { return 0; }
  // Background colour and picture of panels, windows and toolbars.
  virtual void SetColor(int r, int g, int b) {}
  virtual void SetPixmap(draw::PixmapPtr pixmap, bool tiled) {}
  // Mouse presses on the gadget are reported as MouseDown events.
  virtual void SetMouseSensitive(bool on) {}
  virtual void SetKeyFilter(KeyFilter filter, Gadget* context) {}

  // Items of drop-down lists and toolbars.
  virtual void AddItem(const u16& text) {}
  virtual void ClearItems() {}
  virtual int ItemCount() const { return 0; }
  virtual u16 ItemText(int index) const { return u16(); }
  virtual void SelectItem(int index) {}
  virtual int SelectedItem() const { return -1; }
  virtual void EnableItem(int index) {}
  virtual void DisableItem(int index) {}
  virtual bool ItemEnabled(int index) const { return false; }
  virtual bool ItemSeparator(int index) const { return false; }

  // Scroll bars (visible part and total size) and steppers (min and max).
  virtual void SetRange(int a, int b) {}
  virtual int RangeA() const { return 0; }
  virtual int RangeB() const { return 0; }
  virtual void SetValue(int value) {}
  virtual int Value() const { return 0; }

  // Windows: status line and menu bar.
  virtual void SetStatusText(const u16& text) {}
  virtual u16 StatusText() const { return u16(); }
  virtual void RefreshMenu() {}
  // Windows: the button that the Enter key presses while it is shown (tool
  // windows: always; a tool window is modal and Escape closes it).
  virtual void SetDefaultButton(Gadget* button) {}
  // Windows: shrink the client area (not below minW x minH) and move the
  // window so that all of it, frame included, lies in the screen's available area.
  virtual void KeepOnScreen(int minW, int minH) {}

  // Text fields: at most this many characters, typed or pasted (0: no limit).
  virtual void SetMaxLength(int characters) {}
  // Text fields and areas: types text at the cursor, as the user would.
  virtual void InsertText(const u16& text) {}

  // HTML views: shows a local file (native or "\"-separated path); relative
  // pictures and style sheets resolve against its folder. False if unreadable.
  virtual bool LoadFile(const u16& path) { return false; }

  // Scroll panels: the client panel, and fitting it around its children.
  virtual Gadget* Client() const { return nullptr; }
  virtual void FitToChildren() {}
};

// A canvas: a drawing surface of our renderer shown in the window. Its surface
// is sized to the widget in device pixels; Surface().Flip() presents the
// current pixels at once. Exposure and resizing emit GadgetPaint.
class Canvas : public Gadget {
 public:
  virtual draw::Surface& Surface() = 0;
};

// The gadget holding the keyboard focus; when no gadget has it, the active
// window; else none.
Gadget* FocusedGadget();

// ---------------------------------------------------------------- creation

enum WindowStyle : int {
  WindowTitle = 1,
  WindowResizable = 2,
  WindowMenu = 4,
  WindowStatus = 8,
  WindowTool = 16,     // small title bar, owned by its parent window
  WindowHidden = 32,
};
// A scrolling panel shows scroll bars when a shown child lies outside it.
enum PanelStyle : int { PanelPlain = 0, PanelSunken = 1, PanelScroll = 2 };
enum LabelStyle : int { LabelLeft = 0, LabelRight = 1, LabelCentre = 2, LabelSunken = 4 };

Gadget* CreateWindow(const u16& title, int x, int y, int w, int h, Gadget* owner, int style);
// A menu of the window's menu bar (parent = window) or an item of a menu
// (parent = menu or item; an item that receives items becomes a submenu).
// Empty text makes a separator. A click emits MenuAction with data = tag.
Gadget* CreateMenu(const u16& text, int tag, Gadget* parent);
// A toolbar docked at the top of the window's client area, cut from an icon
// strip: square cells as tall as the strip; a cell whose pixels all equal its
// top-left pixel becomes a separator. A click emits GadgetAction with the
// toolbar as source and data = item index.
Gadget* CreateToolbar(const draw::Pixmap& strip, Gadget* window);
// Loads the strip through the renderer, else decodes it here.
Gadget* CreateToolbar(const u16& stripPath, Gadget* window);
Gadget* CreatePanel(int x, int y, int w, int h, Gadget* parent, int style = PanelSunken);
Gadget* CreateGroupBox(const u16& title, int x, int y, int w, int h, Gadget* parent);
Gadget* CreateScrollPanel(int x, int y, int w, int h, Gadget* parent);
Gadget* CreateLabel(const u16& text, int x, int y, int w, int h, Gadget* parent, int style = LabelLeft);
Gadget* CreateButton(const u16& text, int x, int y, int w, int h, Gadget* parent);
Gadget* CreateCheckBox(const u16& text, int x, int y, int w, int h, Gadget* parent);
Gadget* CreateRadioButton(const u16& text, int x, int y, int w, int h, Gadget* parent);
Gadget* CreateToggleRadio(const u16& text, int x, int y, int w, int h, Gadget* parent);
Gadget* CreateTextField(int x, int y, int w, int h, Gadget* parent);
Gadget* CreateTextArea(int x, int y, int w, int h, Gadget* parent);
Gadget* CreateComboBox(int x, int y, int w, int h, Gadget* parent);
Gadget* CreateScrollBar(int x, int y, int w, int h, Gadget* parent, bool vertical = true);
Gadget* CreateStepper(int x, int y, int w, int h, Gadget* parent);
Gadget* CreateHtmlView(int x, int y, int w, int h, Gadget* parent);
Canvas* CreateCanvas(int x, int y, int w, int h, Gadget* parent);

// ---------------------------------------------------------------- helpers

// Kinds of the cells of a toolbar strip: true = separator (blank cell).
std::vector<bool> ToolbarCells(const draw::Pixmap& strip);
// New position of a gadget without following edges: keeps its centre at the
// same fraction of the parent (integer arithmetic).
int KeepCentre(int placed, int size, int parentNow, int parentPlaced);
// Windows key code of a key of the main keyboard's digit row from its
// physical key (the platform's scan code), whatever the keyboard layout:
// 49..57 for 1..9, 48 for 0; 0 for every other key or an unknown platform.
int DigitRowKey(int scanCode, const std::string& platform);
// A picture through the renderer, else decoded by the toolkit; nullptr if neither can.
draw::PixmapPtr LoadPixmap(const u16& path);
// Makes the fonts in a TrueType/OpenType file available to the gadgets.
bool AddFont(const std::string& bytes);
// Family of the informal script face ("Comic Neue" if available).
u16 ScriptFace();

// Open and save dialogs. filter: "Description:ext1,ext2". "" on cancel.
// The dialog shows it as "Description (*.ext1 *.ext2)"; patterns written in
// the description are not shown twice.
u16 DialogFilter(const u16& filter);
u16 RequestFile(const u16& title, const u16& filter, const u16& startFolder, bool save);
void SetRequestFileHandler(std::function<u16(const u16& title, const u16& filter, const u16& folder, bool save)> h);

// Localization of gadget texts, handed in by start-up: whether texts given at
// creation are localization sources now, and the shown form of such a source.
// Without it texts are shown as given.
struct TextLocalizer {
  std::function<bool()> registering;
  std::function<u16(const u16& source)> translate;
};
void SetTextLocalizer(TextLocalizer localizer);

// Shows the localized form of every gadget, menu item and list item that was
// created while localization bit 2 was set and has not been given a text since.
void RelocalizeAll();

// Input as if from the user (tests, tools): a key press and release on a
// gadget (vk = Windows key code, ch = character or 0), a left click (at x, y
// in the gadget, or its centre), an item of a toolbar or a menu item chosen,
// the close box of a window.
void SimulateKey(Gadget* target, int vk, char16_t ch);
void SimulateText(Gadget* target, const u16& text);
void SimulateClick(Gadget* target, int x = -1, int y = -1);
void SimulateItemClick(Gadget* target, int index);
void SimulateClose(Gadget* window);

}  // namespace gui
