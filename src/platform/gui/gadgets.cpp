// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gui/gadgets.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QWindow>

#include <algorithm>
#include <map>

#include "app/localize.h"
#include "platform/fs/fs.h"
#include "platform/text.h"

namespace gui {
namespace {

QString Q(const u16& s) { return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size())); }
u16 U(const QString& s) { return u16(reinterpret_cast<const char16_t*>(s.utf16()), static_cast<size_t>(s.size())); }
// Qt reads "&" as a mnemonic marker; the system's texts show it as it stands.
QString Amp(const u16& s) { return Q(s).replace(QLatin1Char('&'), QLatin1String("&&")); }

QImage ToQImage(const draw::Pixmap& p) {
  if (p.width <= 0 || p.height <= 0 || p.pixels.size() < static_cast<size_t>(p.width) * p.height) return QImage();
  QImage img(p.width, p.height, QImage::Format_ARGB32);
  for (int y = 0; y < p.height; ++y)
    std::copy(p.pixels.begin() + static_cast<ptrdiff_t>(y) * p.width,
              p.pixels.begin() + static_cast<ptrdiff_t>(y + 1) * p.width, reinterpret_cast<uint32_t*>(img.scanLine(y)));
  return img;
}

// A background picture shown as it is: the image shares the pixmap's pixels
// (0xAARRGGBB rows are QImage's ARGB32 layout) and keeps the pixmap alive, so
// a picture set on several gadgets is held once.
QImage SharedQImage(const draw::PixmapPtr& p) {
  if (!p || p->width <= 0 || p->height <= 0 || p->pixels.size() < static_cast<size_t>(p->width) * p->height)
    return QImage();
  return QImage(reinterpret_cast<const uchar*>(p->pixels.data()), p->width, p->height, p->width * 4,
                QImage::Format_ARGB32, [](void* keep) { delete static_cast<draw::PixmapPtr*>(keep); },
                new draw::PixmapPtr(p));
}

draw::PixmapPtr FromQImage(const QImage& src) {
  if (src.isNull()) return nullptr;
  QImage img = src.convertToFormat(QImage::Format_ARGB32);
  auto p = std::make_shared<draw::Pixmap>(img.width(), img.height());
  for (int y = 0; y < img.height(); ++y) {
    const auto* line = reinterpret_cast<const uint32_t*>(img.constScanLine(y));
    std::copy(line, line + img.width(), p->pixels.begin() + static_cast<ptrdiff_t>(y) * img.width());
  }
  return p;
}

// Windows virtual-key code of a Qt key event.
int VirtualKey(const QKeyEvent* e) {
  int k = e->key();
  bool keypad = e->modifiers() & Qt::KeypadModifier;
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

void Emit(int id, Object* source, int data = 0, int x = 0, int y = 0) {
  Event e;
  e.id = id;
  e.source = source;
  e.data = data;
  e.x = x;
  e.y = y;
  EmitEvent(e);
}

int MouseButtonNumber(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 3;
    default: return 0;
  }
}

// ---------------------------------------------------------------- localization registry

std::map<Gadget*, u16> g_localized;            // gadget -> text source
std::map<Gadget*, std::vector<std::pair<int, u16>>> g_localizedItems;  // list items

bool RegisteringTexts() { return (LocalizationMode() & 2) != 0; }

// ---------------------------------------------------------------- common gadget part

struct Impl;
QHash<const QObject*, Impl*> g_byWidget;

struct Impl {
  virtual ~Impl() = default;
  Gadget* self = nullptr;
  Impl* parent = nullptr;
  QWidget* widget = nullptr;
  std::vector<Impl*> kids;
  // Shape when placed and the parent's client size then.
  int px = 0, py = 0, pw = 0, ph = 0, parentW0 = 0, parentH0 = 0;
  int follow = 0;
  bool enabled = true;
  bool mouseSensitive = false;
  KeyFilter filter;
  Gadget* filterContext = nullptr;
  int fontSize = 0;
  bool layoutSuspended = false;

  virtual QWidget* ClientArea() { return widget; }
  virtual QSize ClientSize() { return ClientArea() ? ClientArea()->size() : QSize(); }
  virtual void ApplyGeometry(int x, int y, int w, int h) {
    widget->setGeometry(x, y, std::max(w, 0), std::max(h, 0));
    AfterResize();
  }
  virtual void AfterResize() { Relayout(); }
  // The caption shown (button, label, title ...); localized or as set.
  virtual void ShowCaption(const u16& text) {}

  void Register(QObject* o) { g_byWidget.insert(o, this); }

  void Place(int x, int y, int w, int h) {
    px = x;
    py = y;
    pw = w;
    ph = h;
    if (parent) {
      QSize c = parent->ClientSize();
      parentW0 = c.width();
      parentH0 = c.height();
    }
    ApplyGeometry(x, y, w, h);
  }

  void Relayout() {
    if (layoutSuspended) return;
    QSize c = ClientSize();
    for (Impl* k : kids) k->FollowParent(c.width(), c.height());
  }

  static void Axis(int pos, int size, int parentNow, int parentPlaced, bool lowFollows, bool highFollows, int& outPos,
                   int& outSize) {
    int grow = parentNow - parentPlaced;
    if (lowFollows && highFollows) {
      outPos = pos;
      outSize = size + grow;
    } else if (lowFollows) {
      outPos = pos;
      outSize = size;
    } else if (highFollows) {
      outPos = pos + grow;
      outSize = size;
    } else {
      outPos = KeepCentre(pos, size, parentNow, parentPlaced);
      outSize = size;
    }
  }

  void FollowParent(int parentW, int parentH) {
    int nx, nw, ny, nh;
    Axis(px, pw, parentW, parentW0, follow & EdgeLeft, follow & EdgeRight, nx, nw);
    Axis(py, ph, parentH, parentH0, follow & EdgeTop, follow & EdgeBottom, ny, nh);
    QRect g = widget->geometry();
    if (g.x() != nx || g.y() != ny || g.width() != std::max(nw, 0) || g.height() != std::max(nh, 0))
      ApplyGeometry(nx, ny, nw, nh);
  }

  void ApplyFont(int pt) {
    fontSize = pt;
    QFont f = widget->font();
    QString face = Q(ScriptFace());
    if (!face.isEmpty()) f.setFamily(face);
    f.setPointSize(pt);
    f.setBold(false);
    f.setItalic(false);
    widget->setFont(f);
  }
};

