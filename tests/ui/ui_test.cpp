// SPDX-License-Identifier: GPL-3.0-or-later
// The main window built for real (offscreen): modes and their transitions,
// menu and toolbar availability, status texts, the player form, the key
// filters, the number stepper, the layout rule and the information window.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/eventloop.h"
#include "app/startup.h"
#include "catalogue/lists.h"
#include "catalogue/questions.h"
#include "game/gameflow.h"
#include "game/players.h"
#include "platform/gui/gadgets.h"
#include "platform/gui/gui.h"
#include "support/built_window.h"
#include "support/sandbox.h"
#include "ui/commands.h"
#include "ui/infowindow.h"
#include "ui/mainwindow.h"

namespace {

const u16 kStatus5 = u" Wählen Sie: 'Quiz spielen', 'Fragenumfang einschränken' oder 'neue Fragen erstellen'.";
const u16 kStatus3 = u" Im Fragen-Editor erstellen Sie neue Fragen.";
const u16 kStatus4 = u" Im Liste-Editor schränken Sie den Fragen-Umfang ein.";

// Takes queued events until one from `source` with the given id arrives; the
// others are dropped. False when none comes.
bool TakeEvent(int id, gui::Object* source, gui::Event& out) {
  gui::Event e;
  while (gui::PollEvent(e))
    if (e.id == id && (source == nullptr || e.source == source)) {
      out = e;
      return true;
    }
  return false;
}

void Drain() {
  gui::Event e;
  while (gui::PollEvent(e)) {
  }
}

// A menu item chosen by the user: nothing happens when it is unreachable.
bool ChooseMenu(int tag) {
  Drain();
  gui::SimulateClick(Menu[tag]);
  gui::Event e;
  if (!TakeEvent(gui::MenuAction, Menu[tag], e)) return false;
  Mdi::MenuAction(e.data);
  return true;
}

// A game makes the form valid again with its first tick; the tests stand in for it.
bool FirstTick(bool ok) {
  SpielBereit = 1;
  return ok;
}

bool ClickTool(int item) {
  Drain();
  gui::SimulateItemClick(Symbolleiste, item);
  gui::Event e;
  if (!TakeEvent(gui::GadgetAction, Symbolleiste, e)) return false;
  Mdi::Event(e.source);
  return true;
}

bool ClickButton(gui::Gadget* b) {
  Drain();
  gui::SimulateClick(b);
  gui::Event e;
  if (!TakeEvent(gui::GadgetAction, b, e)) return false;
  Mdi::Event(e.source);
  return true;
}

void SetPlayers(std::vector<std::pair<u16, u16>> rows) {
  for (int i = 0; i < 5; ++i) {
    TextFeld[Mdi::TEXT_PLAYER + i]->SetText(i < static_cast<int>(rows.size()) ? rows[i].first : u"");
    TextFeld[Mdi::TEXT_ALTER + i]->SetText(i < static_cast<int>(rows.size()) ? rows[i].second : u"");
  }
  Mdi::SpielerAlterCheck();
}

std::set<int> EnabledTools() {
  std::set<int> on;
  for (int i = 0; i < Symbolleiste->ItemCount(); ++i)
    if (Symbolleiste->ItemEnabled(i)) on.insert(i);
  return on;
}

class UiTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static bool built = false;
    if (built) return;
    built = true;
    testing_support::UseDataFolderIn(testing_support::BuiltWindow());
    Themen = {};
    Themen[0] = u"Oper";
    Themen[1] = u"Jazz";
    ThemenAnzahl = 2;
    // the state of the list form as built, before any test applies a list
    ZufaelligNachBau = Button[Mdi::BUT_REIHE_Z]->Checked();
    ListenBereichNachBau = {Slider[Mdi::SLID_LISTE]->RangeA(), Slider[Mdi::SLID_LISTE]->RangeB()};
  }
  static inline bool ZufaelligNachBau = false;
  static inline std::pair<int, int> ListenBereichNachBau;
  void SetUp() override {
    FragenListeDatei.clear();
    if (HauptFenster) HauptFenster->Enable();
    if (InfoFensterGadget) InfoFensterGadget->Hide();
    SetPlayers({{u"Anna", u"12"}});
    Modus = 0;
    Vormode = 0;
    Mdi::StartAls(0);
    Drain();
  }
};

