// SPDX-License-Identifier: GPL-3.0-or-later
// Gadgets on real Qt widgets (offscreen): toolbar cells, the layout rule,
// steppers, key filters, exclusive radio buttons, window close and mouse presses.
#include <gtest/gtest.h>

#include <vector>

#include "platform/fs/fs.h"
#include "platform/gui/gadgets.h"
#include "platform/gui/gui.h"

namespace {

void Drain(std::vector<gui::Event>* into = nullptr) {
  gui::Event e;
  while (gui::PollEvent(e))
    if (into) into->push_back(e);
}

class GadgetTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { gui::Init(0, nullptr); }
  void SetUp() override {
    win = gui::CreateWindow(u"Test", 0, 0, 400, 300, nullptr, gui::WindowTitle | gui::WindowResizable);
    Drain();
  }
  void TearDown() override {
    win->Hide();
    Drain();
  }
  gui::Gadget* win = nullptr;
};

draw::Pixmap Strip(int cells, int size, uint32_t fill) { return draw::Pixmap(cells * size, size, fill); }

TEST(ToolbarCells, BlankCellsBecomeSeparators) {
  struct Case {
    const char* name;
    std::function<draw::Pixmap()> make;
    std::vector<bool> want;
  };
  const std::vector<Case> cases = {
      {"all uniform", [] { return Strip(3, 4, 0x00000000); }, {true, true, true}},
      {"one pixel differs", [] {
         auto p = Strip(3, 4, 0xff102030);
         p.pixels[1 * 12 + 4 + 3] = 0xff102031;  // cell 1, x 3, y 1
         return p;
       }, {true, false, true}},
      {"top-left alone differs", [] {
         auto p = Strip(2, 4, 0x00000000);
         p.pixels[4] = 0x01000000;  // top-left pixel of cell 1 (x = 4, y = 0)
         return p;
       }, {true, false}},
      {"same colour, other alpha", [] {
         auto p = Strip(2, 4, 0x00ffffff);
         p.pixels[3 * 8 + 7] = 0xffffffff;
         return p;
       }, {true, false}},
      {"width not a multiple of the height", [] { return draw::Pixmap(10, 4, 0); }, {true, true}},
      {"narrower than tall", [] { return draw::Pixmap(3, 4, 0); }, {}},
      {"empty", [] { return draw::Pixmap(); }, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(c.want, gui::ToolbarCells(c.make())) << c.name;
}

TEST(ToolbarCells, ShippedStripHasItsSeparators) {
  gui::Init(0, nullptr);
  fs::RegisterEmbeddedArchive();
  auto strip = gui::LoadPixmap(fs::EmbeddedRoot() + u"Images/NewToolbar.png");
  ASSERT_TRUE(strip);
  EXPECT_EQ(772, strip->width);
  EXPECT_EQ(48, strip->height);
  std::vector<bool> want(16, false);
  for (int i : {2, 6, 10, 11, 12, 13, 14, 15}) want[i] = true;
  EXPECT_EQ(want, gui::ToolbarCells(*strip));
}

TEST(ToolbarCells, UnreadablePictureGivesNoPixmap) {
  gui::Init(0, nullptr);
  EXPECT_EQ(nullptr, gui::LoadPixmap(u"/nonexistent/strip.png"));
}

TEST(KeepCentre, IntegerFormula) {
  struct Case {
    int x, w, now, then, want;
  };
  const Case cases[] = {
      {100, 400, 1000, 1000, 100},   // unchanged parent
      {100, 400, 1200, 1000, 160},   // 1200 * 300 / 1000 - 200
      {100, 400, 448, 1000, -66},    // 448 * 300 / 1000 = 134, - 200
      {90, 851, 1020, 996, 102},     // odd width: w div 2 = 425; 1020 * 515 / 996 = 527
      {5, 10, 0, 100, -5},
      {7, 3, 50, 0, 7},              // no placed size: stays
  };
  for (const auto& c : cases) EXPECT_EQ(c.want, gui::KeepCentre(c.x, c.w, c.now, c.then)) << c.x << " " << c.now;
}

TEST_F(GadgetTest, ChildrenFollowTheLayoutRuleOnResize) {
  gui::Gadget* full = gui::CreatePanel(-2, 0, 400, 300, win, gui::PanelPlain);
  full->SetFollow(gui::EdgeAll);
  gui::Gadget* centred = gui::CreatePanel(100, 50, 100, 60, win, gui::PanelPlain);
  gui::Gadget* corner = gui::CreatePanel(20, 30, 50, 40, win, gui::PanelPlain);
  corner->SetFollow(gui::EdgeLeft | gui::EdgeTop);
  gui::Gadget* right = gui::CreatePanel(300, 200, 50, 40, win, gui::PanelPlain);
  right->SetFollow(gui::EdgeRight | gui::EdgeBottom);

  win->SetShape(0, 0, 800, 450);
  EXPECT_EQ(800, win->ClientWidth());
  EXPECT_EQ(450, win->ClientHeight());
  EXPECT_EQ((std::vector<int>{-2, 0, 800, 450}),
            (std::vector<int>{full->X(), full->Y(), full->Width(), full->Height()}));
  EXPECT_EQ((std::vector<int>{800 * 150 / 400 - 50, 450 * 80 / 300 - 30, 100, 60}),
            (std::vector<int>{centred->X(), centred->Y(), centred->Width(), centred->Height()}));
  EXPECT_EQ((std::vector<int>{20, 30, 50, 40}),
            (std::vector<int>{corner->X(), corner->Y(), corner->Width(), corner->Height()}));
  EXPECT_EQ((std::vector<int>{700, 350, 50, 40}),
            (std::vector<int>{right->X(), right->Y(), right->Width(), right->Height()}));

  // back to the first size: everything where it was placed
  win->SetShape(0, 0, 400, 300);
  EXPECT_EQ(100, centred->X());
  EXPECT_EQ(50, centred->Y());
  EXPECT_EQ(400, full->Width());
}

TEST_F(GadgetTest, StepperClampsToTheNearerBound) {
  gui::Gadget* s = gui::CreateStepper(10, 10, 32, 26, win);
  s->SetRange(1, 999);
  const std::pair<int, int> cases[] = {{0, 1}, {-50, 1}, {1, 1}, {500, 500}, {999, 999}, {1000, 999}};
  for (auto [in, want] : cases) {
    s->SetValue(in);
    EXPECT_EQ(want, s->Value()) << in;
  }
  s->SetValue(500);
  s->SetRange(1, 9);  // a narrower range pulls the value in
  EXPECT_EQ(9, s->Value());
}

TEST_F(GadgetTest, KeyFilterDecidesBeforeTheFieldAndUserEditsReport) {
  gui::Gadget* f = gui::CreateTextField(10, 10, 100, 20, win);
  std::vector<gui::Event> seen;
  // letters pass, digit characters are dropped, Backspace passes as a key
  f->SetKeyFilter(
      [&seen](const gui::Event& e, gui::Gadget* ctx) {
        seen.push_back(e);
        if (e.id == gui::KeyChar) return (e.data >= u'0' && e.data <= u'9') ? 0 : 1;
        return 1;
      },
      f);
  gui::SimulateText(f, u"a1b2");
  EXPECT_EQ(u"ab", f->Text());
  gui::SimulateKey(f, 8, u'\b');
  EXPECT_EQ(u"a", f->Text());
  ASSERT_GE(seen.size(), 2u);
  EXPECT_EQ(gui::KeyDown, seen[0].id);
  EXPECT_EQ(65, seen[0].data);
  EXPECT_EQ(gui::KeyChar, seen[1].id);
  EXPECT_EQ(u'a', seen[1].data);
  EXPECT_EQ(f, seen[1].source);

  std::vector<gui::Event> events;
  Drain(&events);
  int actions = 0;
  for (auto& e : events) actions += (e.id == gui::GadgetAction && e.source == f);
  EXPECT_EQ(3, actions);  // "a", "b" and the backspace
  f->SetText(u"set by the system");
  events.clear();
  Drain(&events);
  for (auto& e : events) EXPECT_FALSE(e.id == gui::GadgetAction && e.source == f);
}

TEST_F(GadgetTest, RadioSiblingsExcludeEachOtherOnlyWithinTheirParent) {
  gui::Gadget* a = gui::CreateToggleRadio(u"1", 0, 0, 50, 50, win);
  gui::Gadget* b = gui::CreateToggleRadio(u"2", 0, 60, 50, 50, win);
  gui::Gadget* other = gui::CreatePanel(200, 0, 100, 100, win);
  gui::Gadget* c = gui::CreateRadioButton(u"x", 0, 0, 80, 20, other);
  c->SetChecked(true);
  gui::SimulateClick(a);
  EXPECT_TRUE(a->Checked());
  gui::SimulateClick(b);
  EXPECT_TRUE(b->Checked());
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(c->Checked());
  b->SetChecked(false);
  EXPECT_FALSE(b->Checked());
  std::vector<gui::Event> events;
  Drain(&events);
  int fromA = 0, fromB = 0;
  for (auto& e : events) {
    fromA += e.id == gui::GadgetAction && e.source == a;
    fromB += e.id == gui::GadgetAction && e.source == b;
  }
  EXPECT_EQ(1, fromA);
  EXPECT_EQ(1, fromB);
}

TEST_F(GadgetTest, CloseBoxReportsAndLeavesTheWindowOpen) {
  win->Show();
  Drain();
  gui::SimulateClose(win);
  std::vector<gui::Event> events;
  Drain(&events);
  bool closed = false;
  for (auto& e : events) closed |= e.id == gui::WindowClose && e.source == win;
  EXPECT_TRUE(closed);
  EXPECT_TRUE(win->Visible());
}

TEST_F(GadgetTest, MouseSensitiveGadgetsReportPresses) {
  gui::Gadget* quiet = gui::CreatePanel(0, 0, 100, 100, win);
  gui::Gadget* loud = gui::CreatePanel(100, 0, 100, 100, win);
  loud->SetMouseSensitive(true);
  gui::SimulateClick(quiet, 5, 5);
  gui::SimulateClick(loud, 7, 9);
  std::vector<gui::Event> events;
  Drain(&events);
  std::vector<gui::Event> downs;
  for (auto& e : events)
    if (e.id == gui::MouseDown) downs.push_back(e);
  ASSERT_EQ(1u, downs.size());
  EXPECT_EQ(loud, downs[0].source);
  EXPECT_EQ(7, downs[0].x);
  EXPECT_EQ(9, downs[0].y);
}

TEST_F(GadgetTest, CanvasSurfaceFollowsTheWidgetAndKeysArriveAsVirtualKeys) {
  gui::Canvas* c = gui::CreateCanvas(0, 0, 200, 100, win);
  EXPECT_EQ(200, c->Surface().Width());
  EXPECT_EQ(100, c->Surface().Height());
  c->SetShape(0, 0, 320, 240);
  EXPECT_EQ(320, c->Surface().Width());
  EXPECT_EQ(240, c->Surface().Height());

  const std::pair<int, char16_t> keys[] = {{49, u'1'}, {101, u'5'}, {13, u'\r'}, {37, 0}, {65, u'a'}, {16, 0}};
  for (auto [vk, ch] : keys) {
    gui::SimulateKey(c, vk, ch);
    std::vector<gui::Event> events;
    Drain(&events);
    std::vector<int> got;
    for (auto& e : events)
      if (e.source == c && (e.id == gui::KeyDown || e.id == gui::KeyUp)) got.push_back(e.id), got.push_back(e.data);
    EXPECT_EQ((std::vector<int>{gui::KeyDown, vk, gui::KeyUp, vk}), got) << vk;
  }
}

TEST_F(GadgetTest, DropDownListItems) {
  gui::Gadget* d = gui::CreateComboBox(0, 0, 100, 25, win);
  for (auto t : {u"Oper", u"Jazz", u""}) d->AddItem(t);
  EXPECT_EQ(3, d->ItemCount());
  d->SelectItem(1);
  EXPECT_EQ(u"Jazz", d->Text());
  d->ClearItems();
  EXPECT_EQ(0, d->ItemCount());
  EXPECT_EQ(u"", d->Text());
}

// The digit row by its physical keys: the same codes on every layout.
TEST(DigitRowKey, PhysicalKeysOfTheDigitRow) {
  const struct {
    int scan;
    const char* platform;
    int want;
  } cases[] = {{10, "xcb", 49}, {14, "xcb", 53}, {18, "xcb", 57}, {19, "xcb", 48}, {10, "wayland", 49},
               {9, "xcb", 0},   {20, "xcb", 0},  {87, "xcb", 0},  {10, "offscreen", 0}, {0, "xcb", 0}};
  for (const auto& c : cases) EXPECT_EQ(c.want, gui::DigitRowKey(c.scan, c.platform)) << c.scan << " " << c.platform;
}

TEST(DialogFilter, PatternsShownOnce) {
  EXPECT_EQ(u"Bilder (*.png *.jpg *.bmp)", gui::DialogFilter(u"Bilder *.png *.jpg *.bmp:png,jpg,bmp"));
  EXPECT_EQ(u"Frage-Liste (*.lst)", gui::DialogFilter(u"Frage-Liste:lst"));
  EXPECT_EQ(u"Audio (*.ogg)", gui::DialogFilter(u"Audio *.ogg:ogg"));
  EXPECT_EQ(u"", gui::DialogFilter(u""));
}

// Texts given at creation reach the screen through the localizer that start-up
// hands in; without one they are shown as given.
TEST_F(GadgetTest, CaptionsGoThroughTheHandedInLocalizer) {
  bool registering = true;
  gui::u16 mark = u"*";
  gui::SetTextLocalizer({[&] { return registering; }, [&](const gui::u16& t) { return mark + t; }});
  gui::Gadget* a = gui::CreateLabel(u"Hilfe", 0, 0, 50, 20, win);
  gui::Gadget* b = gui::CreateButton(u"OK", 0, 30, 50, 20, win);
  registering = false;
  gui::Gadget* c = gui::CreateLabel(u"Datei", 0, 60, 50, 20, win);
  EXPECT_EQ(u"*Hilfe", a->Text());
  EXPECT_EQ(u"*OK", b->Text());
  EXPECT_EQ(u"Datei", c->Text());
  mark = u"#";
  b->SetText(u"Ok");  // a text set later is no localization source
  gui::RelocalizeAll();
  EXPECT_EQ(u"#Hilfe", a->Text());
  EXPECT_EQ(u"Ok", b->Text());
  EXPECT_EQ(u"Datei", c->Text());
  gui::SetTextLocalizer({});
  EXPECT_EQ(u"Neu", gui::CreateLabel(u"Neu", 0, 90, 50, 20, win)->Text());
}

}  // namespace