Impl* ImplOf(const Gadget* g) { return g ? dynamic_cast<Impl*>(const_cast<Gadget*>(g)) : nullptr; }

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
    if (it != g_byWidget.end() && it.value()->filter) {
      if (FilterDrops(it.value(), ke)) return true;
    }
    if ((ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) && obj->isWidgetType()) {
      QWidget* top = static_cast<QWidget*>(obj)->window();
      auto d = g_defaultButtons.find(top);
      if (d != g_defaultButtons.end() && d.value() && d.value()->isEnabled() &&
          !(it != g_byWidget.end() && it.value()->self->Class() == GadgetClass::TextArea)) {
        d.value()->click();
        return true;
      }
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

// A widget that paints a background colour and picture; the client of panels
// and windows.
class PaintArea : public QWidget {
 public:
  using QWidget::QWidget;
  QColor color;
  bool hasColor = false;
  QImage picture;
  bool tiled = false;
  std::function<void(QResizeEvent*)> onResize;

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!hasColor && picture.isNull()) return;
    QPainter p(this);
    if (hasColor) p.fillRect(rect(), color);
    if (!picture.isNull()) {
      if (tiled) {
        p.drawTiledPixmap(rect(), QPixmap::fromImage(picture));
      } else {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(rect(), picture);
      }
    }
  }
  void resizeEvent(QResizeEvent* e) override {
    if (onResize) onResize(e);
  }
};

// ---------------------------------------------------------------- the generic gadget

template <class Base>
class G : public Base, public Impl {
 public:
  G(GadgetClass kind, Gadget* parentGadget) : kind_(kind) {
    self = this;
    parent = ImplOf(parentGadget);
    parentGadget_ = parentGadget;
  }
  GadgetClass Class() const override { return kind_; }
  Gadget* Parent() const override { return parentGadget_; }
  void Show() override { widget->setVisible(true); }
  void Hide() override { widget->setVisible(false); }
  bool Visible() const override { return !widget->isHidden(); }
  void Enable() override {
    enabled = true;
    widget->setEnabled(true);
  }
  void Disable() override {
    enabled = false;
    widget->setEnabled(false);
  }
  bool Enabled() const override { return enabled; }
  void SetText(const u16& t) override {
    g_localized.erase(this);
    caption_ = t;
    ShowCaption(t);
  }
  u16 Text() const override { return caption_; }
  void SetShape(int x, int y, int w, int h) override { Place(x, y, w, h); }
  int X() const override { return widget->geometry().x(); }
  int Y() const override { return widget->geometry().y(); }
  int Width() const override { return widget->geometry().width(); }
  int Height() const override { return widget->geometry().height(); }
  int ClientWidth() const override { return const_cast<G*>(this)->ClientSize().width(); }
  int ClientHeight() const override { return const_cast<G*>(this)->ClientSize().height(); }
  void SetChecked(bool) override {}
  bool Checked() const override { return false; }
  void Focus() override {
    if (widget->window()) widget->window()->activateWindow();
    widget->setFocus(Qt::OtherFocusReason);
  }
  void Redraw() override { widget->repaint(); }
  void SetFollow(int edges) override { follow = edges; }
  int Follow() const override { return follow; }
  void SetFont(int pt) override { ApplyFont(pt); }
  int FontSize() const override { return fontSize; }
  void SetMouseSensitive(bool on) override { mouseSensitive = on; }
  void SetKeyFilter(KeyFilter f, Gadget* context) override {
    filter = std::move(f);
    filterContext = context;
  }

  // Creation: the widget is parented into the parent's client area, placed,
  // and its caption registered for localization.
  void Init(QWidget* w, int x, int y, int width, int height) {
    widget = w;
    Watch(this, w);
    if (parent) parent->kids.push_back(this);
    Place(x, y, width, height);
  }
  void InitCaption(const u16& text) {
    caption_ = text;
    if (RegisteringTexts() && !text.empty()) {
      g_localized[this] = text;
      caption_ = LocalizeString(text);
    }
    ShowCaption(caption_);
  }
  void Relocalized(const u16& shown) {
    caption_ = shown;
    ShowCaption(shown);
  }
  void SetParentGadget(Gadget* g) { parentGadget_ = g; }

 protected:
  GadgetClass kind_;
  Gadget* parentGadget_ = nullptr;
  u16 caption_;
};

QWidget* ParentWidget(Gadget* parent) {
  Impl* p = ImplOf(parent);
  return p ? p->ClientArea() : nullptr;
}

// ---------------------------------------------------------------- windows

class MainWin : public QMainWindow {
 public:
  std::function<void()> onClose;
 protected:
  void closeEvent(QCloseEvent* e) override {
    e->ignore();
    if (onClose) onClose();
  }
};

class ToolWin : public PaintArea {
 public:
  using PaintArea::PaintArea;
  std::function<void()> onClose;
 protected:
  void closeEvent(QCloseEvent* e) override {
    e->ignore();
    if (onClose) onClose();
  }
};

class WindowGadget : public G<Gadget> {
 public:
  WindowGadget(const u16& title, int x, int y, int w, int h, Gadget* owner, int style)
      : G(GadgetClass::Window, nullptr), style_(style) {
    clientSize_ = QSize(w, h);
    if (style & WindowTool) {
      // Owned through the window system only: a Qt parent would share its disabled state.
      tool_ = new ToolWin(nullptr, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                       Qt::CustomizeWindowHint);
      if (Impl* o = ImplOf(owner); o && o->widget) {
        o->widget->winId();
        tool_->winId();
        if (tool_->windowHandle() && o->widget->windowHandle())
          tool_->windowHandle()->setTransientParent(o->widget->windowHandle());
      }
      tool_->onClose = [this] { Emit(WindowClose, this); };
      tool_->onResize = [this](QResizeEvent*) {
        clientSize_ = tool_->size();
        Relayout();
      };
      widget = tool_;
      client_ = tool_;
      if (!(style & WindowResizable)) tool_->setFixedSize(w, h);
    } else {
      main_ = new MainWin;
      main_->onClose = [this] { Emit(WindowClose, this); };
      main_->setContextMenuPolicy(Qt::PreventContextMenu);
      auto* central = new PaintArea;
      central->onResize = [this, central](QResizeEvent*) {
        if (central->size() == clientSize_) return;
        clientSize_ = central->size();
        Relayout();
        Emit(WindowSize, this);
      };
      main_->setCentralWidget(central);
      client_ = central;
      if (style & WindowMenu) main_->menuBar();
      if (style & WindowStatus) {
        status_ = new QLabel;
        status_->setTextFormat(Qt::PlainText);
        main_->statusBar()->addWidget(status_, 1);
        main_->statusBar()->setSizeGripEnabled(style & WindowResizable);
      }
      widget = main_;
    }
    Watch(this, widget);
    Register(client_);
    InitCaption(title);
    SetShape(x, y, w, h);
    if (style & WindowHidden) widget->hide();
  }

