// SPDX-License-Identifier: GPL-3.0-or-later
// Gadgets: key codes, key filters and the default button.
#include "platform/gui/gadget_parts.h"

namespace gui {
namespace detail {

// Windows virtual-key code of a Qt key event. The digit row of the main
// keyboard gives 48..57 by its physical keys, whatever the layout puts on
// them (a French layout types "&" on the key of 1).
int VirtualKey(const QKeyEvent* e) {
  int k = e->key();
  bool keypad = e->modifiers() & Qt::KeypadModifier;
  if (!keypad) {
    int digit = DigitRowKey(static_cast<int>(e->nativeScanCode()), QGuiApplication::platformName().toStdString());
    if (digit) return digit;
  }
  if (k >= Qt::Key_0 && k <= Qt::Key_9) return keypad ? 96 + (k - Qt::Key_0) : 48 + (k - Qt::Key_0);
  if (k >= Qt::Key_A && k <= Qt::Key_Z) return 65 + (k - Qt::Key_A);
  if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return 112 + (k - Qt::Key_F1);
  switch (k) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: case Qt::Key_Backtab: return 9;
    case Qt::Key_Clear: return 12;
    case Qt::Key_Return: case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: case Qt::Key_AltGr: return 18;
    case Qt::Key_Pause: return 19;
    case Qt::Key_CapsLock: return 20;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Meta: return 91;
    case Qt::Key_Asterisk: return keypad ? 106 : 187;
    case Qt::Key_Plus: return keypad ? 107 : 187;
    case Qt::Key_Minus: return keypad ? 109 : 189;
    case Qt::Key_Period: return keypad ? 110 : 190;
    case Qt::Key_Slash: return keypad ? 111 : 191;
    case Qt::Key_Comma: return 188;
    case Qt::Key_NumLock: return 144;
    case Qt::Key_ScrollLock: return 145;
    default: return 0;
  }
}

Qt::Key QtKeyOf(int vk) {
  if (vk >= 48 && vk <= 57) return static_cast<Qt::Key>(Qt::Key_0 + (vk - 48));
  if (vk >= 96 && vk <= 105) return static_cast<Qt::Key>(Qt::Key_0 + (vk - 96));
  if (vk >= 65 && vk <= 90) return static_cast<Qt::Key>(Qt::Key_A + (vk - 65));
  if (vk >= 112 && vk <= 135) return static_cast<Qt::Key>(Qt::Key_F1 + (vk - 112));
  switch (vk) {
    case 8: return Qt::Key_Backspace;
    case 9: return Qt::Key_Tab;
    case 13: return Qt::Key_Return;
    case 16: return Qt::Key_Shift;
    case 17: return Qt::Key_Control;
    case 18: return Qt::Key_Alt;
    case 27: return Qt::Key_Escape;
    case 32: return Qt::Key_Space;
    case 33: return Qt::Key_PageUp;
    case 34: return Qt::Key_PageDown;
    case 35: return Qt::Key_End;
    case 36: return Qt::Key_Home;
    case 37: return Qt::Key_Left;
    case 38: return Qt::Key_Up;
    case 39: return Qt::Key_Right;
    case 40: return Qt::Key_Down;
    case 45: return Qt::Key_Insert;
    case 46: return Qt::Key_Delete;
    case 189: return Qt::Key_Minus;
    case 190: return Qt::Key_Period;
    default: return Qt::Key_unknown;
  }
}



// Decides a key press for a text gadget with a key filter: keys that type a
// character are judged by their character event, all others by their key-down
// event. Returns true when the press is dropped.
bool FilterDrops(Impl* impl, QKeyEvent* ke) {
  if (!impl->filter) return false;
  Event down;
  down.id = KeyDown;
  down.source = impl->self;
  down.data = VirtualKey(ke);
  int passDown = impl->filter(down, impl->filterContext);
  QString t = ke->text();
  bool typesChar = t.size() == 1 && t.at(0).unicode() >= 32 && t.at(0).unicode() != 127 &&
                   !(ke->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
  if (!typesChar) return passDown == 0;
  Event ch;
  ch.id = KeyChar;
  ch.source = impl->self;
  ch.data = t.at(0).unicode();
  return impl->filter(ch, impl->filterContext) == 0;
}

// One event filter for every gadget widget: key filters and mouse-sensitive
// gadgets; and Enter in a window with a default button.
class GadgetFilter : public QObject {
 public:
  bool eventFilter(QObject* obj, QEvent* ev) override;
};
GadgetFilter* g_filter = nullptr;
QHash<QWidget*, QPointer<QAbstractButton>> g_defaultButtons;  // window widget -> button

void Watch(Impl* impl, QWidget* w) {
  if (!g_filter) {
    g_filter = new GadgetFilter;
    qApp->installEventFilter(g_filter);
  }
  impl->Register(w);
}

bool GadgetFilter::eventFilter(QObject* obj, QEvent* ev) {
  if (ev->type() == QEvent::KeyPress) {
    auto* ke = static_cast<QKeyEvent*>(ev);
    auto it = g_byWidget.find(obj);
    // Enter presses the window's default button before any key filter sees it
    // (text areas keep their Enter).
    if ((ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) && obj->isWidgetType()) {
      QWidget* top = static_cast<QWidget*>(obj)->window();
      auto d = g_defaultButtons.find(top);
      if (d != g_defaultButtons.end() && d.value() && d.value()->isEnabled() && d.value()->isVisible() &&
          !(it != g_byWidget.end() && it.value()->self->Class() == GadgetClass::TextArea)) {
        d.value()->click();
        return true;
      }
    }
    // Tab and Shift+Tab always move the focus on: no key filter may keep it.
    const bool focusKey = (ke->key() == Qt::Key_Tab || ke->key() == Qt::Key_Backtab) &&
                          !(ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (it != g_byWidget.end() && it.value()->filter && !focusKey) {
      if (FilterDrops(it.value(), ke)) return true;
    }
  } else if (ev->type() == QEvent::MouseButtonPress) {
    auto it = g_byWidget.find(obj);
    if (it != g_byWidget.end() && it.value()->mouseSensitive) {
      auto* me = static_cast<QMouseEvent*>(ev);
      QPoint p = me->position().toPoint();
      Emit(MouseDown, it.value()->self, MouseButtonNumber(me->button()), p.x(), p.y());
      // A panel takes the press, so that it does not travel on to its frame and parents.
      if (it.value()->self->Class() == GadgetClass::Panel) return true;
    }
  }
  return false;
}


}  // namespace detail

using namespace detail;

int DigitRowKey(int scanCode, const std::string& platform) {
  // X11 and Wayland hand over evdev codes + 8: keys 1..9 and 0 are 10..19.
  if (platform != "xcb" && platform != "wayland") return 0;
  if (scanCode >= 10 && scanCode <= 18) return 49 + (scanCode - 10);
  if (scanCode == 19) return 48;
  return 0;
}

}  // namespace gui
