// SPDX-License-Identifier: GPL-3.0-or-later
// Gadgets: the canvas of our renderer and the HTML view.
#include "platform/gui/gadget_parts.h"

namespace gui {
namespace detail {

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
  // The surface gets its pixels when it is first drawn on: a canvas that
  // stays hidden (the quiz canvas while a form is shown) holds none.
  draw::Surface& Surface() override {
    SizeSurface();
    return surface_;
  }
  // A canvas lies above the panels of its parent.
  void Show() override {
    canvas_->show();
    canvas_->raise();
    if (parent) parent->KidsChanged();
  }
  void AfterResize() override { FollowSize(); }
  // After a resize: a surface in use follows the canvas at once.
  void FollowSize() {
    if (surface_.DeviceWidth() > 0) SizeSurface();
  }
  void SizeSurface() {
    double dpr = canvas_->devicePixelRatioF();
    int w = canvas_->width(), h = canvas_->height();
    if (w != surface_.Width() || h != surface_.Height() || dpr != surface_.DeviceScale()) {
      surface_.Resize(w, h, dpr);
      hasFrame_ = false;  // the frame went with the old size
    }
  }
  void SetPixmap(draw::PixmapPtr p, bool tiled) override {
    background_ = SharedQImage(p);
    canvas_->update();
  }
  // Shows the surface's pixels now. They are drawn from the surface itself:
  // between two flips nothing draws on a shown canvas, so the surface holds
  // the frame last flipped whenever the window asks for a repaint.
  void Present() {
    int dw = surface_.DeviceWidth(), dh = surface_.DeviceHeight();
    hasFrame_ = surface_.Pixels() && dw > 0 && dh > 0;
    frameW_ = dw;
    frameH_ = dh;
    ownFlip_ = true;
    canvas_->repaint();
    ownFlip_ = false;
  }
  void Paint(QPainter& p) {
    QRect r = canvas_->rect();
    if (hasFrame_ && frameW_ == surface_.DeviceWidth() && frameH_ == surface_.DeviceHeight()) {
      QImage frame(reinterpret_cast<const uchar*>(surface_.Pixels()), frameW_, frameH_,
                   static_cast<qsizetype>(frameW_) * 4, QImage::Format_RGB32);
      frame.setDevicePixelRatio(surface_.DeviceScale());
      p.drawImage(QPointF(0, 0), frame);
    } else if (!background_.isNull()) {
      p.setRenderHint(QPainter::SmoothPixmapTransform);
      p.drawImage(r, background_);
    } else {
      p.fillRect(r, Qt::black);
    }
    if (!ownFlip_) Emit(GadgetPaint, this);
  }
  // A hidden canvas may be drawn on off screen: shown again, it shows its
  // background until the next flip.
  void Hide() override {
    hasFrame_ = false;
    G<Canvas>::Hide();
  }
  void Redraw() override {
    if (canvas_->isVisible()) canvas_->repaint();
  }
  int pressed = 0;

 private:
  CanvasWidget* canvas_ = nullptr;
  draw::Surface surface_;
  QImage background_;
  bool hasFrame_ = false;
  int frameW_ = 0, frameH_ = 0;
  bool ownFlip_ = false;
};

void CanvasWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  g_->Paint(p);
}
void CanvasWidget::resizeEvent(QResizeEvent*) { g_->FollowSize(); }
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


}  // namespace detail

using namespace detail;

Gadget* CreateHtmlView(int x, int y, int w, int h, Gadget* parent) { return new HtmlGadget(x, y, w, h, parent); }
Canvas* CreateCanvas(int x, int y, int w, int h, Gadget* parent) { return new CanvasGadget(x, y, w, h, parent); }

}  // namespace gui
