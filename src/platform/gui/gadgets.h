// Gadgets: windows, panels, buttons, text fields, canvases ... Every gadget is
// created once and afterwards only shown, hidden, enabled, disabled and filled.
// Gadgets live until the process ends; they are addressed by plain pointers.
#pragma once
#include <functional>
#include <string>

#include "platform/draw/draw.h"
#include "platform/gui/gui.h"

namespace gui {

enum class GadgetClass {
  Window, Panel, GroupBox, ScrollPanel, Label, Button, CheckBox, RadioButton, ToggleRadio,
  TextField, TextArea, ComboBox, ScrollBar, Stepper, HtmlView, Canvas, Toolbar, MenuItem
};

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

  // Shape in client coordinates of the parent.
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
};

// A canvas: a drawing surface of our renderer shown in the window. Flip
// presents the surface's current pixels without waiting for the retrace.
class Canvas : public Gadget {
 public:
  virtual draw::Surface& Surface() = 0;
};

// The gadget holding the keyboard focus, or none.
Gadget* FocusedGadget();

}  // namespace gui
