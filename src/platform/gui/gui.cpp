// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gui/gui.h"

#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QIcon>
#include <QMessageBox>
#include <QScreen>
#include <QSocketNotifier>
#include <QTimer>
#include <QTranslator>
#include <QUrl>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <deque>
#include <fcntl.h>
#include <memory>
#include <unistd.h>
#include <vector>

#include "platform/diagnostic.h"
#include "platform/gui/firstframe.h"
#include "platform/text.h"

namespace gui {
namespace {

struct Hook {
  int handle;
  int priority;
  HookFunction fn;
  void* context;
};

std::deque<Event> g_queue;
Event g_current;
std::vector<Hook> g_hooks;
int g_nextHook = 1;
u16 g_title;
std::function<int(const u16&)> g_confirm;
std::function<void(const u16&)> g_warn;
std::function<bool(const u16&)> g_open;
QApplication* g_app = nullptr;
int g_signalPipe[2] = {-1, -1};

void OnSignal(int) {
  char c = 1;
  if (g_signalPipe[1] >= 0) {
    ssize_t r = write(g_signalPipe[1], &c, 1);
    (void)r;
  }
}

// Ending signals arrive as AppTerminate events through a self-pipe.
void InstallSignalHandlers() {
  if (pipe(g_signalPipe) != 0) return;
  fcntl(g_signalPipe[0], F_SETFL, O_NONBLOCK);
  fcntl(g_signalPipe[1], F_SETFL, O_NONBLOCK);
  auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, g_app);
  QObject::connect(notifier, &QSocketNotifier::activated, [] {
    char buf[64];
    while (read(g_signalPipe[0], buf, sizeof buf) > 0) {
    }
    Event e;
    e.id = AppTerminate;
    EmitEvent(e);
  });
  struct sigaction sa {};
  sa.sa_handler = OnSignal;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &sa, nullptr);
  sigaction(SIGINT, &sa, nullptr);
  sigaction(SIGHUP, &sa, nullptr);
}

void MessageFilter(QtMsgType type, const QMessageLogContext& ctx, const QString& msg) {
  // The offscreen platform reports what it cannot do (raise(), size hints); harmless.
  if (msg.startsWith(QLatin1String("This plugin does not support"))) return;
  std::fprintf(stderr, "%s\n", msg.toLocal8Bit().constData());
  if (type == QtFatalMsg) std::abort();
}

class QtTimer : public Timer {
 public:
  explicit QtTimer(double hertz) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(hertz > 0 ? static_cast<int>(1000.0 / hertz + 0.5) : 1000);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      ++ticks_;
      Event e;
      e.id = TimerTick;
      e.source = this;
      e.data = ticks_;
      EmitEvent(e);
    });
    timer_.start();
  }
  void Stop() override { timer_.stop(); }
  int Ticks() const override { return ticks_; }

 private:
  QTimer timer_;
  int ticks_ = 0;
};

