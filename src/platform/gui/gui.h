// SPDX-License-Identifier: GPL-3.0-or-later
// Toolkit layer: application object, event queue with a blocking wait, the
// emission hook, timers, message boxes and the desktop services. Backed by
// Qt 6 Widgets; no Qt type appears in this header.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace gui {

using u16 = std::u16string;

// Event kinds (ids of the system's event model).
enum EventId : int {
  AppTerminate = 259,
  KeyDown = 513,
  KeyUp = 514,
  KeyChar = 515,
  MouseDown = 1025,
  MouseUp = 1026,
  MouseMove = 1027,
  MouseLeave = 1030,
  TimerTick = 2049,
  GadgetAction = 8193,
  GadgetPaint = 8194,
  WindowSize = 16386,
  WindowClose = 16387,
  MenuAction = 32769,
};

// Anything that can be the source of an event: gadgets, windows, timers.
class Object {
 public:
  virtual ~Object() = default;
};

struct Event {
  int id = 0;
  Object* source = nullptr;
  int data = 0;
  int x = 0;
  int y = 0;
  // The object an event was originally aimed at for key filters etc.
  int extra = 0;
};

// Creates the application object. Safe to call more than once.
void Init(int argc, char** argv);
bool Initialized();
// The identity Init gives the application: the desktop entry's name (without
// ".desktop") and the pixel sizes of the window icon.
std::u16string DesktopFileName();
std::vector<int> WindowIconSizes();

// Emits an event: every hook runs first, synchronously and in priority order
// (highest first), each receiving the event the previous one returned; then
// the event is queued. A timer tick is not queued while another one waits.
void EmitEvent(const Event& e);
using HookFunction = std::function<Event(int id, const Event& e, void* context)>;
int AddHook(HookFunction fn, int priority, void* context);
void RemoveHook(int handle);

// Blocks until an event is queued (pumping the toolkit meanwhile, without
// using CPU) and returns it.
Event WaitEvent();
// Pumps the toolkit without blocking; returns true and the event if one is queued.
bool PollEvent(Event& out);
// Pumps the toolkit once without blocking (tests).
void ProcessPending();
int QueuedEvents();
// The event most recently taken from the queue by WaitEvent or PollEvent (the
// event being handled): its source, data and position.
const Event& CurrentEvent();
void ClearQueue();

// A periodic timer that emits TimerTick events (data = tick count, source =
// the timer). Lives until the process ends.
class Timer : public Object {
 public:
  virtual void Stop() = 0;
  virtual int Ticks() const = 0;
};
Timer* CreateTimer(double hertz);

// Milliseconds since system start, as a plain int (comparisons are signed).
int Millisecs();

void SetAppTitle(const u16& title);
const u16& AppTitle();

// OK/Cancel message box with an information icon, on top, captioned with the
// application title. Returns 1 for OK, 0 for Cancel. Tests can install a
// handler that answers instead of the user.
int Confirm(const u16& text);
void SetConfirmHandler(std::function<int(const u16& text)> handler);
// Message box with a warning icon and an OK button, on top, captioned with
// the application title: tells the user of something that went wrong. Tests
// can install a handler that receives the text instead.
void Warn(const u16& text);
void SetWarnHandler(std::function<void(const u16& text)> handler);

// Opens a document (native path) or a web address with the desktop's default
// application; returns false when nothing could be started.
bool OpenDocument(const u16& pathOrUrl);
void SetOpenDocumentHandler(std::function<bool(const u16&)> handler);

// Desktop size in device-independent pixels (1920 x 1080 when unknown).
int DesktopWidth();
int DesktopHeight();

// Flushes standard output and ends the process at once with the exit code.
[[noreturn]] void ExitProcess(int code);

}  // namespace gui