  QWidget* ClientArea() override { return client_; }
  QSize ClientSize() override { return clientSize_; }
  void ShowCaption(const u16& t) override { widget->setWindowTitle(Q(t)); }

  int Chrome(bool height) const {
    if (!main_) return 0;
    if (main_->isVisible()) return height ? main_->height() - client_->height() : main_->width() - client_->width();
    if (!height) return 0;
    int extra = 0;
    if (main_->menuWidget()) extra += main_->menuWidget()->sizeHint().height();
    for (QToolBar* tb : main_->findChildren<QToolBar*>())
      if (!tb->isHidden()) extra += tb->sizeHint().height();
    if (status_) extra += main_->statusBar()->sizeHint().height();
    return extra;
  }

  void SetShape(int x, int y, int w, int h) override {
    w = std::max(w, 1);
    h = std::max(h, 1);
    widget->move(x, y);
    if (tool_ && !(style_ & WindowResizable)) tool_->setFixedSize(w, h);
    int cw = Chrome(false), ch = Chrome(true);
    widget->resize(w + cw, h + ch);
    if (main_ && !main_->isVisible()) client_->resize(w, h);
    clientSize_ = QSize(w, h);
    Relayout();
  }
  int X() const override { return widget->pos().x(); }
  int Y() const override { return widget->pos().y(); }
  int Width() const override { return clientSize_.width(); }
  int Height() const override { return clientSize_.height(); }
  void Show() override {
    widget->show();
    widget->raise();
    widget->activateWindow();
  }
  void SetColor(int r, int g, int b) override {
    client_->hasColor = true;
    client_->color = QColor(r, g, b);
    client_->update();
  }
  void SetStatusText(const u16& t) override {
    statusText_ = t;
    if (status_) status_->setText(Q(t));
  }
  u16 StatusText() const override { return statusText_; }
  void RefreshMenu() override {
    if (main_ && main_->menuWidget()) main_->menuWidget()->update();
  }
  void SetDefaultButton(Gadget* button) override {
    Impl* b = ImplOf(button);
    auto* pb = b ? qobject_cast<QPushButton*>(b->widget) : nullptr;
    g_defaultButtons[widget] = pb;
    if (pb) pb->setDefault(true);
  }
  QMainWindow* Main() const { return main_; }

 private:
  int style_;
  MainWin* main_ = nullptr;
  ToolWin* tool_ = nullptr;
  PaintArea* client_ = nullptr;
  QLabel* status_ = nullptr;
  QSize clientSize_;
  u16 statusText_;
};

// ---------------------------------------------------------------- menus

class MenuGadget : public G<Gadget> {
 public:
  MenuGadget(const u16& text, int tag, Gadget* parentGadget) : G(GadgetClass::MenuItem, parentGadget), tag_(tag) {
    auto* win = dynamic_cast<WindowGadget*>(parentGadget);
    auto* parentMenu = dynamic_cast<MenuGadget*>(parentGadget);
    if (win && win->Main()) {
      menu_ = new QMenu(win->Main());
      action_ = win->Main()->menuBar()->addMenu(menu_);
    } else if (parentMenu) {
      QMenu* into = parentMenu->SubMenu();
      if (text.empty()) {
        action_ = into->addSeparator();
      } else {
        action_ = into->addAction(QString());
      }
    } else {
      action_ = new QAction(nullptr);
    }
    QObject::connect(action_, &QAction::triggered, [this] { Emit(MenuAction, this, tag_); });
    widget = nullptr;
    if (!text.empty()) InitCaption(text);
  }
  QMenu* SubMenu() {
    if (!menu_) {
      menu_ = new QMenu;
      action_->setMenu(menu_);
    }
    return menu_;
  }
  void ShowCaption(const u16& t) override {
    if (!action_->isSeparator()) action_->setText(Amp(t));
    if (menu_) menu_->setTitle(Amp(t));
  }
  void Show() override { action_->setVisible(true); }
  void Hide() override { action_->setVisible(false); }
  bool Visible() const override { return action_->isVisible(); }
  // A menu's own widget is disabled too: a QMenu hands its enabled state to its
  // action whenever its window is enabled again (closing the information window).
  void Enable() override {
    enabled = true;
    if (menu_) menu_->setEnabled(true);
    action_->setEnabled(true);
  }
  void Disable() override {
    enabled = false;
    if (menu_) menu_->setEnabled(false);
    action_->setEnabled(false);
  }
  void SetShape(int, int, int, int) override {}
  int X() const override { return 0; }
  int Y() const override { return 0; }
  int Width() const override { return 0; }
  int Height() const override { return 0; }
  int ClientWidth() const override { return 0; }
  int ClientHeight() const override { return 0; }
  void SetChecked(bool on) override {
    action_->setCheckable(on || action_->isCheckable());
    action_->setChecked(on);
  }
  bool Checked() const override { return action_->isChecked(); }
  void Focus() override {}
  void Redraw() override {}
  QWidget* ClientArea() override { return nullptr; }
  QSize ClientSize() override { return QSize(); }
  // Chosen as by the user: only when it and every menu above it are enabled.
  void Trigger() {
    for (Gadget* g = this; g; g = g->Parent()) {
      if (!g->Enabled()) return;
      if (auto* impl = ImplOf(g); impl && impl->widget && !impl->widget->isEnabled()) return;
    }
    action_->trigger();
  }
  int Tag() const { return tag_; }

 private:
  int tag_;
  QAction* action_ = nullptr;
  QMenu* menu_ = nullptr;
};

// ---------------------------------------------------------------- toolbar