TEST_F(UiTest, StartWithoutValidPlayersOpensThePlayerFormWithTheStartText) {
  SetPlayers({});
  Modus = 0;
  Mdi::StartAls(0);
  EXPECT_EQ(5, Modus);
  EXPECT_EQ(0, Vormode);
  EXPECT_TRUE(HauptFenster->Visible());
  EXPECT_TRUE(Panel[Mdi::PAN_MULTI]->Visible());
  EXPECT_EQ(kStatus5, HauptFenster->StatusText());
  EXPECT_EQ((std::set<int>{0, 8, 9, 10}), EnabledTools());
  EXPECT_FALSE(Menu[Mdi::MENU_START]->Enabled());

  // "Weiter" with an invalid form: the form again
  EXPECT_TRUE(ClickButton(Button[Mdi::BUT_MULTI]));
  EXPECT_EQ(5, Modus);
  // a valid form: the start screen with the players taken
  SetPlayers({{u"Anna", u"12"}, {u"Ben", u"40"}});
  EXPECT_TRUE(ClickButton(Button[Mdi::BUT_MULTI]));
  EXPECT_EQ(0, Modus);
  EXPECT_EQ(2, SpielerAnzahl);
  EXPECT_EQ(u"Ben", Spieler[1]->Name);
  EXPECT_EQ(40, Spieler[1]->Alter);
  EXPECT_FALSE(Panel[Mdi::PAN_MULTI]->Visible());
}

TEST_F(UiTest, TransitionsWithTheirPanelsMenusToolsAndStatus) {
  struct Step {
    const char* what;
    std::function<bool()> act;
    int modus;
    std::vector<gui::Gadget*> visible;
    std::set<int> tools;
    std::set<int> menusOn;
    std::set<int> menusOff;
  };
  const std::set<int> startOn{2, 12, 15, 22, 23, 24, 25, 31, 32, 34, 38};
  const std::set<int> startOff{11, 13, 14, 35, 21};
  const std::vector<Step> steps = {
      {"start screen", [] { return true; }, 0, {Panel[Mdi::PAN_LEER]}, {1, 4, 7, 8, 9, 10}, startOn, startOff},
      {"whole quiz", [] { return FirstTick(ChooseMenu(Mdi::MENU_PLAY_ALL)); }, 1, {HauptCanvas}, {0, 8, 9, 10}, {14},
       {2, 11, 12, 13, 15}},
      {"close the game", [] { return ChooseMenu(Mdi::MENU_CLOSE); }, 0, {Panel[Mdi::PAN_LEER]}, {1, 4, 7, 8, 9, 10},
       startOn, startOff},
      {"toolbar play", [] { return FirstTick(ClickTool(Mdi::TOOL_PLAY)); }, 1, {HauptCanvas}, {0, 8, 9, 10}, {14},
       {2, 11, 12, 13, 15}},
      {"toolbar back", [] { return ClickTool(Mdi::TOOL_EXIT); }, 0, {}, {1, 4, 7, 8, 9, 10}, startOn, startOff},
      {"list editor", [] { return ChooseMenu(Mdi::MENU_LISTE); }, 2, {Panel[Mdi::PANEL_LISTE]}, {0, 4, 5, 8, 9, 10},
       {12, 13, 14}, {2, 11, 15}},
      {"list editor back", [] { return ClickTool(Mdi::TOOL_EXIT); }, 0, {}, {1, 4, 7, 8, 9, 10}, startOn, startOff},
      {"editor", [] { return ChooseMenu(Mdi::MENU_EDIT); }, 3, {Panel[Mdi::PAN_EDIT]}, {0, 1, 5, 8, 9, 10}, {13, 14},
       {2, 11, 12, 15}},
      {"test game", [] { return FirstTick(ClickTool(Mdi::TOOL_PLAY)); }, 4, {HauptCanvas, Panel[Mdi::PAN_EDIT]},
       {0, 8, 9, 10}, {14}, {2, 11, 12, 13, 15}},
      {"test game ends", [] { return ChooseMenu(Mdi::MENU_CLOSE); }, 3, {Panel[Mdi::PAN_EDIT]},
       {0, 1, 5, 8, 9, 10}, {13, 14}, {2, 11, 12, 15}},
      {"editor closes", [] { return ChooseMenu(Mdi::MENU_CLOSE); }, 0, {}, {1, 4, 7, 8, 9, 10}, startOn, startOff},
      {"player names", [] { return ChooseMenu(Mdi::MENU_MULTI); }, 5, {Panel[Mdi::PAN_MULTI]}, {0, 8, 9, 10},
       {13, 14}, {2, 11, 12, 15}},
      {"players done", [] { return ClickButton(Button[Mdi::BUT_MULTI]); }, 0, {}, {1, 4, 7, 8, 9, 10}, startOn,
       startOff},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.what);
    ASSERT_TRUE(s.act());
    EXPECT_EQ(s.modus, Modus);
    for (gui::Gadget* g : s.visible) EXPECT_TRUE(g->Visible());
    EXPECT_EQ(s.modus == 1 || s.modus == 4, HauptCanvas->Visible());
    EXPECT_EQ(s.modus == 2, Panel[Mdi::PANEL_LISTE]->Visible());
    EXPECT_EQ(s.modus == 3 || s.modus == 4, Panel[Mdi::PAN_EDIT]->Visible());
    EXPECT_EQ(s.modus == 5, Panel[Mdi::PAN_MULTI]->Visible());
    EXPECT_EQ(s.tools, EnabledTools());
    for (int t : s.menusOn) EXPECT_TRUE(Menu[t]->Enabled()) << t;
    for (int t : s.menusOff) EXPECT_FALSE(Menu[t]->Enabled()) << t;
    EXPECT_FALSE(Menu[Mdi::MENU_RECENT]->Enabled());
  }
}

