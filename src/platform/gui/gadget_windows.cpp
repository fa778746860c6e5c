// SPDX-License-Identifier: GPL-3.0-or-later
// Gadgets: windows, menus and the toolbar.
#include "platform/gui/gadget_parts.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace gui {
namespace detail {

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
  // Escape closes a tool window as its close box does.
  void keyPressEvent(QKeyEvent* e) override {
    if (e->key() == Qt::Key_Escape && onClose) {
      onClose();
      return;
    }
    PaintArea::keyPressEvent(e);
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
      // While it is open no other window takes input or the focus.
      tool_->setWindowModality(Qt::ApplicationModal);
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

  // Offset of the client area from the window's outer top-left corner: the
  // window system's frame, then the menu bar and toolbar above the client.
  QPoint ClientOffset() const {
    QPoint frame = widget->geometry().topLeft() - widget->frameGeometry().topLeft();
    if (!main_) return frame;
    if (main_->isVisible()) return frame + client_->mapTo(main_, QPoint(0, 0));
    return frame + QPoint(0, Chrome(true) - (status_ ? main_->statusBar()->sizeHint().height() : 0));
  }

  // x, y place the client area on the screen.
  void SetShape(int x, int y, int w, int h) override {
    w = std::max(w, 1);
    h = std::max(h, 1);
    if (tool_ && !(style_ & WindowResizable)) tool_->setFixedSize(w, h);
    int cw = Chrome(false), ch = Chrome(true);
    widget->resize(w + cw, h + ch);
    if (main_ && !main_->isVisible()) client_->resize(w, h);
    clientSize_ = QSize(w, h);
    clientPos_ = QPoint(x, y);
    widget->move(clientPos_ - ClientOffset());
    Relayout();
  }
  // A hidden window is where it was last placed; its menu bar and toolbar
  // take their final height only once it is shown.
  int X() const override { return widget->isVisible() ? widget->pos().x() + ClientOffset().x() : clientPos_.x(); }
  int Y() const override { return widget->isVisible() ? widget->pos().y() + ClientOffset().y() : clientPos_.y(); }

  // Shrinks the client area (not below minW x minH) until the whole window,
  // frame included, fits the screen's available area, then moves it inside;
  // a window still too large keeps its top-left corner visible.
  void KeepOnScreen(int minW, int minH) override {
    QScreen* screen = widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QPoint off = ClientOffset();
    const int extraW = widget->frameGeometry().width() - widget->geometry().width() + Chrome(false);
    const int extraH = (widget->frameGeometry().height() - widget->geometry().height()) + Chrome(true);
    int w = clientSize_.width(), h = clientSize_.height();
    if (w + extraW > area.width()) w = std::max({area.width() - extraW, minW, 1});
    if (h + extraH > area.height()) h = std::max({area.height() - extraH, minH, 1});
    int left = X() - off.x(), top = Y() - off.y();
    left = std::max(std::min(left, area.right() + 1 - (w + extraW)), area.left());
    top = std::max(std::min(top, area.bottom() + 1 - (h + extraH)), area.top());
    SetShape(left + off.x(), top + off.y(), w, h);
  }
  int Width() const override { return clientSize_.width(); }
  int Height() const override { return clientSize_.height(); }
  void Show() override {
    const bool wasHidden = !widget->isVisible();
    widget->show();
    if (wasHidden) widget->move(clientPos_ - ClientOffset());
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
  QPoint clientPos_;
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
  bool SimulatedClick() override {
    Trigger();
    return true;
  }

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
    // Larger sizes only for the pixel densities of the screens there are.
    qreal density = 1;
    for (QScreen* screen : QGuiApplication::screens()) density = std::max(density, screen->devicePixelRatio());
    const int largest = std::min(3, static_cast<int>(std::ceil(density)));
    for (size_t i = 0; i < blank.size(); ++i) {
      QAction* a;
      if (blank[i]) {
        a = bar_->addSeparator();
      } else {
        QImage c = img.copy(static_cast<int>(i) * cell, 0, cell, cell);
        QIcon icon;
        icon.addPixmap(QPixmap::fromImage(c));
        // Sharp on high-density screens: the larger sizes scaled smoothly.
        for (int f = 2; f <= largest; ++f) {
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
  void SimulatedItemClick(int i) override {
    if (widget->isEnabled()) Trigger(i);
  }

 private:
  QToolBar* bar_ = nullptr;
  std::vector<QAction*> actions_;
  std::vector<bool> separator_;
};


}  // namespace detail

using namespace detail;

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

}  // namespace gui