class ToolbarGadget : public G<Gadget> {
 public:
  ToolbarGadget(const draw::Pixmap& strip, Gadget* window) : G(GadgetClass::Toolbar, window) {
    auto* win = dynamic_cast<WindowGadget*>(window);
    bar_ = new QToolBar(win ? static_cast<QWidget*>(win->Main()) : nullptr);
    bar_->setMovable(false);
    bar_->setFloatable(false);
    bar_->setContextMenuPolicy(Qt::PreventContextMenu);
    bar_->toggleViewAction()->setEnabled(false);
    int cell = strip.height;
    bar_->setIconSize(QSize(cell, cell));
    QImage img = ToQImage(strip);
    std::vector<bool> blank = ToolbarCells(strip);
    for (size_t i = 0; i < blank.size(); ++i) {
      QAction* a;
      if (blank[i]) {
        a = bar_->addSeparator();
      } else {
        QImage c = img.copy(static_cast<int>(i) * cell, 0, cell, cell);
        QIcon icon;
        icon.addPixmap(QPixmap::fromImage(c));
        // Sharp on high-density screens: the larger sizes scaled smoothly.
        for (int f : {2, 3}) {
          QPixmap big = QPixmap::fromImage(c.scaled(cell * f, cell * f, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
          big.setDevicePixelRatio(f);
          icon.addPixmap(big);
        }
        a = bar_->addAction(icon, QString());
        int index = static_cast<int>(i);
        QObject::connect(a, &QAction::triggered, [this, index] { Emit(GadgetAction, this, index); });
      }
      actions_.push_back(a);
      separator_.push_back(blank[i]);
    }
    widget = bar_;
    Watch(this, bar_);
    if (win && win->Main()) win->Main()->addToolBar(Qt::TopToolBarArea, bar_);
  }
  void SetShape(int, int, int, int) override {}
  void Show() override { bar_->setVisible(true); }
  void Hide() override { bar_->setVisible(false); }
  int ItemCount() const override { return static_cast<int>(actions_.size()); }
  void EnableItem(int i) override {
    if (i >= 0 && i < ItemCount()) actions_[i]->setEnabled(true);
  }
  void DisableItem(int i) override {
    if (i >= 0 && i < ItemCount()) actions_[i]->setEnabled(false);
  }
  bool ItemEnabled(int i) const override { return i >= 0 && i < ItemCount() && actions_[i]->isEnabled(); }
  bool ItemSeparator(int i) const override { return i >= 0 && i < ItemCount() && separator_[i]; }
  void SetColor(int r, int g, int b) override {
    QPalette pal = bar_->palette();
    pal.setColor(QPalette::Window, QColor(r, g, b));
    pal.setColor(QPalette::Button, QColor(r, g, b));
    bar_->setPalette(pal);
    bar_->setAutoFillBackground(true);
    bar_->setStyleSheet(QStringLiteral("QToolBar { background: rgb(%1, %2, %3); border: none; }").arg(r).arg(g).arg(b));
  }
  void Trigger(int i) {
    if (i >= 0 && i < ItemCount() && actions_[i]->isEnabled() && !separator_[i]) actions_[i]->trigger();
  }

 private:
  QToolBar* bar_ = nullptr;
  std::vector<QAction*> actions_;
  std::vector<bool> separator_;
};

// ---------------------------------------------------------------- panels

class PanelGadget : public G<Gadget> {
 public:
  PanelGadget(int x, int y, int w, int h, Gadget* parentGadget, int style)
      : G(GadgetClass::Panel, parentGadget) {
    frame_ = new QFrame(ParentWidget(parentGadget));
    if (style & PanelSunken) frame_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    client_ = new PaintArea(frame_);
    Register(client_);
    Init(frame_, x, y, w, h);
  }
  QWidget* ClientArea() override { return client_; }
  void ApplyGeometry(int x, int y, int w, int h) override {
    frame_->setGeometry(x, y, std::max(w, 0), std::max(h, 0));
    client_->setGeometry(frame_->contentsRect());
    Relayout();
  }
  void SetColor(int r, int g, int b) override {
    client_->hasColor = true;
    client_->color = QColor(r, g, b);
    client_->update();
  }
  void SetPixmap(draw::PixmapPtr p, bool tiled) override {
    client_->picture = SharedQImage(p);
    client_->tiled = tiled;
    client_->update();
  }
  void Redraw() override { client_->repaint(); }
  void SetMouseSensitive(bool on) override { mouseSensitive = on; }

 protected:
  QFrame* frame_ = nullptr;
  PaintArea* client_ = nullptr;
};

class GroupBoxWidget : public QGroupBox {
 public:
  using QGroupBox::QGroupBox;
  QWidget* inner = nullptr;
  QRect Contents() {
    QStyleOptionGroupBox opt;
    initStyleOption(&opt);
    return style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxContents, this);
  }
};

class GroupBoxGadget : public G<Gadget> {
 public:
  GroupBoxGadget(const u16& title, int x, int y, int w, int h, Gadget* parentGadget)
      : G(GadgetClass::GroupBox, parentGadget) {
    box_ = new GroupBoxWidget(ParentWidget(parentGadget));
    client_ = new PaintArea(box_);
    Register(client_);
    InitCaption(title);
    Init(box_, x, y, w, h);
  }
  QWidget* ClientArea() override { return client_; }
  void ShowCaption(const u16& t) override { box_->setTitle(Amp(t)); }
  void ApplyGeometry(int x, int y, int w, int h) override {
    box_->setGeometry(x, y, std::max(w, 0), std::max(h, 0));
    client_->setGeometry(box_->Contents());
    Relayout();
  }
  void SetColor(int r, int g, int b) override {
    client_->hasColor = true;
    client_->color = QColor(r, g, b);
  }

 private:
  GroupBoxWidget* box_ = nullptr;
  PaintArea* client_ = nullptr;
};

class ScrollPanelGadget : public G<Gadget> {
 public:
  ScrollPanelGadget(int x, int y, int w, int h, Gadget* parentGadget) : G(GadgetClass::ScrollPanel, parentGadget) {
    area_ = new QScrollArea(ParentWidget(parentGadget));
    area_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    area_->setWidgetResizable(false);
    Init(area_, x, y, w, h);
    client_ = new PanelGadget(0, 0, area_->viewport()->width(), area_->viewport()->height(), nullptr, PanelPlain);
    client_->SetParentGadget(this);  // its size is its own, not the viewport's
    area_->setWidget(client_->widget);
  }
  Gadget* Client() const override { return client_; }
  void FitToChildren() override {
    int right = 0, bottom = 0;
    for (Impl* k : client_->kids) {
      QRect g = k->widget->geometry();
      right = std::max(right, g.x() + g.width());
      bottom = std::max(bottom, g.y() + g.height());
    }
    client_->layoutSuspended = true;
    client_->Place(0, 0, right, bottom);
    client_->layoutSuspended = false;
    // The children stay where they are: their placement now refers to the new size.
    for (Impl* k : client_->kids) {
      QRect g = k->widget->geometry();
      k->px = g.x();
      k->py = g.y();
      k->pw = g.width();
      k->ph = g.height();
      k->parentW0 = right;
      k->parentH0 = bottom;
    }
  }