TEST_F(UiTest, TestGameRunsSlot999AndReturnsToTheEditor) {
  ASSERT_TRUE(ChooseMenu(Mdi::MENU_EDIT));
  Mdi::SetMySliderValue(Mdi::SLID_FRAGENR, 42);
  ASSERT_TRUE(ClickTool(Mdi::TOOL_PLAY));
  EXPECT_EQ(4, Modus);
  EXPECT_EQ(999, FesteFrage);
  EXPECT_EQ(u" Test-Spiel für Frage No. 42", HauptFenster->StatusText());
  ASSERT_TRUE(ClickTool(Mdi::TOOL_EXIT));
  EXPECT_EQ(3, Modus);
  EXPECT_EQ(0, FesteFrage);
  EXPECT_EQ(kStatus3, HauptFenster->StatusText());
  EXPECT_EQ(u"42", SliderWert[Mdi::SLID_FRAGENR]->Text());
}

TEST_F(UiTest, PartialQuizNeedsAListAndOnlyMenuCommandsReevaluateIt) {
  EXPECT_FALSE(Menu[Mdi::MENU_PLAY]->Enabled());
  // a list loaded outside the menu (as the toolbar's load item does)
  FragenListeDatei = u"/tmp/Daten/Spiele/Meine Liste.lst";
  EXPECT_FALSE(Menu[Mdi::MENU_PLAY]->Enabled());
  EXPECT_TRUE(FirstTick(ClickTool(Mdi::TOOL_PLAY)));  // toolbar play starts the partial game meanwhile
  EXPECT_EQ(1, Modus);
  ErlaubteFragen = 17;
  Mdi::SetzeStatusText(1);
  EXPECT_EQ(u" Teil-Quiz 'Meine Liste' mit 17 Fragen.", HauptFenster->StatusText());
  ASSERT_TRUE(ChooseMenu(Mdi::MENU_CLOSE));
  EXPECT_TRUE(Menu[Mdi::MENU_PLAY]->Enabled());
  // the whole quiz forgets the list
  ASSERT_TRUE(FirstTick(ChooseMenu(Mdi::MENU_PLAY_ALL)));
  EXPECT_TRUE(FragenListeDatei.empty());
  ASSERT_TRUE(ChooseMenu(Mdi::MENU_CLOSE));
  EXPECT_FALSE(Menu[Mdi::MENU_PLAY]->Enabled());
  EXPECT_FALSE(ChooseMenu(Mdi::MENU_PLAY));
  EXPECT_EQ(0, Modus);
}

