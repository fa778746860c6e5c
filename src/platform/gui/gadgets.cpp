// SPDX-License-Identifier: GPL-3.0-or-later
// Gadgets: what all of them share, and the helpers of the public API.
#include "platform/gui/gadget_parts.h"

namespace gui {
namespace detail {

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


void Emit(int id, Object* source, int data, int x, int y) {
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

TextLocalizer g_localizer;

// Texts given at creation are localization sources (start-up decides).
bool RegisteringTexts() { return g_localizer.registering && g_localizer.registering(); }
u16 LocalizeString(const u16& text) { return g_localizer.translate ? g_localizer.translate(text) : text; }


QHash<const QObject*, Impl*> g_byWidget;

QWidget* ParentWidget(Gadget* parent) {
  Impl* p = ImplOf(parent);
  return p ? p->ClientArea() : nullptr;
}

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


}  // namespace detail

using namespace detail;

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

u16 DialogFilter(const u16& filter) {
  // "Description:ext1,ext2" -> "Description (*.ext1 *.ext2)"
  QString f = Q(filter);
  int colon = f.indexOf(QLatin1Char(':'));
  if (colon < 0) return filter;
  QStringList patterns;
  for (const QString& ext : f.mid(colon + 1).split(QLatin1Char(','), Qt::SkipEmptyParts))
    patterns << QStringLiteral("*.") + ext.trimmed();
  // A description that already names its patterns keeps only its words.
  QString words = f.left(colon);
  int star = words.indexOf(QLatin1Char('*'));
  if (star >= 0) words = words.left(star).trimmed();
  return U(words + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QStringLiteral(")"));
}

u16 RequestFile(const u16& title, const u16& filter, const u16& startFolder, bool save) {
  if (g_requestFile) return g_requestFile(title, filter, startFolder, save);
  if (!Initialized()) return u16();
  QString qtFilter = Q(DialogFilter(filter));
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

void SetTextLocalizer(TextLocalizer localizer) { g_localizer = std::move(localizer); }

void RelocalizeAll() {
  for (auto& [gadget, source] : g_localized) {
    if (auto* w = dynamic_cast<G<Gadget>*>(gadget)) w->Relocalized(LocalizeString(source));
  }
  for (auto& [gadget, items] : g_localizedItems)
    if (Impl* c = ImplOf(gadget))
      for (auto& [index, source] : items) c->SetItemShown(index, LocalizeString(source));
}


}  // namespace gui