  QWidget* ClientArea() override { return client_ ? client_->ClientArea() : widget; }

 private:
  QScrollArea* area_ = nullptr;
  PanelGadget* client_ = nullptr;
};

// ---------------------------------------------------------------- labels and buttons

class LabelGadget : public G<Gadget> {
 public:
  LabelGadget(const u16& text, int x, int y, int w, int h, Gadget* parentGadget, int style)
      : G(GadgetClass::Label, parentGadget) {
    label_ = new QLabel(ParentWidget(parentGadget));
    label_->setTextFormat(Qt::PlainText);
    Qt::Alignment a = Qt::AlignVCenter;
    if (style & LabelRight) a |= Qt::AlignRight;
    else if (style & LabelCentre) a |= Qt::AlignHCenter;
    else a |= Qt::AlignLeft;
    label_->setAlignment(a);
    if (style & LabelSunken) label_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    InitCaption(text);
    Init(label_, x, y, w, h);
  }
  void ShowCaption(const u16& t) override { label_->setText(Q(t)); }
  int Alignment() const { return static_cast<int>(label_->alignment()); }

 private:
  QLabel* label_ = nullptr;
};

QHash<QWidget*, QButtonGroup*> g_radioGroups;

class ButtonGadget : public G<Gadget> {
 public:
  ButtonGadget(GadgetClass kind, const u16& text, int x, int y, int w, int h, Gadget* parentGadget)
      : G(kind, parentGadget) {
    QWidget* p = ParentWidget(parentGadget);
    switch (kind) {
      case GadgetClass::CheckBox: button_ = new QCheckBox(p); break;
      case GadgetClass::RadioButton: button_ = new QRadioButton(p); break;
      case GadgetClass::ToggleRadio:
        button_ = new QPushButton(p);
        button_->setCheckable(true);
        break;
      default: button_ = new QPushButton(p); break;
    }
    button_->setFocusPolicy(kind == GadgetClass::Button ? Qt::StrongFocus : Qt::TabFocus);
    if (kind == GadgetClass::RadioButton || kind == GadgetClass::ToggleRadio) {
      // Radio buttons exclude their siblings in the same parent, not those of nested panels.
      button_->setAutoExclusive(false);
      QButtonGroup*& group = g_radioGroups[p];
      if (!group) group = new QButtonGroup(p);
      group->addButton(button_);
    }
    QObject::connect(button_, &QAbstractButton::clicked, [this](bool checked) {
      GadgetClass k = Class();
      if ((k == GadgetClass::RadioButton || k == GadgetClass::ToggleRadio) && !checked) return;
      Emit(GadgetAction, this, checked ? 1 : 0);
    });
    InitCaption(text);
    Init(button_, x, y, w, h);
  }
  void ShowCaption(const u16& t) override { button_->setText(Amp(t)); }
  void SetChecked(bool on) override {
    if (!button_->isCheckable()) return;
    QButtonGroup* group = button_->group();
    if (on || !group) {
      button_->setChecked(on);
    } else {
      // An exclusive button cannot be unchecked on its own.
      group->setExclusive(false);
      button_->setChecked(false);
      group->setExclusive(true);
    }
  }
  bool Checked() const override { return button_->isChecked(); }
  QAbstractButton* Button() const { return button_; }

 private:
  QAbstractButton* button_ = nullptr;
};

// ---------------------------------------------------------------- text

class TextFieldGadget : public G<Gadget> {
 public:
  TextFieldGadget(int x, int y, int w, int h, Gadget* parentGadget) : G(GadgetClass::TextField, parentGadget) {
    edit_ = new QLineEdit(ParentWidget(parentGadget));
    QObject::connect(edit_, &QLineEdit::textEdited, [this](const QString& t) {
      caption_ = U(t);
      Emit(GadgetAction, this);
    });
    Init(edit_, x, y, w, h);
  }
  void ShowCaption(const u16& t) override { edit_->setText(Q(t)); }
  u16 Text() const override { return U(edit_->text()); }

 private:
  QLineEdit* edit_ = nullptr;
};

class TextAreaGadget : public G<Gadget> {
 public:
  TextAreaGadget(int x, int y, int w, int h, Gadget* parentGadget) : G(GadgetClass::TextArea, parentGadget) {
    edit_ = new QPlainTextEdit(ParentWidget(parentGadget));
    edit_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit_->setTabChangesFocus(true);
    QObject::connect(edit_, &QPlainTextEdit::textChanged, [this] {
      if (!setting_) Emit(GadgetAction, this);
    });
    Register(edit_->viewport());
    Init(edit_, x, y, w, h);
  }
  void ShowCaption(const u16& t) override {
    setting_ = true;
    edit_->setPlainText(Q(t));
    setting_ = false;
  }
  u16 Text() const override { return U(edit_->toPlainText()); }

 private:
  QPlainTextEdit* edit_ = nullptr;
  bool setting_ = false;
};

class ComboGadget : public G<Gadget> {
 public:
  ComboGadget(int x, int y, int w, int h, Gadget* parentGadget) : G(GadgetClass::ComboBox, parentGadget) {
    combo_ = new QComboBox(ParentWidget(parentGadget));
    combo_->setEditable(false);
    QObject::connect(combo_, QOverload<int>::of(&QComboBox::activated), [this](int i) { Emit(GadgetAction, this, i); });
    Init(combo_, x, y, w, h);
  }
  void AddItem(const u16& t) override {
    u16 shown = t;
    if (RegisteringTexts()) {
      g_localizedItems[this].push_back({combo_->count(), t});
      shown = LocalizeString(t);
    }
    combo_->addItem(Q(shown));
  }
  void ClearItems() override {
    combo_->clear();
    g_localizedItems.erase(this);
  }
  int ItemCount() const override { return combo_->count(); }
  u16 ItemText(int i) const override { return U(combo_->itemText(i)); }
  void SelectItem(int i) override { combo_->setCurrentIndex(i); }
  int SelectedItem() const override { return combo_->currentIndex(); }
  u16 Text() const override { return U(combo_->currentText()); }
  void SetText(const u16& t) override {
    int i = combo_->findText(Q(t));
    combo_->setCurrentIndex(i);
  }
  void SetItemShown(int i, const u16& t) {
    if (i >= 0 && i < combo_->count()) combo_->setItemText(i, Q(t));
  }

