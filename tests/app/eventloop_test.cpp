// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/eventloop.h"

#include <gtest/gtest.h>

#include "game/gameflow.h"
#include "ui/mainwindow.h"

namespace {

// A window that only remembers its shape, so the relayout can be checked
// without a toolkit.
class FakeGadget : public gui::Gadget {
 public:
  explicit FakeGadget(gui::GadgetClass c, gui::Gadget* parent = nullptr) : class_(c), parent_(parent) {}
  gui::GadgetClass Class() const override { return class_; }
  gui::Gadget* Parent() const override { return parent_; }
  void Show() override { visible_ = true; }
  void Hide() override { visible_ = false; }
  bool Visible() const override { return visible_; }
  void Enable() override { enabled_ = true; }
  void Disable() override { enabled_ = false; }
  bool Enabled() const override { return enabled_; }
  void SetText(const gui::u16& t) override { text_ = t; }
  gui::u16 Text() const override { return text_; }
  void SetShape(int x, int y, int w, int h) override {
    x_ = x; y_ = y; w_ = w; h_ = h;
    ++shapes;
  }
  int X() const override { return x_; }
  int Y() const override { return y_; }
  int Width() const override { return w_; }
  int Height() const override { return h_; }
  int ClientWidth() const override { return w_; }
  int ClientHeight() const override { return h_; }
  void SetChecked(bool on) override { checked_ = on; }
  bool Checked() const override { return checked_; }
  void Focus() override {}
  void Redraw() override { ++redraws; }
  int shapes = 0;
  int redraws = 0;

