// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gui/firstframe.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace gui {
namespace {

// Waits for the first paint of a visible window. The repaint of a window
// paints all its widgets and flushes the result to the display before control
// returns to the event loop, so a zero timer started at the first paint fires
// once the frame is out.
class FirstFrame : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* obj, QEvent* e) override {
    if (e->type() == QEvent::Paint && !seen_) {
      auto* w = qobject_cast<QWidget*>(obj);
      if (w && w->window()->isVisible()) {
        seen_ = true;
        QTimer::singleShot(0, this, [this] {
          timespec ts{};
          clock_gettime(CLOCK_MONOTONIC, &ts);
          const long long us = static_cast<long long>(ts.tv_sec) * 1000000 + ts.tv_nsec / 1000;
          std::fprintf(stderr, "parlavinto-first-frame %lld\n", us);
          std::fflush(stderr);
          qApp->removeEventFilter(this);
          deleteLater();
        });
      }
    }
    return false;
  }

 private:
  bool seen_ = false;
};

}  // namespace

void ReportFirstFrame(QApplication* app) {
  const char* v = std::getenv("PARLAVINTO_FIRST_FRAME");
  if (!app || !v || !*v || std::strcmp(v, "0") == 0) return;
  app->installEventFilter(new FirstFrame(app));
}

}  // namespace gui
