// SPDX-License-Identifier: GPL-3.0-or-later
// Gadgets: input as if from the user, for tests and tools.
#include "platform/gui/gadget_parts.h"

namespace gui {
namespace detail {

}  // namespace detail

using namespace detail;

// ---------------------------------------------------------------- simulated input

void SimulateKey(Gadget* target, int vk, char16_t ch) {
  Impl* impl = ImplOf(target);
  if (!impl || !impl->widget) return;
  QWidget* w = impl->widget;
  Qt::KeyboardModifiers mods = (vk >= 96 && vk <= 111) ? Qt::KeypadModifier : Qt::NoModifier;
  QString t = ch ? QString(QChar(ch)) : QString();
  QKeyEvent press(QEvent::KeyPress, QtKeyOf(vk), mods, t);
  QKeyEvent release(QEvent::KeyRelease, QtKeyOf(vk), mods, t);
  QApplication::sendEvent(w, &press);
  QApplication::sendEvent(w, &release);
}

void SimulateText(Gadget* target, const u16& textValue) {
  for (char16_t c : textValue) {
    int vk = 0;
    if (c >= u'0' && c <= u'9') vk = c;
    else if (c >= u'a' && c <= u'z') vk = c - 32;
    else if (c >= u'A' && c <= u'Z') vk = c;
    else if (c == u' ') vk = 32;
    else if (c == u'-') vk = 189;
    else if (c == u'.') vk = 190;
    SimulateKey(target, vk, c);
  }
}

void SimulateClick(Gadget* target, int x, int y) {
  Impl* impl = ImplOf(target);
  if (!impl || impl->SimulatedClick() || !impl->widget) return;
  QWidget* w = impl->ClientArea() ? impl->ClientArea() : impl->widget;
  QPointF p(x < 0 ? w->width() / 2 : x, y < 0 ? w->height() / 2 : y);
  QMouseEvent press(QEvent::MouseButtonPress, p, w->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, p, w->mapToGlobal(p), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(w, &press);
  QApplication::sendEvent(w, &release);
}

void SimulateItemClick(Gadget* target, int index) {
  if (Impl* impl = ImplOf(target)) impl->SimulatedItemClick(index);
}

void SimulateClose(Gadget* window) {
  Impl* impl = ImplOf(window);
  if (impl && impl->widget) impl->widget->close();
}

}  // namespace gui