TEST_F(UiTest, StatusTexts) {
  struct Case {
    int kind;
    u16 list;
    int allowed;
    u16 want;
  };
  const Case cases[] = {
      {1, u"", 750, u" Gesamt-Quiz mit 750 Fragen."},
      {1, u"C:\\Daten\\Spiele\\Klasse 5.lst", 3, u" Teil-Quiz 'Klasse 5' mit 3 Fragen."},
      {1, u"Spiele/ohne", 0, u" Teil-Quiz 'ohne' mit 0 Fragen."},
      {3, u"", 0, kStatus3},
      {4, u"", 0, kStatus4},
      {5, u"", 0, kStatus5},
      {0, u"", 0, u""},
      {6, u"", 0, u""},
  };
  for (const auto& c : cases) {
    FragenListeDatei = c.list;
    ErlaubteFragen = c.allowed;
    Mdi::SetzeStatusText(c.kind);
    EXPECT_EQ(c.want, HauptFenster->StatusText()) << c.kind;
  }
  Slider[Mdi::SLID_FRAGENR]->SetValue(7);
  Mdi::SetzeStatusText(2);
  EXPECT_EQ(u" Test-Spiel für Frage No. 7", HauptFenster->StatusText());
}

TEST_F(UiTest, ToolbarShownAndHiddenByTheMenu) {
  EXPECT_TRUE(Symbolleiste->Visible());
  ASSERT_TRUE(ChooseMenu(Mdi::MENU_LEISTE_AUS));
  EXPECT_FALSE(Symbolleiste->Visible());
  ASSERT_TRUE(ChooseMenu(Mdi::MENU_LEISTE_AN));
  EXPECT_TRUE(Symbolleiste->Visible());
  EXPECT_EQ(16, Symbolleiste->ItemCount());
}