 private:
  QComboBox* combo_ = nullptr;
};

// ---------------------------------------------------------------- ranges

class ScrollBarGadget : public G<Gadget> {
 public:
  ScrollBarGadget(int x, int y, int w, int h, Gadget* parentGadget, bool vertical)
      : G(GadgetClass::ScrollBar, parentGadget) {
    bar_ = new QScrollBar(vertical ? Qt::Vertical : Qt::Horizontal, ParentWidget(parentGadget));
    QObject::connect(bar_, &QScrollBar::valueChanged, [this](int v) {
      if (!setting_) Emit(GadgetAction, this, v);
    });
    Init(bar_, x, y, w, h);
  }
  // a = visible part, b = total
  void SetRange(int visible, int total) override {
    visible_ = visible;
    total_ = total;
    setting_ = true;
    bar_->setRange(0, std::max(0, total - visible));
    bar_->setPageStep(std::max(1, visible));
    setting_ = false;
  }
  int RangeA() const override { return visible_; }
  int RangeB() const override { return total_; }
  void SetValue(int v) override {
    setting_ = true;
    bar_->setValue(v);
    setting_ = false;
  }
  int Value() const override { return bar_->value(); }

 private:
  QScrollBar* bar_ = nullptr;
  bool setting_ = false;
  int visible_ = 0, total_ = 0;
};

class StepperGadget : public G<Gadget> {
 public:
  StepperGadget(int x, int y, int w, int h, Gadget* parentGadget) : G(GadgetClass::Stepper, parentGadget) {
    box_ = new QWidget(ParentWidget(parentGadget));
    down_ = new QToolButton(box_);
    up_ = new QToolButton(box_);
    down_->setArrowType(Qt::LeftArrow);
    up_->setArrowType(Qt::RightArrow);
    for (QToolButton* b : {down_, up_}) {
      b->setAutoRepeat(true);
      b->setFocusPolicy(Qt::NoFocus);
    }
    QObject::connect(down_, &QToolButton::clicked, [this] { Step(-1); });
    QObject::connect(up_, &QToolButton::clicked, [this] { Step(1); });
    Init(box_, x, y, w, h);
  }
  void ApplyGeometry(int x, int y, int w, int h) override {
    box_->setGeometry(x, y, std::max(w, 0), std::max(h, 0));
    int half = box_->width() / 2;
    down_->setGeometry(0, 0, half, box_->height());
    up_->setGeometry(half, 0, box_->width() - half, box_->height());
  }
  void SetRange(int lo, int hi) override {
    min_ = std::min(lo, hi);
    max_ = std::max(lo, hi);
    value_ = std::clamp(value_, min_, max_);
  }
  int RangeA() const override { return min_; }
  int RangeB() const override { return max_; }
  void SetValue(int v) override { value_ = std::clamp(v, min_, max_); }
  int Value() const override { return value_; }
  void Step(int d) {
    int v = std::clamp(value_ + d, min_, max_);
    if (v == value_) return;
    value_ = v;
    Emit(GadgetAction, this, value_);
  }

 private:
  QWidget* box_ = nullptr;
  QToolButton* down_ = nullptr;
  QToolButton* up_ = nullptr;
  int min_ = 0, max_ = 100, value_ = 0;
};

// ---------------------------------------------------------------- HTML view

class Browser : public QTextBrowser {
 public:
  using QTextBrowser::QTextBrowser;
  QVariant loadResource(int type, const QUrl& name) override {
    QUrl url = name;
    if (url.isRelative()) url = source().resolved(name);
    if (url.isLocalFile() || url.scheme().isEmpty()) {
      // Through the file layer: the page's names need not match the letter case on disk.
      auto bytes = fs::ReadAll(text::FromUtf8(url.toLocalFile().toStdString()), size_t(64) << 20);
      if (bytes) return QByteArray(bytes->data(), static_cast<qsizetype>(bytes->size()));
      return QVariant();
    }
    return QTextBrowser::loadResource(type, name);
  }
};

class HtmlGadget : public G<Gadget> {
 public:
  HtmlGadget(int x, int y, int w, int h, Gadget* parentGadget) : G(GadgetClass::HtmlView, parentGadget) {
    view_ = new Browser(ParentWidget(parentGadget));
    view_->setOpenLinks(true);
    view_->setOpenExternalLinks(true);
    Register(view_->viewport());
    Init(view_, x, y, w, h);
  }
  // A text set on the view is shown as plain text (for example a note that a page is missing).
  void ShowCaption(const u16& t) override { view_->setPlainText(Q(t)); }
  bool LoadFile(const u16& path) override {
    std::string native = fs::NativePath(path);
    if (!fs::CanRead(path)) {
      view_->setHtml(QString());
      return false;
    }
    QUrl url = QUrl::fromLocalFile(QString::fromStdString(native));
    if (view_->source() == url) view_->reload();
    else view_->setSource(url, QTextDocument::HtmlResource);
    return true;
  }
  u16 Text() const override { return U(view_->toPlainText()); }

 private:
  Browser* view_ = nullptr;
};

// ---------------------------------------------------------------- canvas

class CanvasGadget;
class CanvasWidget : public QWidget {
 public:
  CanvasWidget(QWidget* parent, CanvasGadget* g) : QWidget(parent), g_(g) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void leaveEvent(QEvent*) override;
  bool focusNextPrevChild(bool) override { return false; }  // Tab is a key of the game

