// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up benchmark's baseline: a bare Qt Widgets main window with a menu
// bar, a status line and an empty central widget, shaped like the game's first
// window (client area at 20, 120, at most 1024 x 768). It reports its first
// frame the same way the game does (PARLAVINTO_FIRST_FRAME).
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QWidget>

#include <algorithm>

#include "platform/gui/firstframe.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  gui::ReportFirstFrame(&app);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Bare window"));
  for (const char* title : {"Datei", "Start", "Optionen"})
    window.menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("Eintrag"));
  window.statusBar()->showMessage(QStringLiteral("Bereit"));
  window.setCentralWidget(new QWidget);
  const QRect desk = app.primaryScreen() ? app.primaryScreen()->availableGeometry() : QRect(0, 0, 1280, 1024);
  const int w = std::min(desk.width() - 40, 1024), h = std::min(desk.height() - 180, 768);
  window.move(20, 120);
  window.resize(w, h + window.menuBar()->sizeHint().height() + window.statusBar()->sizeHint().height());
  window.show();
  return app.exec();
}
