// SPDX-License-Identifier: GPL-3.0-or-later
// A quiz canvas without a window: a drawing surface of our renderer plus the
// gadget calls the game makes (focus, frame count). Used by the game tests and
// the screen benchmark.
#pragma once
#include "platform/gui/gadgets.h"

namespace testing_support {

class FakeCanvas : public gui::Canvas {
 public:
  FakeCanvas(int w, int h) { surface_.Resize(w, h); }
  draw::Surface& Surface() override { return surface_; }
  int focus_calls = 0;

  gui::GadgetClass Class() const override { return gui::GadgetClass::Canvas; }
  gui::Gadget* Parent() const override { return nullptr; }
  void Show() override { visible_ = true; }
  void Hide() override { visible_ = false; }
  bool Visible() const override { return visible_; }
  void Enable() override {}
  void Disable() override {}
  bool Enabled() const override { return true; }
  void SetText(const std::u16string&) override {}
  std::u16string Text() const override { return {}; }
  void SetShape(int, int, int w, int h) override { surface_.Resize(w, h); }
  int X() const override { return 0; }
  int Y() const override { return 0; }
  int Width() const override { return surface_.Width(); }
  int Height() const override { return surface_.Height(); }
  int ClientWidth() const override { return surface_.Width(); }
  int ClientHeight() const override { return surface_.Height(); }
  void SetChecked(bool on) override { checked_ = on; }
  bool Checked() const override { return checked_; }
  void Focus() override { ++focus_calls; }
  void Redraw() override {}

 private:
  draw::Surface surface_;
  bool visible_ = true;
  bool checked_ = false;
};

// A radio button stand-in for the list order choice.
class FakeRadio : public FakeCanvas {
 public:
  FakeRadio() : FakeCanvas(1, 1) {}
  gui::GadgetClass Class() const override { return gui::GadgetClass::RadioButton; }
};

}  // namespace testing_support