 private:
  CanvasGadget* g_;
};

class CanvasGadget : public G<Canvas> {
 public:
  CanvasGadget(int x, int y, int w, int h, Gadget* parentGadget) : G(GadgetClass::Canvas, parentGadget) {
    canvas_ = new CanvasWidget(ParentWidget(parentGadget), this);
    surface_.SetFlipHandler([this] { Present(); });
    Init(canvas_, x, y, w, h);
  }
  draw::Surface& Surface() override { return surface_; }
  // A canvas lies above the panels of its parent.
  void Show() override {
    canvas_->show();
    canvas_->raise();
  }
  void AfterResize() override { SizeSurface(); }
  void SizeSurface() {
    double dpr = canvas_->devicePixelRatioF();
    int w = canvas_->width(), h = canvas_->height();
    if (w != surface_.Width() || h != surface_.Height() || dpr != surface_.DeviceScale())
      surface_.Resize(w, h, dpr);
  }
  void SetPixmap(draw::PixmapPtr p, bool tiled) override {
    background_ = SharedQImage(p);
    canvas_->update();
  }
  // Shows the surface's pixels now.
  void Present() {
    const uint32_t* px = surface_.Pixels();
    int dw = surface_.DeviceWidth(), dh = surface_.DeviceHeight();
    if (px && dw > 0 && dh > 0) {
      if (frame_.width() != dw || frame_.height() != dh) frame_ = QImage(dw, dh, QImage::Format_RGB32);
      for (int y = 0; y < dh; ++y)
        std::copy(px + static_cast<size_t>(y) * dw, px + static_cast<size_t>(y + 1) * dw,
                  reinterpret_cast<uint32_t*>(frame_.scanLine(y)));
      frame_.setDevicePixelRatio(surface_.DeviceScale());
      hasFrame_ = true;
    }
    ownFlip_ = true;
    canvas_->repaint();
    ownFlip_ = false;
  }
  void Paint(QPainter& p) {
    QRect r = canvas_->rect();
    if (hasFrame_ && frame_.width() == surface_.DeviceWidth() && frame_.height() == surface_.DeviceHeight()) {
      p.drawImage(QPointF(0, 0), frame_);
    } else if (!background_.isNull()) {
      p.setRenderHint(QPainter::SmoothPixmapTransform);
      p.drawImage(r, background_);
    } else {
      p.fillRect(r, Qt::black);
    }
    if (!ownFlip_) Emit(GadgetPaint, this);
  }
  void Redraw() override {
    if (canvas_->isVisible()) canvas_->repaint();
  }
  int pressed = 0;

 private:
  CanvasWidget* canvas_ = nullptr;
  draw::Surface surface_;
  QImage frame_;
  QImage background_;
  bool hasFrame_ = false;
  bool ownFlip_ = false;
};

void CanvasWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  g_->Paint(p);
}
void CanvasWidget::resizeEvent(QResizeEvent*) { g_->SizeSurface(); }
void CanvasWidget::keyPressEvent(QKeyEvent* e) { Emit(KeyDown, g_, VirtualKey(e)); }
void CanvasWidget::keyReleaseEvent(QKeyEvent* e) {
  if (e->isAutoRepeat()) return;
  Emit(KeyUp, g_, VirtualKey(e));
}
void CanvasWidget::mousePressEvent(QMouseEvent* e) {
  setFocus(Qt::MouseFocusReason);
  QPoint p = e->position().toPoint();
  Emit(MouseDown, g_, MouseButtonNumber(e->button()), p.x(), p.y());
}
void CanvasWidget::mouseReleaseEvent(QMouseEvent* e) {
  QPoint p = e->position().toPoint();
  Emit(MouseUp, g_, MouseButtonNumber(e->button()), p.x(), p.y());
}
void CanvasWidget::mouseMoveEvent(QMouseEvent* e) {
  QPoint p = e->position().toPoint();
  Emit(MouseMove, g_, 0, p.x(), p.y());
}
void CanvasWidget::leaveEvent(QEvent*) { Emit(MouseLeave, g_); }

QString ScriptFamily() {
  static QString family;
  static bool looked = false;
  if (!looked) {
    looked = true;
    QStringList families = QFontDatabase::families();
    for (const char* want : {"Comic Neue", "Comic Sans MS"})
      if (families.contains(QLatin1String(want))) {
        family = QLatin1String(want);
        break;
      }
  }
  return family;
}

std::function<u16(const u16&, const u16&, const u16&, bool)> g_requestFile;

}  // namespace

// ---------------------------------------------------------------- public functions

Gadget* FocusedGadget() {
  if (!Initialized()) return nullptr;
  for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget()) {
    auto it = g_byWidget.find(w);
    if (it != g_byWidget.end()) return it.value()->self;
  }
  if (QWidget* w = QApplication::activeWindow()) {
    auto it = g_byWidget.find(w);
    if (it != g_byWidget.end()) return it.value()->self;
  }
  return nullptr;
}

// The forms are laid out for a compact dialog font of the Arial kind; the
// toolkit's larger default would cut their texts.
void UseDialogFont() {
  static bool done = false;
  if (done || !Initialized()) return;
  done = true;
  QFont f = QApplication::font();
  if (QFontDatabase::families().contains(QStringLiteral("Liberation Sans"))) f.setFamily(QStringLiteral("Liberation Sans"));
  f.setPointSize(9);
  QApplication::setFont(f);
}