TEST_F(UiTest, PlayerRowsAppearAndClearByTheRules) {
  auto name = [](int i) { return TextFeld[Mdi::TEXT_PLAYER + i]; };
  auto age = [](int i) { return TextFeld[Mdi::TEXT_ALTER + i]; };
  struct Case {
    const char* what;
    std::vector<std::pair<u16, u16>> rows;
    int ready;
    int visibleRows;
  };
  const std::vector<Case> cases = {
      {"empty form", {}, 0, 1},
      {"age 9", {{u"Anna", u"9"}}, 1, 2},
      {"age 99", {{u"Anna", u"99"}}, 1, 2},
      {"age 8", {{u"Anna", u"8"}}, 0, 1},
      {"age 100", {{u"Anna", u"100"}}, 0, 1},
      {"no age", {{u"Anna", u""}}, 0, 1},
      {"three valid", {{u"A", u"10"}, {u"B", u"20"}, {u"C", u"30"}}, 1, 4},
      {"second age invalid", {{u"A", u"10"}, {u"B", u"5"}}, 0, 2},
      {"first name missing", {{u"", u"10"}, {u"B", u"20"}}, 0, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    for (int i = 1; i < 5; ++i) name(i)->Hide(), age(i)->Hide();
    SetPlayers(c.rows);
    EXPECT_EQ(c.ready, SpielBereit);
    if (c.visibleRows < 0) continue;
    for (int i = 0; i < 5; ++i) {
      EXPECT_EQ(i < c.visibleRows, name(i)->Visible()) << i;
      EXPECT_EQ(i < c.visibleRows, age(i)->Visible()) << i;
    }
  }

  // emptying the name of row 3 empties rows 3 to 5 and hides rows 4 and 5
  SetPlayers({{u"A", u"10"}, {u"B", u"20"}, {u"C", u"30"}, {u"D", u"40"}, {u"E", u"50"}});
  ASSERT_TRUE(name(4)->Visible());
  name(2)->SetText(u"");
  Mdi::SpielerAlterCheck();
  EXPECT_EQ(1, SpielBereit);
  for (int i = 2; i < 5; ++i) {
    EXPECT_EQ(u"", name(i)->Text()) << i;
    EXPECT_EQ(u"", age(i)->Text()) << i;
  }
  EXPECT_TRUE(name(2)->Visible());
  EXPECT_FALSE(name(3)->Visible());
  EXPECT_FALSE(age(4)->Visible());
  // the players are counted up to the first empty name
  Mdi::SpielerUebernehmen();
  EXPECT_EQ(2, SpielerAnzahl);

  // emptying the first name leaves the other rows as they are
  name(0)->SetText(u"");
  Mdi::SpielerAlterCheck();
  EXPECT_EQ(0, SpielBereit);
  EXPECT_EQ(u"B", name(1)->Text());
}

TEST_F(UiTest, TypingIntoThePlayerFormRunsTheCheck) {
  ASSERT_TRUE(ChooseMenu(Mdi::MENU_MULTI));
  SetPlayers({});
  gui::SimulateText(TextFeld[Mdi::TEXT_PLAYER], u"Clara");
  gui::SimulateText(TextFeld[Mdi::TEXT_ALTER], u"1x1");  // the letter is dropped by the filter
  EXPECT_EQ(u"11", TextFeld[Mdi::TEXT_ALTER]->Text());
  gui::Event e;
  while (gui::PollEvent(e))
    if (e.id == gui::GadgetAction) Mdi::Event(e.source);
  EXPECT_EQ(1, SpielBereit);
  EXPECT_TRUE(TextFeld[Mdi::TEXT_PLAYER + 1]->Visible());
}

TEST_F(UiTest, NameFilterLimitsTypingToTenCharacters) {
  gui::Gadget* f = TextFeld[Mdi::TEXT_PLAYER];
  auto ev = [](int id, int data) {
    gui::Event e;
    e.id = id;
    e.data = data;
    return e;
  };
  f->SetText(u"short");
  for (int id : {gui::KeyDown, gui::KeyChar})
    for (int code : {65, 48, 13, 200}) EXPECT_EQ(1, Mdi::Buchstaben(ev(id, code), f)) << id << " " << code;
  EXPECT_EQ(0, Mdi::Buchstaben(ev(gui::MouseDown, 65), f));

  f->SetText(u"Maximilian");  // ten characters
  const std::set<int> pass{8, 32, 37, 38, 39, 40, 45, 46};
  for (int id : {gui::KeyDown, gui::KeyChar})
    for (int code = 0; code < 256; ++code)
      EXPECT_EQ(pass.count(code) ? 1 : 0, Mdi::Buchstaben(ev(id, code), f)) << id << " " << code;

  // typed for real: the eleventh letter does not arrive, Backspace does
  gui::SimulateText(f, u"s");
  EXPECT_EQ(u"Maximilian", f->Text());
  gui::SimulateKey(f, 8, u'\b');
  EXPECT_EQ(u"Maximilia", f->Text());
  f->SetText(u"");
}

TEST_F(UiTest, PastedNamesKeepTheTenCharacterLimit) {
  gui::Gadget* f = TextFeld[Mdi::TEXT_PLAYER];
  f->SetText(u"");
  f->InsertText(u"Maximiliane Mustermann");  // what the context menu's paste does
  EXPECT_EQ(u"Maximilian", f->Text());
  SetPlayers({{u"Anna", u"12"}});
}

// Tab moves on from every field that has a key filter, Enter in the player
// form presses "Weiter", and Enter in a number list separates numbers.
TEST_F(UiTest, TabLeavesEveryFilteredFieldAndEnterActs) {
  Mdi::StartAls(5);
  for (gui::Gadget* feld : {TextFeld[Mdi::TEXT_PLAYER], TextFeld[Mdi::TEXT_ALTER]}) {
    feld->Focus();
    ASSERT_EQ(feld, gui::FocusedGadget());
    gui::SimulateKey(feld, 9, u'\t');
    EXPECT_NE(feld, gui::FocusedGadget());
  }
  Drain();
  gui::SimulateKey(TextFeld[Mdi::TEXT_ALTER], 13, u'\r');
  gui::Event e;
  EXPECT_TRUE(TakeEvent(gui::GadgetAction, Button[Mdi::BUT_MULTI], e));

  Mdi::StartAls(0);
  ASSERT_TRUE(ChooseMenu(Mdi::MENU_LISTE));
  for (gui::Gadget* liste : {NiemalsListe, ImmerListe}) {
    liste->SetText(u"");
    liste->Focus();
    gui::SimulateText(liste, u"130");
    gui::SimulateKey(liste, 13, u'\r');
    gui::SimulateText(liste, u"152");
    EXPECT_EQ(u"130 152", liste->Text());
    gui::SimulateKey(liste, 9, u'\t');
    EXPECT_NE(liste, gui::FocusedGadget());
    liste->SetText(u"");
  }
  Drain();
}

TEST_F(UiTest, GameStartsWithoutAnAnnouncementSoundLeftOver) {
  AnsageTon = 1;  // a game left during its announcement
  Mdi::StartAls(1);
  EXPECT_EQ(0, AnsageTon);
  Mdi::StartAls(0);
  AnsageTon = 2;
  Mdi::StartAls(3);
  Mdi::StartAls(1);  // test game
  EXPECT_EQ(0, AnsageTon);
  Mdi::StartAls(0);
  Mdi::StartAls(0);
}

TEST_F(UiTest, AgeFilterTakesDigitsOnly) {
  gui::Event e;
  struct Case {
    int id, code, want;
  };
  std::vector<Case> cases;
  for (int c = 0; c < 256; ++c) {
    bool key = c == 8 || c == 32 || (c >= 37 && c <= 40) || c == 45 || c == 46 || (c >= 48 && c <= 57);
    bool chr = c == 8 || (c >= 48 && c <= 57);
    cases.push_back({gui::KeyDown, c, key ? 1 : 0});
    cases.push_back({gui::KeyChar, c, chr ? 1 : 0});
  }
  cases.push_back({gui::KeyUp, 48, 0});
  for (const auto& c : cases) {
    e.id = c.id;
    e.data = c.code;
    EXPECT_EQ(c.want, Mdi::NurZahlen(e, TextFeld[Mdi::TEXT_ALTER])) << c.id << " " << c.code;
  }
}

TEST_F(UiTest, QuestionNumberFieldAndStepper) {
  ASSERT_TRUE(ChooseMenu(Mdi::MENU_EDIT));
  gui::Gadget* feld = SliderWert[Mdi::SLID_FRAGENR];
  struct Case {
    u16 typed;
    int value;
  };
  const Case cases[] = {{u"abc", 1}, {u"1000", 999}, {u"250", 250}, {u"0", 1}, {u"12x", 12}};
  for (const auto& c : cases) {
    feld->SetText(c.typed);
    Mdi::Event(feld);
    EXPECT_EQ(c.value, Slider[Mdi::SLID_FRAGENR]->Value()) << text::ToUtf8(c.typed);
    EXPECT_EQ(text::Num(c.value), feld->Text());
  }
  // the difficulty stepper shows its value in its label
  Mdi::SetMySliderValue(Mdi::SLID_GRAD, 12);
  EXPECT_EQ(9, Slider[Mdi::SLID_GRAD]->Value());
  EXPECT_EQ(u"9", SliderWert[Mdi::SLID_GRAD]->Text());
  EXPECT_EQ(u"{{Schwierigkeitsgrad}} ", SliderText[Mdi::SLID_GRAD]->Text());
  EXPECT_EQ(u" ", SliderText[Mdi::SLID_FRAGENR]->Text());
}

TEST_F(UiTest, FormsAreBuiltAsLaidOut) {
  auto shape = [](gui::Gadget* g) { return std::vector<int>{g->X(), g->Y(), g->Width(), g->Height()}; };
  HauptFenster->SetShape(0, 0, 1000, 800);
  EXPECT_EQ(Panel[Mdi::PANEL_THEMA], Panel[Mdi::PANEL_GRADE]);
  EXPECT_EQ(Panel[Mdi::PANEL_THEMA], Button[Mdi::BUTTON_THEMA]->Parent());
  EXPECT_NE(Panel[Mdi::PANEL_THEMA], Button[Mdi::BUTTON_GRAD]->Parent());
  EXPECT_EQ((std::vector<int>{100, 120, 400, 550}), shape(Panel[Mdi::PAN_MULTI]));
  EXPECT_EQ((std::vector<int>{90, 150, 850, 450}), shape(Panel[Mdi::PANEL_LISTE]));
  EXPECT_EQ((std::vector<int>{320, 50, 500, 300}), shape(ListenCanvas));
  EXPECT_EQ((std::vector<int>{30, 420, 260, 50}), shape(TextFeld[Mdi::TEXT_PLAYER + 4]));
  EXPECT_EQ((std::vector<int>{5, 17 * 8, 90, 20}), shape(Button[Mdi::BUTTON_GRAD + 8]));
  EXPECT_EQ((std::vector<int>{-140, 13, 150, 20}), shape(SliderText[Mdi::SLID_FRAGENR]));
  EXPECT_EQ((std::vector<int>{42, 13, 40, 20}), shape(SliderWert[Mdi::SLID_FRAGENR]));
  EXPECT_EQ(u"Weiter", Button[Mdi::BUT_MULTI]->Text());
  EXPECT_EQ(16, Button[Mdi::BUT_MULTI]->FontSize());
  EXPECT_EQ(24, TextFeld[Mdi::TEXT_ALTER]->FontSize());
  EXPECT_EQ(36, Button[Mdi::BUT_SEL_ANT + 4]->FontSize());
  EXPECT_EQ(AntwortPanel, Button[Mdi::BUT_SEL_ANT]->Parent());
  EXPECT_GE(AntwortPanel->Height(), 4 * 80 + 45 + 40);
  EXPECT_TRUE(ZufaelligNachBau);
  EXPECT_EQ(u"...", Button[Mdi::BUTTON_THEMA + 11]->Text());
  EXPECT_EQ(319, ListenBereichNachBau.first);
  EXPECT_EQ(600, ListenBereichNachBau.second);
}

TEST_F(UiTest, ModePanelsKeepTheirCentreWhenTheWindowGrows) {
  HauptFenster->SetShape(0, 0, 1000, 800);
  gui::Gadget* wurzel = Panel[Mdi::PAN_LEER];
  int rootW0 = wurzel->ClientWidth(), rootH0 = wurzel->ClientHeight();
  HauptFenster->SetShape(0, 0, 1300, 950);
  PasseLayoutAn();
  EXPECT_EQ(1300, wurzel->Width());
  EXPECT_EQ(950, wurzel->Height());
  EXPECT_EQ(1300, HauptCanvas->Width());
  int rootW = wurzel->ClientWidth(), rootH = wurzel->ClientHeight();
  EXPECT_EQ(rootW0 + 300, rootW);
  EXPECT_EQ(gui::KeepCentre(100, 400, rootW, rootW0), Panel[Mdi::PAN_MULTI]->X());
  EXPECT_EQ(gui::KeepCentre(120, 550, rootH, rootH0), Panel[Mdi::PAN_MULTI]->Y());
  EXPECT_EQ(gui::KeepCentre(50, 900, rootW, rootW0), Panel[Mdi::PAN_EDIT]->X());
  EXPECT_EQ(400, Panel[Mdi::PAN_MULTI]->Width());
  // contents of a panel whose size does not change stay put
  EXPECT_EQ(30, TextFeld[Mdi::TEXT_PLAYER]->X());
  // the list canvas keeps its left and top edges and its size
  EXPECT_EQ(320, ListenCanvas->X());
  EXPECT_EQ(500, ListenCanvas->Width());
  HauptFenster->SetShape(0, 0, 1000, 800);
  EXPECT_EQ(100, Panel[Mdi::PAN_MULTI]->X());
}

// A window smaller than a panel never pushes the panel above or left of it.
TEST_F(UiTest, ModePanelsStayInsideTheWindowWhenItShrinks) {
  for (auto [w, h] : {std::pair{450, 450}, std::pair{760, 450}, std::pair{450, 900}}) {
    SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
    HauptFenster->SetShape(0, 0, w, h);
    PasseLayoutAn();
    for (int p : {Mdi::PAN_MULTI, Mdi::PAN_EDIT, Mdi::PANEL_LISTE}) {
      EXPECT_GE(Panel[p]->X(), 0) << p;
      EXPECT_GE(Panel[p]->Y(), 0) << p;
    }
  }
  HauptFenster->SetShape(0, 0, 1000, 800);
  PasseLayoutAn();
  EXPECT_EQ(100, Panel[Mdi::PAN_MULTI]->X());
}

TEST_F(UiTest, InformationWindowLocksTheMainWindow) {
  // centred over the main window as built (180, 180), moved inside a screen
  // too small for that
  // (the window is made when first shown, in the place chosen at start)
  const int x0 = std::min(180, gui::DesktopWidth() - 640), y0 = std::min(180, gui::DesktopHeight() - 440);
  auto open = [] {
    ASSERT_TRUE(ChooseMenu(Mdi::MENU_ABOUT));
    ASSERT_TRUE(InfoFensterGadget->Visible());
    ASSERT_FALSE(HauptFenster->Enabled());
  };
  open();
  EXPECT_NEAR(x0, InfoFensterGadget->X(), 4);
  EXPECT_NEAR(y0, InfoFensterGadget->Y(), 40);  // a title bar, if any
  EXPECT_EQ(640, InfoFensterGadget->ClientWidth());
  EXPECT_EQ(440, InfoFensterGadget->ClientHeight());
  InfoFenster::Event(InfoGadget[InfoFenster::BUT_OK]);
  // while open, the main window's menus, toolbar and forms do not react
  open();
  EXPECT_FALSE(ChooseMenu(Mdi::MENU_LISTE));
  EXPECT_FALSE(ClickTool(Mdi::TOOL_PLAY));
  EXPECT_EQ(0, Modus);

  // OK closes it
  ASSERT_TRUE(ClickButton(InfoGadget[InfoFenster::BUT_OK]));
  InfoFenster::Event(InfoGadget[InfoFenster::BUT_OK]);
  EXPECT_FALSE(InfoFensterGadget->Visible());
  EXPECT_TRUE(HauptFenster->Enabled());

  // so does the close box, through the loop's dispatch
  HauptFenster->Show();
  open();
  Drain();
  gui::SimulateClose(InfoFensterGadget);
  gui::Event e;
  ASSERT_TRUE(TakeEvent(gui::WindowClose, InfoFensterGadget, e));
  VerteileEreignis(e);
  EXPECT_FALSE(InfoFensterGadget->Visible());
  EXPECT_TRUE(HauptFenster->Enabled());

  // and Enter, which presses the default button
  open();
  Drain();
  gui::SimulateKey(InfoHtml, 13, u'\r');
  ASSERT_TRUE(TakeEvent(gui::GadgetAction, InfoGadget[InfoFenster::BUT_OK], e));
  InfoFenster::Event(e.source);
  EXPECT_FALSE(InfoFensterGadget->Visible());
  EXPECT_TRUE(HauptFenster->Enabled());
  // the window is at the same place each time
  open();
  EXPECT_NEAR(x0, InfoFensterGadget->X(), 4);
  InfoFenster::Event(InfoGadget[InfoFenster::BUT_OK]);
}

TEST_F(UiTest, ShownPageComesFromTheDataFolder) {
  ASSERT_TRUE(ChooseMenu(Mdi::MENU_ABOUT));
  // the sandboxed data folder has no page: the view says so and how to get it back
  EXPECT_NE(std::u16string::npos, InfoHtml->Text().find(u"info.html\u00AB fehlt"));
  EXPECT_NE(std::u16string::npos, InfoHtml->Text().find(u"Parlavinto.Ini"));
  InfoFenster::Event(InfoGadget[InfoFenster::BUT_OK]);
  KopiereBenutzerDateien();
  ASSERT_TRUE(ChooseMenu(Mdi::MENU_ABOUT));
  EXPECT_NE(std::u16string::npos, InfoHtml->Text().find(u"Parlavinto"));
  InfoFenster::Event(InfoGadget[InfoFenster::BUT_OK]);
}

TEST_F(UiTest, DisableAllToolsLeavesThreeItems) {
  Mdi::DisableAllTools();
  EXPECT_EQ((std::set<int>{8, 9, 10}), EnabledTools());
  EXPECT_TRUE(Symbolleiste->ItemSeparator(10));
  EXPECT_FALSE(Symbolleiste->ItemSeparator(9));
}

}  // namespace