QString Q(const u16& s) { return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

void Init(int argc, char** argv) {
  if (g_app) return;
  qInstallMessageHandler(MessageFilter);
  static int s_argc = 1;
  static char s_name[] = "parlavinto";
  static char* s_argv[] = {s_name, nullptr};
  if (argc > 0 && argv) {
    s_argc = argc;
    static std::vector<char*> keep(argv, argv + argc);
    keep.push_back(nullptr);
    g_app = new QApplication(s_argc, keep.data());
  } else {
    g_app = new QApplication(s_argc, s_argv);
  }
  g_app->setQuitOnLastWindowClosed(false);
  // The toolkit's own texts (dialog buttons, file dialogs, context menus) in
  // German like the rest of the interface, from the system's Qt translations.
  auto* german = new QTranslator(g_app);
  if (german->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(german);
  // Lets task bars and Wayland compositors match the windows to the desktop
  // entry, and gives every window the application icon (from the resources
  // linked into the program; the installed icon theme is the fallback).
  QGuiApplication::setDesktopFileName(QStringLiteral(PARLAVINTO_APP_ID));
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    QString file = QStringLiteral(":/icons/%1x%1/apps/" PARLAVINTO_APP_ID ".png").arg(size);
    if (QFileInfo::exists(file)) icon.addFile(file, QSize(size, size));
  }
  if (icon.isNull()) icon = QIcon::fromTheme(QStringLiteral(PARLAVINTO_APP_ID));
  QApplication::setWindowIcon(icon);
  InstallSignalHandlers();
  ReportFirstFrame(g_app);
}

u16 DesktopFileName() {
  QString name = QGuiApplication::desktopFileName();
  return u16(reinterpret_cast<const char16_t*>(name.utf16()), static_cast<size_t>(name.size()));
}

std::vector<int> WindowIconSizes() {
  std::vector<int> sizes;
  for (const QSize& s : QApplication::windowIcon().availableSizes()) sizes.push_back(s.width());
  return sizes;
}

bool Initialized() { return g_app != nullptr; }

void EmitEvent(const Event& ev) {
  Event e = ev;
  // Hooks run before queueing, highest priority first.
  std::vector<Hook> hooks = g_hooks;
  for (auto& h : hooks) e = h.fn(e.id, e, h.context);
  if (e.id == TimerTick) {
    for (const auto& q : g_queue)
      if (q.id == TimerTick && q.source == e.source) return;
  }
  g_queue.push_back(e);
}

int AddHook(HookFunction fn, int priority, void* context) {
  Hook h{g_nextHook++, priority, std::move(fn), context};
  auto it = g_hooks.begin();
  while (it != g_hooks.end() && it->priority >= priority) ++it;
  g_hooks.insert(it, std::move(h));
  return h.handle;
}

void RemoveHook(int handle) {
  for (auto it = g_hooks.begin(); it != g_hooks.end(); ++it)
    if (it->handle == handle) {
      g_hooks.erase(it);
      return;
    }
}

Event WaitEvent() {
  while (g_queue.empty()) {
    if (g_app) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
    else {
      Event e;  // nothing can ever arrive without the toolkit
      return e;
    }
  }
  Event e = g_queue.front();
  g_queue.pop_front();
  g_current = e;
  return e;
}

bool PollEvent(Event& out) {
  if (g_app) QCoreApplication::processEvents(QEventLoop::AllEvents);
  if (g_queue.empty()) return false;
  out = g_queue.front();
  g_queue.pop_front();
  g_current = out;
  return true;
}

void ProcessPending() {
  if (g_app) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

const Event& CurrentEvent() { return g_current; }

int QueuedEvents() { return static_cast<int>(g_queue.size()); }
void ClearQueue() { g_queue.clear(); }

Timer* CreateTimer(double hertz) { return new QtTimer(hertz); }

int Millisecs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  long long ms = static_cast<long long>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
  return static_cast<int>(static_cast<uint32_t>(ms));
}

void SetAppTitle(const u16& title) {
  g_title = title;
  if (g_app) QApplication::setApplicationName(Q(title));
}
const u16& AppTitle() { return g_title; }

int Confirm(const u16& textValue) {
  if (g_confirm) return g_confirm(textValue);
  if (!g_app) return 0;
  QMessageBox box(QMessageBox::Information, Q(g_title), Q(textValue), QMessageBox::Ok | QMessageBox::Cancel);
  box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  box.setDefaultButton(QMessageBox::Ok);
  return box.exec() == QMessageBox::Ok ? 1 : 0;
}

void SetConfirmHandler(std::function<int(const u16&)> handler) { g_confirm = std::move(handler); }

void Warn(const u16& textValue) {
  if (g_warn) return g_warn(textValue);
  if (!g_app) {
    platform::Diagnostic(text::ToUtf8(textValue));
    return;
  }
  QMessageBox box(QMessageBox::Warning, Q(g_title), Q(textValue), QMessageBox::Ok);
  box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  box.exec();
}

void SetWarnHandler(std::function<void(const u16&)> handler) { g_warn = std::move(handler); }

bool OpenDocument(const u16& target) {
  if (g_open) return g_open(target);
  QString t = Q(target);
  QUrl url;
  if (t.startsWith(QLatin1String("http://")) || t.startsWith(QLatin1String("https://")) ||
      t.startsWith(QLatin1String("file:")))
    url = QUrl(t);
  else
    url = QUrl::fromLocalFile(QFileInfo(t).absoluteFilePath());
  return QDesktopServices::openUrl(url);
}

void SetOpenDocumentHandler(std::function<bool(const u16&)> handler) { g_open = std::move(handler); }

int DesktopWidth() {
  if (g_app && QGuiApplication::primaryScreen()) return QGuiApplication::primaryScreen()->availableGeometry().width();
  return 1920;
}
int DesktopHeight() {
  if (g_app && QGuiApplication::primaryScreen()) return QGuiApplication::primaryScreen()->availableGeometry().height();
  return 1080;
}

void ExitProcess(int code) {
  std::fflush(stdout);
  std::fflush(stderr);
  std::_Exit(code);
}

}  // namespace gui