Gadget* CreateWindow(const u16& title, int x, int y, int w, int h, Gadget* owner, int style) {
  UseDialogFont();
  return new WindowGadget(title, x, y, w, h, owner, style);
}
Gadget* CreateMenu(const u16& text, int tag, Gadget* parent) { return new MenuGadget(text, tag, parent); }
Gadget* CreateToolbar(const draw::Pixmap& strip, Gadget* window) { return new ToolbarGadget(strip, window); }
Gadget* CreateToolbar(const u16& stripPath, Gadget* window) {
  draw::PixmapPtr p = LoadPixmap(stripPath);
  return new ToolbarGadget(p ? *p : draw::Pixmap(), window);
}
Gadget* CreatePanel(int x, int y, int w, int h, Gadget* parent, int style) {
  return new PanelGadget(x, y, w, h, parent, style);
}
Gadget* CreateGroupBox(const u16& title, int x, int y, int w, int h, Gadget* parent) {
  return new GroupBoxGadget(title, x, y, w, h, parent);
}
Gadget* CreateScrollPanel(int x, int y, int w, int h, Gadget* parent) {
  return new ScrollPanelGadget(x, y, w, h, parent);
}
Gadget* CreateLabel(const u16& text, int x, int y, int w, int h, Gadget* parent, int style) {
  return new LabelGadget(text, x, y, w, h, parent, style);
}
Gadget* CreateButton(const u16& text, int x, int y, int w, int h, Gadget* parent) {
  return new ButtonGadget(GadgetClass::Button, text, x, y, w, h, parent);
}
Gadget* CreateCheckBox(const u16& text, int x, int y, int w, int h, Gadget* parent) {
  return new ButtonGadget(GadgetClass::CheckBox, text, x, y, w, h, parent);
}
Gadget* CreateRadioButton(const u16& text, int x, int y, int w, int h, Gadget* parent) {
  return new ButtonGadget(GadgetClass::RadioButton, text, x, y, w, h, parent);
}
Gadget* CreateToggleRadio(const u16& text, int x, int y, int w, int h, Gadget* parent) {
  return new ButtonGadget(GadgetClass::ToggleRadio, text, x, y, w, h, parent);
}
Gadget* CreateTextField(int x, int y, int w, int h, Gadget* parent) { return new TextFieldGadget(x, y, w, h, parent); }
Gadget* CreateTextArea(int x, int y, int w, int h, Gadget* parent) { return new TextAreaGadget(x, y, w, h, parent); }
Gadget* CreateComboBox(int x, int y, int w, int h, Gadget* parent) { return new ComboGadget(x, y, w, h, parent); }
Gadget* CreateScrollBar(int x, int y, int w, int h, Gadget* parent, bool vertical) {
  return new ScrollBarGadget(x, y, w, h, parent, vertical);
}
Gadget* CreateStepper(int x, int y, int w, int h, Gadget* parent) { return new StepperGadget(x, y, w, h, parent); }
Gadget* CreateHtmlView(int x, int y, int w, int h, Gadget* parent) { return new HtmlGadget(x, y, w, h, parent); }
Canvas* CreateCanvas(int x, int y, int w, int h, Gadget* parent) { return new CanvasGadget(x, y, w, h, parent); }

std::vector<bool> ToolbarCells(const draw::Pixmap& strip) {
  std::vector<bool> cells;
  int cell = strip.height;
  if (cell <= 0 || strip.width < cell || strip.pixels.size() < static_cast<size_t>(strip.width) * strip.height)
    return cells;
  int count = strip.width / cell;
  for (int k = 0; k < count; ++k) {
    uint32_t first = strip.At(k * cell, 0);
    bool blank = true;
    for (int y = 0; y < cell && blank; ++y)
      for (int x = k * cell; x < (k + 1) * cell; ++x)
        if (strip.At(x, y) != first) {
          blank = false;
          break;
        }
    cells.push_back(blank);
  }
  return cells;
}

int KeepCentre(int placed, int size, int parentNow, int parentPlaced) {
  if (parentPlaced == 0) return placed;
  return parentNow * (placed + size / 2) / parentPlaced - size / 2;
}

draw::PixmapPtr LoadPixmap(const u16& path) {
  if (auto p = draw::Pixmap::Load(path)) return p;
  auto bytes = fs::ReadAll(path, size_t(256) << 20);
  if (!bytes) return nullptr;
  QImage img;
  if (!img.loadFromData(reinterpret_cast<const uchar*>(bytes->data()), static_cast<int>(bytes->size()))) return nullptr;
  return FromQImage(img);
}

bool AddFont(const std::string& bytes) {
  if (!Initialized() || bytes.empty()) return false;
  return QFontDatabase::addApplicationFontFromData(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()))) >= 0;
}

u16 ScriptFace() { return Initialized() ? U(ScriptFamily()) : u16(); }

u16 RequestFile(const u16& title, const u16& filter, const u16& startFolder, bool save) {
  if (g_requestFile) return g_requestFile(title, filter, startFolder, save);
  if (!Initialized()) return u16();
  // "Description:ext1,ext2" -> "Description (*.ext1 *.ext2)"
  QString f = Q(filter), qtFilter;
  int colon = f.indexOf(QLatin1Char(':'));
  if (colon >= 0) {
    QStringList patterns;
    for (const QString& ext : f.mid(colon + 1).split(QLatin1Char(','), Qt::SkipEmptyParts))
      patterns << QStringLiteral("*.") + ext.trimmed();
    qtFilter = f.left(colon) + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QStringLiteral(")");
  } else if (!f.isEmpty()) {
    qtFilter = f;
  }
  QString folder = startFolder.empty() ? QString() : QString::fromStdString(fs::NativePath(startFolder));
  QWidget* parent = QApplication::activeWindow();
  QString chosen = save ? QFileDialog::getSaveFileName(parent, Q(title), folder, qtFilter, nullptr,
                                                       QFileDialog::DontUseNativeDialog)
                        : QFileDialog::getOpenFileName(parent, Q(title), folder, qtFilter, nullptr,
                                                       QFileDialog::DontUseNativeDialog);
  return U(chosen);
}

void SetRequestFileHandler(std::function<u16(const u16&, const u16&, const u16&, bool)> h) {
  g_requestFile = std::move(h);
}

void RelocalizeAll() {
  for (auto& [gadget, source] : g_localized) {
    if (auto* w = dynamic_cast<G<Gadget>*>(gadget)) w->Relocalized(LocalizeString(source));
  }
  for (auto& [gadget, items] : g_localizedItems)
    if (auto* c = dynamic_cast<ComboGadget*>(gadget))
      for (auto& [index, source] : items) c->SetItemShown(index, LocalizeString(source));
}

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
  if (auto* m = dynamic_cast<MenuGadget*>(target)) {
    m->Trigger();
    return;
  }
  Impl* impl = ImplOf(target);
  if (!impl || !impl->widget) return;
  if (auto* b = dynamic_cast<ButtonGadget*>(target)) {
    if (b->Button()->isEnabled() && b->Button()->window()->isEnabled()) b->Button()->click();
    return;
  }
  QWidget* w = impl->ClientArea() ? impl->ClientArea() : impl->widget;
  QPointF p(x < 0 ? w->width() / 2 : x, y < 0 ? w->height() / 2 : y);
  QMouseEvent press(QEvent::MouseButtonPress, p, w->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, p, w->mapToGlobal(p), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(w, &press);
  QApplication::sendEvent(w, &release);
}

void SimulateItemClick(Gadget* target, int index) {
  if (auto* t = dynamic_cast<ToolbarGadget*>(target)) {
    if (t->widget->isEnabled()) t->Trigger(index);
  }
}

void SimulateClose(Gadget* window) {
  Impl* impl = ImplOf(window);
  if (impl && impl->widget) impl->widget->close();
}

}  // namespace gui