 private:
  gui::GadgetClass class_;
  gui::Gadget* parent_;
  bool visible_ = true, enabled_ = true, checked_ = false;
  gui::u16 text_;
  int x_ = 0, y_ = 0, w_ = 0, h_ = 0;
};

class FakeCanvas : public gui::Canvas {
 public:
  FakeGadget g{gui::GadgetClass::Canvas};
  draw::Surface surface;
  draw::Surface& Surface() override { return surface; }
  gui::GadgetClass Class() const override { return gui::GadgetClass::Canvas; }
  gui::Gadget* Parent() const override { return nullptr; }
  void Show() override {}
  void Hide() override {}
  bool Visible() const override { return true; }
  void Enable() override {}
  void Disable() override {}
  bool Enabled() const override { return true; }
  void SetText(const gui::u16&) override {}
  gui::u16 Text() const override { return {}; }
  void SetShape(int x, int y, int w, int h) override { g.SetShape(x, y, w, h); }
  int X() const override { return g.X(); }
  int Y() const override { return g.Y(); }
  int Width() const override { return g.Width(); }
  int Height() const override { return g.Height(); }
  int ClientWidth() const override { return g.Width(); }
  int ClientHeight() const override { return g.Height(); }
  void SetChecked(bool) override {}
  bool Checked() const override { return false; }
  void Focus() override {}
  void Redraw() override { ++g.redraws; }
};

class Relayout : public ::testing::Test {
 protected:
  void SetUp() override {
    keepWindow = HauptFenster;
    keepCanvas = HauptCanvas;
    HauptFenster = &window;
    HauptCanvas = &canvas;
  }
  void TearDown() override {
    HauptFenster = keepWindow;
    HauptCanvas = keepCanvas;
  }
  FakeGadget window{gui::GadgetClass::Window};
  FakeCanvas canvas;
  gui::Gadget* keepWindow = nullptr;
  gui::Canvas* keepCanvas = nullptr;
};

TEST_F(Relayout, ScaleFactorsAndMinimumSize) {
  struct Case { int w, h; int wantW, wantH; float sx, sy, s; int bildLinks; };
  const Case cases[] = {
      {300, 900, 450, 900, 0.439453125f, 1.171875f, 0.439453125f, 243},
      {1024, 768, 1024, 768, 1.0f, 1.0f, 1.0f, 554},
      {512, 768, 512, 768, 0.5f, 1.0f, 0.5f, 277},
      {760, 420, 760, 450, 760 / 1024.0f, 450 / 768.0f, 450 / 768.0f, 0},
      {100, 100, 450, 450, 450 / 1024.0f, 450 / 768.0f, 450 / 1024.0f, 0},
      {2048, 1536, 2048, 1536, 2.0f, 2.0f, 2.0f, 1108},
  };
  for (const auto& c : cases) {
    window.SetShape(20, 120, c.w, c.h);
    NeuMalen = 0;
    int redraws = canvas.g.redraws;
    PasseLayoutAn();
    EXPECT_EQ(c.wantW, window.ClientWidth());
    EXPECT_EQ(c.wantH, window.ClientHeight());
    EXPECT_EQ(20, window.X());
    EXPECT_EQ(120, window.Y());
    EXPECT_FLOAT_EQ(c.sx, SkalaX);
    EXPECT_FLOAT_EQ(c.sy, SkalaY);
    EXPECT_FLOAT_EQ(c.s, Skala);
    if (c.bildLinks) EXPECT_EQ(c.bildLinks, BildLinks) << c.w << "x" << c.h;
    EXPECT_EQ(static_cast<int>(c.wantW - 200.0f * SkalaX - 270.0f * Skala), BildLinks);
    EXPECT_EQ(0, canvas.X());
    EXPECT_EQ(0, canvas.Y());
    EXPECT_EQ(c.wantW, canvas.Width());
    EXPECT_EQ(c.wantH, canvas.Height());
    EXPECT_EQ(1, NeuMalen);
    EXPECT_EQ(redraws + 1, canvas.g.redraws);
  }
}

TEST_F(Relayout, MouseMovesOnlyOverTheCanvasAreRemembered) {
  MausX = MausY = 0;
  gui::Event e;
  e.id = gui::MouseMove;
  e.x = 12;
  e.y = 34;
  e.source = &window;
  VerteileEreignis(e);
  EXPECT_EQ(0, MausX);
  e.source = &canvas;
  VerteileEreignis(e);
  EXPECT_EQ(12, MausX);
  EXPECT_EQ(34, MausY);
}

TEST(KeyFilter, NumberListsTakeDigitsBlanksAndMinus) {
  struct Case { int id, data, want; };
  const Case cases[] = {
      {gui::KeyDown, 8, 1},   {gui::KeyDown, 32, 1},  {gui::KeyDown, 37, 1},  {gui::KeyDown, 40, 1},
      {gui::KeyDown, 45, 1},  {gui::KeyDown, 46, 1},  {gui::KeyDown, 48, 1},  {gui::KeyDown, 57, 1},
      {gui::KeyDown, 13, 0},  {gui::KeyDown, 9, 0},   {gui::KeyDown, 36, 0},  {gui::KeyDown, 35, 0},
      {gui::KeyDown, 96, 0},  {gui::KeyDown, 105, 0}, {gui::KeyDown, 109, 0}, {gui::KeyDown, 65, 0},
      {gui::KeyChar, 48, 1},  {gui::KeyChar, 57, 1},  {gui::KeyChar, 32, 1},  {gui::KeyChar, 45, 1},
      {gui::KeyChar, 65, 0},  {gui::KeyChar, 97, 0},  {gui::KeyChar, 13, 0},  {gui::KeyChar, 8, 0},
      {gui::KeyUp, 48, 0},    {gui::MouseDown, 48, 0},
  };
  for (const auto& c : cases) {
    gui::Event e;
    e.id = c.id;
    e.data = c.data;
    EXPECT_EQ(c.want, ListenNummernFilter(e)) << c.id << " " << c.data;
  }
}

TEST(EventQueue, HooksRunBeforeQueueingInPriorityOrder) {
  gui::ClearQueue();
  std::vector<std::string> order;
  int replacement = 77;
  int queuedWhenLow = -1;
  int h1 = gui::AddHook([&](int, const gui::Event& e, void*) { order.push_back("low"); queuedWhenLow = gui::QueuedEvents(); return e; }, 0, nullptr);
  int h2 = gui::AddHook([&](int, const gui::Event& e, void* ctx) {
    order.push_back("high");
    gui::Event copy = e;
    copy.data = *static_cast<int*>(ctx);
    return copy;
  }, 10, &replacement);
  gui::Event e;
  e.id = gui::GadgetAction;
  e.data = 1;
  gui::EmitEvent(e);
  gui::RemoveHook(h1);
  gui::RemoveHook(h2);
  EXPECT_EQ((std::vector<std::string>{"high", "low"}), order);
  EXPECT_EQ(0, queuedWhenLow);
  ASSERT_EQ(1, gui::QueuedEvents());
  gui::Event out;
  ASSERT_TRUE(gui::PollEvent(out));
  EXPECT_EQ(77, out.data);  // the queued event is the one the hooks returned
}

TEST(EventQueue, TimerTicksDoNotPileUp) {
  gui::ClearQueue();
  gui::Event tick;
  tick.id = gui::TimerTick;
  for (int i = 0; i < 100; ++i) gui::EmitEvent(tick);
  gui::Event key;
  key.id = gui::KeyDown;
  gui::EmitEvent(key);
  gui::EmitEvent(tick);
  EXPECT_EQ(2, gui::QueuedEvents());
  gui::ClearQueue();
}

}  // namespace
