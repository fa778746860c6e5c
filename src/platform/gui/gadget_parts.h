// SPDX-License-Identifier: GPL-3.0-or-later
// Private to the gadget layer: the part every gadget shares (its placement,
// key filter, localization source), the generic gadget template and the
// small conversions between our types and the toolkit's.
#pragma once
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

#include "platform/fs/fs.h"
#include "platform/text.h"

namespace gui {
namespace detail {

inline QString Q(const u16& s) { return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size())); }
inline u16 U(const QString& s) { return u16(reinterpret_cast<const char16_t*>(s.utf16()), static_cast<size_t>(s.size())); }
// Qt reads "&" as a mnemonic marker; the system's texts show it as it stands.
inline QString Amp(const u16& s) { return Q(s).replace(QLatin1Char('&'), QLatin1String("&&")); }

QImage ToQImage(const draw::Pixmap& p);
QImage SharedQImage(const draw::PixmapPtr& p);
draw::PixmapPtr FromQImage(const QImage& src);
// Windows virtual-key code of a Qt key event, and the Qt key of a code.
int VirtualKey(const QKeyEvent* e);
Qt::Key QtKeyOf(int vk);
void Emit(int id, Object* source, int data = 0, int x = 0, int y = 0);
int MouseButtonNumber(Qt::MouseButton b);
QString ScriptFamily();

// Localization registry: gadget -> text source, list items.
extern std::map<Gadget*, u16> g_localized;
extern std::map<Gadget*, std::vector<std::pair<int, u16>>> g_localizedItems;
bool RegisteringTexts();
u16 LocalizeString(const u16& text);

struct Impl;
extern QHash<const QObject*, Impl*> g_byWidget;
extern QHash<QWidget*, QPointer<QAbstractButton>> g_defaultButtons;  // window widget -> button

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
  // A child was shown or hidden.
  virtual void KidsChanged() {}
  // Input as if from the user: a click handled by the gadget itself (true),
  // an item of a toolbar chosen.
  virtual bool SimulatedClick() { return false; }
  virtual void SimulatedItemClick(int index) {}
  // Drop-down lists: the text shown for an item.
  virtual void SetItemShown(int index, const u16& text) {}

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
      // Never moved above or left of the parent's client area (a gadget placed
      // there stays where it was placed).
      outPos = std::max(KeepCentre(pos, size, parentNow, parentPlaced), std::min(pos, 0));
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

inline Impl* ImplOf(const Gadget* g) { return g ? dynamic_cast<Impl*>(const_cast<Gadget*>(g)) : nullptr; }

// Registers the widget of a gadget and watches it (key filters, mouse presses).
void Watch(Impl* impl, QWidget* w);
QWidget* ParentWidget(Gadget* parent);

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
  void Show() override {
    widget->setVisible(true);
    if (parent) parent->KidsChanged();
  }
  void Hide() override {
    widget->setVisible(false);
    if (parent) parent->KidsChanged();
  }
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

}  // namespace detail
}  // namespace gui
