// SPDX-License-Identifier: GPL-3.0-or-later
// The question editor on the real form (offscreen): loading, copying back,
// saving under the number rules, file choices, the music-symbol preview and
// the topic selection.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/eventloop.h"
#include "app/startup.h"
#include "catalogue/editor.h"
#include "catalogue/lists.h"
#include "catalogue/questions.h"
#include "game/gameflow.h"
#include "game/players.h"
#include "ini/ini.h"
#include "platform/draw/draw.h"
#include "platform/fs/fs.h"
#include "platform/gui/gadgets.h"
#include "platform/gui/gui.h"
#include "platform/text.h"
#include "support/built_window.h"
#include "support/hostile.h"
#include "support/sandbox.h"
#include "ui/mainwindow.h"

namespace {

testing_support::Sandbox* box = nullptr;
const std::string kDaten = "Brelquisto/Parlavinto/";

std::deque<int> antworten;           // answers to confirmations, in order
std::vector<u16> gefragt;            // texts of the confirmations shown
std::deque<u16> auswahl;             // paths chosen in file dialogs ("" = cancel)
struct Dialog {
  u16 titel, filter, ordner;
};
std::vector<Dialog> dialoge;

void Png(const std::string& rel, int w, int h, uint32_t farbe) {
  box->Write(rel, "");
  ASSERT_TRUE(draw::Pixmap(w, h, farbe).SavePng(box->Dir() + "/" + rel));
}

QuizPtr Frage(int n, const u16& text, int problem = 20, int loesung = 1) {
  auto q = QuizType::Create();
  q->Frage = text;
  q->Problem = problem;
  q->Loesung = loesung;
  q->Bereich = u"Jazz";
  for (int i = 1; i <= 4; ++i) {
    q->Antwort[i] = text + u" A" + text::Num(i);
    q->Erklaerung[i] = text + u" E" + text::Num(i);
  }
  AlleFragen[n] = q;
  return q;
}

u16 Gespeichert(int n, const u16& key) { return Ini::Lesen(u"Quiz " + text::Num(n), key, EigeneFragenDatei()); }

int GewaehlterKnopf() {
  int k = 0;
  for (int i = 0; i < 5; ++i)
    if (Button[Mdi::BUT_SEL_ANT + i]->Checked()) k = k ? -1 : i + 1;
  return k;
}

void Lade(int n) { Mdi::SetMySliderValue(Mdi::SLID_FRAGENR, n); }

bool ClickButton(gui::Gadget* b) {
  gui::Event e;
  while (gui::PollEvent(e)) {
  }
  gui::SimulateClick(b);
  while (gui::PollEvent(e))
    if (e.id == gui::GadgetAction && e.source == b) {
      Mdi::Event(e.source);
      return true;
    }
  return false;
}

class EditorTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (box) return;
    static testing_support::Sandbox eigene;  // removed when the process ends
    box = &eigene;
    testing_support::BuiltWindow();
    testing_support::UseDataFolderIn(*box);
    Themen = {};
    Themen[0] = u"Oper";
    Themen[1] = u"Jazz";
    ThemenAnzahl = 2;
  }

  void SetUp() override {
    testing_support::UseDataFolderIn(*box);
    BilderPfad = box->Path("bilder/");
    TonPfad = box->Path("toene/");
    MusicalPfad = box->Path("musical/");
    box->Write(kDaten + "Fragen 0.dat", "");
    VergissDateiCache();
    for (auto& q : AlleFragen) q = QuizType::Create();
    EditorFrage = QuizType::Create();
    EditorGeladen = false;
    EditorMusical.clear();
    Skala = 1.0f;
    antworten.clear();
    gefragt.clear();
    auswahl.clear();
    dialoge.clear();
    gui::SetConfirmHandler([](const u16& t) {
      gefragt.push_back(t);
      if (antworten.empty()) {
        ADD_FAILURE() << "unexpected confirmation: " << text::ToUtf8(t);
        return 0;
      }
      int a = antworten.front();
      antworten.pop_front();
      return a;
    });
    gui::SetRequestFileHandler([](const u16& titel, const u16& filter, const u16& ordner, bool save) {
      EXPECT_FALSE(save);
      dialoge.push_back({titel, filter, ordner});
      if (auswahl.empty()) return u16();
      u16 p = auswahl.front();
      auswahl.pop_front();
      return p;
    });
    BereichAuswahl->ClearItems();
    for (int i = 0; i <= ThemenAnzahl; ++i) BereichAuswahl->AddItem(Themen[i]);
    BereichAuswahl->Enable();
  }
};

TEST_F(EditorTest, FreieNummerShowsAnEmptyFormWithTheFirstAnswerSelected) {
  for (int n = 1; n <= 3; ++n) Frage(n, u"Frage " + text::Num(n), 30, 3);
  Lade(2);
  ASSERT_EQ(u"Frage 2", FrageFeld->Text());
  EXPECT_EQ(3, GewaehlterKnopf());

  ASSERT_TRUE(ClickButton(Button[Mdi::BUT_FREIE]));
  EXPECT_EQ(4, Slider[Mdi::SLID_FRAGENR]->Value());
  EXPECT_EQ(u"4", SliderWert[Mdi::SLID_FRAGENR]->Text());
  EXPECT_EQ(AlleFragen[4], EditorFrage);
  EXPECT_EQ(u"", FrageFeld->Text());
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(u"", TextFeld[Mdi::TEXT_A_1 + i]->Text());
    EXPECT_EQ(u"", TextFeld[Mdi::TEXT_E_1 + i]->Text());
  }
  EXPECT_EQ(1, GewaehlterKnopf());
  EXPECT_EQ(1, AlleFragen[4]->Loesung);  // the empty slot's own record

  // the new question is saved under its free number without a question
  FrageFeld->SetText(u"Neue Frage");
  Mdi::EditorFensterSoSaven(Slider[Mdi::SLID_FRAGENR]->Value());
  EXPECT_TRUE(gefragt.empty());
  EXPECT_EQ(u"Neue Frage", Gespeichert(4, u"Frage"));
  // saving it again overwrites only after asking
  antworten = {1};
  Mdi::EditorFensterSoSaven(4);
  EXPECT_EQ(1u, gefragt.size());
}

TEST_F(EditorTest, LoadShowsTheRecordItselfAndCopyingBackWritesIntoIt) {
  QuizPtr q = Frage(12, u"Wer schrieb die Zauberflöte?", 40, 2);
  q->Audio = u"zauber.ogg";
  q->Bereich = u"Oper";
  Lade(12);
  EXPECT_EQ(q, EditorFrage);
  EXPECT_EQ(u"zauber.ogg", AudioFeld->Text());
  EXPECT_EQ(u"Oper", BereichAuswahl->ItemText(BereichAuswahl->SelectedItem()));
  EXPECT_EQ(4, Slider[Mdi::SLID_GRAD]->Value());
  EXPECT_EQ(u"Wer schrieb die Zauberflöte? A3", TextFeld[Mdi::TEXT_A_1 + 2]->Text());
  EXPECT_EQ(u"Wer schrieb die Zauberflöte? E4", TextFeld[Mdi::TEXT_E_1 + 3]->Text());

  FrageFeld->SetText(u"Neu");
  TextFeld[Mdi::TEXT_A_1 + 4]->SetText(u"Fünfte");
  Button[Mdi::BUT_SEL_ANT + 4]->SetChecked(true);
  BereichAuswahl->SelectItem(2);
  Mdi::EditFensterSoEintragen(999);
  EXPECT_EQ(q, AlleFragen[999]);
  EXPECT_EQ(u"Neu", AlleFragen[12]->Frage);
  EXPECT_EQ(u"Fünfte", q->Antwort[5]);
  EXPECT_EQ(5, q->Loesung);
  EXPECT_EQ(u"", q->Bereich);
  EXPECT_EQ(u"zauber.ogg", q->Audio);
}

TEST_F(EditorTest, GradeIsProblemByTenAndIsSavedTimesTen) {
  struct Case {
    int problem, grad, gespeichert;
  } const cases[] = {{35, 3, 30}, {5, 1, 10}, {0, 1, 10}, {90, 9, 90}, {125, 9, 90}, {-40, 1, 10}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.problem);
    SetUp();
    Frage(20, u"Grad", c.problem);
    Lade(20);
    EXPECT_EQ(c.grad, Slider[Mdi::SLID_GRAD]->Value());
    EXPECT_EQ(text::Num(c.grad), SliderWert[Mdi::SLID_GRAD]->Text());
    antworten = {1};  // 20 exists: overwrite
    Mdi::EditorFensterSoSaven(20);
    EXPECT_EQ(text::Num(c.gespeichert), Gespeichert(20, u"Problem"));
    EXPECT_EQ(c.gespeichert, AlleFragen[20]->Problem);
  }
}

TEST_F(EditorTest, RightAnswerOnLoadAndCopyBack) {
  // A value outside 0..5 names no button: none is selected and the value is
  // kept until the user chooses one.
  struct Case {
    int loesung, knopf, nachLaden;
  } const cases[] = {{0, 1, 1}, {1, 1, 1}, {3, 3, 3}, {5, 5, 5}, {6, 0, 6}, {-2, 0, -2}, {1000, 0, 1000}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.loesung);
    Frage(30, u"Lösung", 20, c.loesung);
    Lade(30);
    EXPECT_EQ(c.knopf, GewaehlterKnopf());
    EXPECT_EQ(c.nachLaden, AlleFragen[30]->Loesung);
    Mdi::EditFensterSoEintragen(999);
    EXPECT_EQ(c.nachLaden, AlleFragen[999]->Loesung);
    Button[Mdi::BUT_SEL_ANT + 1]->SetChecked(true);
    Mdi::EditFensterSoEintragen(999);
    EXPECT_EQ(2, AlleFragen[30]->Loesung);
  }
}

TEST_F(EditorTest, PicturesAreShownFittedWithTheGifRuleAndTheDataFolderFallback) {
  Png("bilder/note.PNG", 40, 20, 0xFFFF0000u);   // wide, red
  Png("bilder/hoch.png", 10, 40, 0xFF0000FFu);   // tall, blue
  Png(kDaten + "Daten/eigen.png", 30, 30, 0xFF00FF00u);
  struct Case {
    u16 bild, bild2;
    uint32_t mitteF, mitteL;  // colour in the middle of each panel, 0 = no picture
  } const cases[] = {
      {u"note.gif", u"", 0xFFFF0000u, 0},
      {u"", u"hoch.GIF", 0, 0xFF0000FFu},   // also for the solution picture
      {u"gif", u"fehlt.gif", 0, 0},
      {u"fehlt.png", u"note.GiF", 0, 0xFFFF0000u},
      {u"eigen.png", u"hoch.png", 0xFF00FF00u, 0xFF0000FFu},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(text::ToUtf8(c.bild + u" / " + c.bild2));
    QuizPtr q = Frage(40, u"Bild");
    q->Bild = c.bild;
    q->Bild2 = c.bild2;
    Lade(40);
    const std::pair<gui::Gadget*, uint32_t> panels[] = {{Panel[Mdi::PAN_BILD_F], c.mitteF},
                                                        {Panel[Mdi::PAN_BILD_L], c.mitteL}};
    for (auto [panel, mitte] : panels) {
      draw::PixmapPtr p = GezeigtesBild(panel);
      if (mitte == 0) {
        EXPECT_EQ(nullptr, p);
        continue;
      }
      ASSERT_NE(nullptr, p);
      // the panel's proportions, the picture's proportions inside, centred
      EXPECT_NEAR(double(p->width) / p->height, double(panel->ClientWidth()) / panel->ClientHeight(), 0.02);
      EXPECT_EQ(mitte, p->At(p->width / 2, p->height / 2));
      EXPECT_EQ(0xFFFFFFFFu, p->At(0, 0));
      EXPECT_EQ(0xFFFFFFFFu, p->At(p->width - 1, p->height - 1));
    }
    EXPECT_EQ(c.bild, q->Bild);  // the record keeps its names
    EXPECT_EQ(c.bild2, q->Bild2);
  }
  // a wide picture fills the width, a tall one the height
  Frage(41, u"Bild")->Bild = u"note.gif";
  AlleFragen[41]->Bild2 = u"hoch.png";
  Lade(41);
  draw::PixmapPtr f = GezeigtesBild(Panel[Mdi::PAN_BILD_F]), l = GezeigtesBild(Panel[Mdi::PAN_BILD_L]);
  ASSERT_TRUE(f && l);
  EXPECT_EQ(0xFFFF0000u, f->At(1, f->height / 2));
  EXPECT_EQ(0xFF0000FFu, l->At(l->width / 2, 1));
}

TEST_F(EditorTest, MusicalPreviewAndTheMusicalKeptOrDropped) {
  Png("musical/Musical65.png", 40, 60, 0xFF000000u);
  Png("musical/Musical66.png", 20, 60, 0xFF000000u);
  Png("bilder/bild.png", 8, 8, 0xFFFF0000u);
  struct Case {
    u16 musical;
    int breite, hoehe;  // 1 x 1 = nothing to show
  } const cases[] = {
      {u"A", 60, 70}, {u"AB", 70, 70}, {u"AZB", 70, 70}, {u"Z", 1, 1}, {u"", 1, 1}, {u"\x263A\xFFFF", 1, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(text::ToUtf8(c.musical));
    draw::PixmapPtr p = MalMusical(c.musical);
    ASSERT_NE(nullptr, p);
    EXPECT_EQ(c.breite, p->width);
    EXPECT_EQ(c.hoehe, p->height);
    if (c.breite > 1) {
      EXPECT_EQ(0xFFFFFFFFu, p->At(19, 19));
      EXPECT_EQ(0xFF000000u, p->At(20, 20) | 0xFF000000u);
      EXPECT_EQ(0xFF000000u, p->At(c.breite - 21, c.hoehe - 21) | 0xFF000000u);
      EXPECT_EQ(0xFFFFFFFFu, p->At(c.breite - 20, c.hoehe - 20));
    } else {
      EXPECT_EQ(0xFFFFFFFFu, p->At(0, 0));
    }
  }

  // on a smaller screen the symbols shrink and stay as closely set
  Skala = 0.5f;
  draw::PixmapPtr klein = MalMusical(u"AB");
  Skala = 1.0f;
  ASSERT_NE(nullptr, klein);
  EXPECT_EQ(55, klein->width);
  EXPECT_EQ(55, klein->height);

  // without a picture the question picture panel shows the preview, and the
  // Musical is saved again; with a picture the Musical is dropped on saving
  QuizPtr q = Frage(50, u"Takt");
  q->Musical = u"AB";
  Lade(50);
  EXPECT_EQ(u"AB", EditorMusical);
  ASSERT_NE(nullptr, GezeigtesBild(Panel[Mdi::PAN_BILD_F]));
  antworten = {1};
  Mdi::EditorFensterSoSaven(50);
  EXPECT_EQ(u"AB", Gespeichert(50, u"Musical"));

  q->Bild = u"bild.png";
  Lade(50);
  EXPECT_EQ(u"", EditorMusical);
  EXPECT_EQ(0xFFFF0000u, GezeigtesBild(Panel[Mdi::PAN_BILD_F])->At(300, 250));
  antworten = {1};
  Mdi::EditorFensterSoSaven(50);
  EXPECT_EQ(u"", Gespeichert(50, u"Musical"));
  EXPECT_EQ(u"", AlleFragen[50]->Musical);
  EXPECT_EQ(u"bild.png", Gespeichert(50, u"Bild"));
}

TEST_F(EditorTest, SavingAnExistingNumber) {
  const u16 ueberschreiben = u"Frage mit dieser Nummer existiert schon! Trotzdem überschreiben?";
  const u16 naechste = u"Nächste frei Nummer '6' verwenden?";
  struct Case {
    const char* was;
    std::deque<int> antworten;
    std::vector<u16> gefragt;
    int gespeichertAls;  // 0 = nothing saved
  } const cases[] = {
      {"OK overwrites", {1}, {ueberschreiben}, 5},
      {"Cancel, OK takes the next free number", {0, 1}, {ueberschreiben, naechste}, 6},
      {"Cancel twice saves nothing", {0, 0}, {ueberschreiben, naechste}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.was);
    SetUp();
    for (int n = 1; n <= 5; ++n) Frage(n, u"Alt " + text::Num(n));
    QuizPtr alt6 = AlleFragen[6];
    Lade(5);
    FrageFeld->SetText(u"Neu");
    antworten = c.antworten;
    Mdi::EditorFensterSoSaven(Slider[Mdi::SLID_FRAGENR]->Value());
    EXPECT_EQ(c.gefragt, gefragt);
    EXPECT_EQ(5, Slider[Mdi::SLID_FRAGENR]->Value());
    EXPECT_EQ(u"Neu", FrageFeld->Text());
    EXPECT_EQ(c.gespeichertAls == 5 ? u"Neu" : u"", Gespeichert(5, u"Frage"));
    EXPECT_EQ(c.gespeichertAls == 6 ? u"Neu" : u"", Gespeichert(6, u"Frage"));
    if (c.gespeichertAls) {
      EXPECT_EQ(AlleFragen[999], AlleFragen[c.gespeichertAls]);
      EXPECT_EQ(u"1", Gespeichert(c.gespeichertAls, u"Lösung"));
    } else {
      EXPECT_EQ(alt6, AlleFragen[6]);
    }
  }
}

TEST_F(EditorTest, SavingANewNumberAsksNothingAndWritesEveryField) {
  QuizPtr q = Frage(7, u"Welche Oper?", 47, 4);
  q->Bild = u"a.png";
  q->Bild2 = u"b.jpg";
  q->Audio = u"c.ogg";
  q->Bereich = u"Oper";
  AlleFragen[7] = QuizType::Create();
  AlleFragen[8] = q;
  Lade(8);
  Mdi::EditorFensterSoSaven(9);
  EXPECT_TRUE(gefragt.empty());
  const std::pair<u16, u16> want[] = {{u"Frage", u"Welche Oper?"}, {u"Bild", u"a.png"},   {u"Bild2", u"b.jpg"},
                                      {u"Audio", u"c.ogg"},        {u"Bereich", u"Oper"}, {u"Problem", u"40"},
                                      {u"Lösung", u"4"},           {u"Antwort 4", u"Welche Oper? A4"},
                                      {u"Erklärung 2", u"Welche Oper? E2"}};
  for (const auto& [key, value] : want) EXPECT_EQ(value, Gespeichert(9, key)) << text::ToUtf8(key);
  EXPECT_EQ(q, AlleFragen[9]);
  EXPECT_EQ(q, AlleFragen[8]);
  EXPECT_EQ(8, Slider[Mdi::SLID_FRAGENR]->Value());
}

TEST_F(EditorTest, TypingIntoTheAudioFieldChangesNothingSaved) {
  Frage(3, u"Klang")->Audio = u"echt.ogg";
  Lade(3);
  AudioFeld->SetText(u"getippt.ogg");
  antworten = {1};
  Mdi::EditorFensterSoSaven(3);
  EXPECT_EQ(u"echt.ogg", Gespeichert(3, u"Audio"));
  EXPECT_EQ(u"echt.ogg", AlleFragen[3]->Audio);
}

TEST_F(EditorTest, ChoosingFilesCopiesIntoTheDataFolderAndCancelRemoves) {
  Png("extern/wahl.png", 16, 8, 0xFF00FF00u);
  box->Write("extern/klang.ogg", "neu");
  box->Write(kDaten + "Daten/klang.ogg", "alt");
  QuizPtr q = Frage(11, u"Dateien");
  Lade(11);

  auswahl = {box->Path("extern/wahl.png"), u"", box->Path("extern/wahl.png"), box->Path("extern/klang.ogg"), u""};
  WaehleMedienDatei(Panel[Mdi::PAN_BILD_F], 1);
  EXPECT_EQ(u"wahl.png", q->Bild);
  EXPECT_TRUE(box->Exists(kDaten + "daten/wahl.png") || box->Exists(kDaten + "Daten/wahl.png"));
  ASSERT_NE(nullptr, GezeigtesBild(Panel[Mdi::PAN_BILD_F]));
  EXPECT_EQ(0xFF00FF00u, GezeigtesBild(Panel[Mdi::PAN_BILD_F])->At(300, 250));

  WaehleMedienDatei(Panel[Mdi::PAN_BILD_F], 1);  // cancelled: the picture is removed
  EXPECT_EQ(u"", q->Bild);
  EXPECT_EQ(nullptr, GezeigtesBild(Panel[Mdi::PAN_BILD_F]));

  WaehleMedienDatei(Panel[Mdi::PAN_BILD_L], 2);
  EXPECT_EQ(u"wahl.png", q->Bild2);
  EXPECT_NE(nullptr, GezeigtesBild(Panel[Mdi::PAN_BILD_L]));

  WaehleMedienDatei(AudioFeld, 3);  // a file of that name is there already and stays
  EXPECT_EQ(u"klang.ogg", q->Audio);
  EXPECT_EQ(u"klang.ogg", AudioFeld->Text());
  EXPECT_EQ("alt", box->Read(kDaten + "Daten/klang.ogg"));

  WaehleMedienDatei(AudioFeld, 3);
  EXPECT_EQ(u"", q->Audio);
  EXPECT_EQ(u"", AudioFeld->Text());

  ASSERT_EQ(5u, dialoge.size());
  EXPECT_EQ(u"Bild laden", dialoge[0].titel);
  EXPECT_EQ(u"Bilder *.png *.jpg *.bmp:png,jpg,bmp", dialoge[0].filter);
  EXPECT_EQ(BilderPfad, dialoge[0].ordner);
  EXPECT_EQ(BilderPfad + u"wahl.png", dialoge[1].ordner);  // preset to the current value
  EXPECT_EQ(u"Sound laden", dialoge[3].titel);
  EXPECT_EQ(u"Audio *.ogg:ogg", dialoge[3].filter);
  EXPECT_EQ(TonPfad + u"klang.ogg", dialoge[4].ordner);

  // the file choice went into the record at once; copying back keeps it
  Mdi::EditFensterSoEintragen(999);
  EXPECT_EQ(u"wahl.png", AlleFragen[999]->Bild2);
}

TEST_F(EditorTest, ArchiveStartFoldersBecomeTheDataFolder) {
  BilderPfad = fs::EmbeddedRoot() + u"Images/";
  TonPfad = fs::EmbeddedRoot() + u"Sounds/";
  EditorFrage->Bild2 = u"alt.png";
  WaehleMedienDatei(Panel[Mdi::PAN_BILD_L], 2);
  WaehleMedienDatei(AudioFeld, 3);
  ASSERT_EQ(2u, dialoge.size());
  EXPECT_EQ(DatenPfad + u"daten/alt.png", dialoge[0].ordner);
  EXPECT_EQ(DatenPfad + u"daten/", dialoge[1].ordner);
  // nothing valid: no kind, no control
  EXPECT_EQ(0, WaehleMedienDatei(nullptr, 0));
  EXPECT_EQ(0, WaehleMedienDatei(nullptr, 1));
  EXPECT_EQ(3u, dialoge.size());
}

TEST_F(EditorTest, TopicSelection) {
  BereichAuswahl->SelectItem(0);
  struct Case {
    u16 text;
    int index, danach;
  } const cases[] = {{u"Jazz", 1, 1}, {u"Rock", -1, 1}, {u"", 2, 2}, {u"oper", -1, 2}, {u"Oper", 0, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(c.index, WaehleEintrag(BereichAuswahl, c.text)) << text::ToUtf8(c.text);
    EXPECT_EQ(c.danach, BereichAuswahl->SelectedItem());
  }
  // a topic not in the list selects nothing and stays the question's topic
  Frage(60, u"Thema")->Bereich = u"Rock";
  Lade(60);
  EXPECT_EQ(-1, BereichAuswahl->SelectedItem());
  Mdi::EditFensterSoEintragen(999);
  EXPECT_EQ(u"Rock", AlleFragen[60]->Bereich);
  // the empty entry removes it
  BereichAuswahl->SelectItem(2);
  Mdi::EditFensterSoEintragen(999);
  EXPECT_EQ(u"", AlleFragen[60]->Bereich);

  BereichAuswahl->ClearItems();
  EXPECT_EQ(-1, WaehleEintrag(BereichAuswahl, u""));
  EXPECT_FALSE(BereichAuswahl->Enabled());
  BereichAuswahl->AddItem(u"Oper");
  EXPECT_EQ(0, WaehleEintrag(BereichAuswahl, u"Oper"));
  EXPECT_TRUE(BereichAuswahl->Enabled());
  EXPECT_EQ(-1, WaehleEintrag(nullptr, u"Oper"));
}

TEST_F(EditorTest, TestGamePlaysSlot999WithTheFormsContent) {
  Modus = 0;
  Vormode = 0;
  Mdi::StartAls(3);
  ASSERT_EQ(3, Modus);
  Frage(42, u"Gespeichert");
  Lade(42);
  FrageFeld->SetText(u"Ungespeichert");
  Button[Mdi::BUT_SEL_ANT + 3]->SetChecked(true);
  Mdi::StartAls(1);
  EXPECT_EQ(4, Modus);
  EXPECT_EQ(999, FesteFrage);
  EXPECT_EQ(999, WaehleFrage());
  EXPECT_EQ(EditorFrage, AlleFragen[999]);
  EXPECT_EQ(u"Ungespeichert", AlleFragen[999]->Frage);
  EXPECT_EQ(4, AlleFragen[999]->Loesung);
  EXPECT_EQ(u"", Gespeichert(42, u"Frage"));  // nothing written
  Mdi::StartAls(0);
  EXPECT_EQ(3, Modus);
  EXPECT_EQ(u"Ungespeichert", FrageFeld->Text());
  EXPECT_EQ(42, Slider[Mdi::SLID_FRAGENR]->Value());
}

TEST_F(EditorTest, AFailedSaveIsReportedAndNothingActsAsIfItWereStored) {
  std::vector<u16> gemeldet;
  gui::SetWarnHandler([&](const u16& t) { gemeldet.push_back(t); });
  for (int n = 1; n <= 3; ++n) Frage(n, u"Frage " + text::Num(n));
  const u16 daten = DatenPfad;
  // a file where the data folder should be: no one can write there, root neither
  box->Write("kein-ordner", "x");
  DatenPfad = box->Path("kein-ordner/");

  Lade(4);
  FrageFeld->SetText(u"Neu");
  Mdi::EditorFensterSoSaven(4);
  ASSERT_EQ(1u, gemeldet.size());
  EXPECT_EQ(u"Die Frage 4 konnte nicht gespeichert werden.\n\nDatei: " + box->Path("kein-ordner/Fragen 0.dat") +
                u"\nGrund: der Ordner fehlt",
            gemeldet[0]);
  EXPECT_EQ(u"", AlleFragen[4]->Frage);
  EXPECT_EQ(0, QuizExistiert(4));
  EXPECT_EQ(4, FreieNummer());
  EXPECT_EQ(0, QuizSpielbar(4));
  FragenListeDatei.clear();
  LadeFrageListe(u"");
  EXPECT_EQ(3, ErlaubteFragen);
  EXPECT_EQ(u"Neu", FrageFeld->Text());  // the form keeps what was typed

  // an existing question keeps what the file holds
  Lade(2);
  FrageFeld->SetText(u"Geändert");
  antworten = {1};
  Mdi::EditorFensterSoSaven(2);
  ASSERT_EQ(2u, gemeldet.size());
  EXPECT_EQ(u"Frage 2", AlleFragen[2]->Frage);

  // once the folder is there again the same form saves
  DatenPfad = daten;
  antworten = {1};
  Mdi::EditorFensterSoSaven(2);
  EXPECT_EQ(2u, gemeldet.size());
  EXPECT_EQ(u"Geändert", AlleFragen[2]->Frage);
  EXPECT_EQ(u"Geändert", Gespeichert(2, u"Frage"));
  gui::SetWarnHandler(nullptr);
}

TEST_F(EditorTest, TheTopicShownIsNeverChangedByOpeningTheEditor) {
  Modus = 0;
  Vormode = 0;
  BereichAuswahl->ClearItems();  // as at start-up
  Mdi::StartAls(3);
  ASSERT_EQ(3, Modus);
  EXPECT_EQ(3, BereichAuswahl->ItemCount());
  EXPECT_EQ(-1, BereichAuswahl->SelectedItem()) << "nothing before a question is loaded";

  Frage(12, u"Jazz?")->Bereich = u"Jazz";
  Lade(12);
  struct Schritt {
    const char* name;
    int waehle;  // entry the user picks before leaving, -1 none
    u16 danach;
  } const schritte[] = {{"loaded topic", -1, u"Jazz"}, {"the user's pick", 0, u"Oper"}, {"empty entry", 2, u""}};
  for (const auto& s : schritte) {
    SCOPED_TRACE(s.name);
    if (s.waehle >= 0) BereichAuswahl->SelectItem(s.waehle);
    Mdi::StartAls(0);
    Mdi::StartAls(3);
    ASSERT_EQ(3, Modus);
    ASSERT_GE(BereichAuswahl->SelectedItem(), 0);
    EXPECT_EQ(s.danach, BereichAuswahl->ItemText(BereichAuswahl->SelectedItem()));
  }
  // a topic the list does not offer survives a save untouched
  Frage(13, u"Rock?")->Bereich = u"Rock";
  Lade(13);
  Mdi::StartAls(0);
  Mdi::StartAls(3);
  EXPECT_EQ(-1, BereichAuswahl->SelectedItem());
  antworten = {1};
  Mdi::EditorFensterSoSaven(13);
  EXPECT_EQ(u"Rock", Gespeichert(13, u"Bereich"));
}

TEST_F(EditorTest, LookingAtEmptyNumbersCreatesNoQuestion) {
  Frage(1, u"Eins");
  FragenListeDatei.clear();
  LadeFrageListe(u"");
  const int vorher = ErlaubteFragen;
  for (int n : {7, 8, 9}) Lade(n);
  EXPECT_EQ(1, AlleFragen[8]->Loesung);
  LadeFrageListe(u"");
  EXPECT_EQ(vorher, ErlaubteFragen);
  EXPECT_EQ(0, QuizSpielbar(8));
  EXPECT_EQ(2, FreieNummer());
}

struct Ablehnung {
  const char* name;
  std::string datei;                                  // in the sandbox's "extern/"
  std::function<void(const std::string&)> mache;     // writes it (native path)
  const char16_t* meldung;                            // "" = taken
};

TEST_F(EditorTest, PicturesTheGameCannotShowAreRefusedWithAMessage) {
  const Ablehnung faelle[] = {
      {"Huge", "riesig.png",
       [](const std::string& p) { box->Write(p, testing_support::SchwarzesPng(16384, 16384, false)); },
       u"Das Bild \u201Eriesig.png\u201C ist zu groß (16384 × 16384 Bildpunkte) und wird nicht übernommen. "
       u"Erlaubt sind höchstens 4096 × 4096 Bildpunkte."},
      {"Wide", "breit.bmp", [](const std::string& p) { box->Write(p, testing_support::BmpKopf(5000, 3)); },
       u"Das Bild \u201Ebreit.bmp\u201C ist zu groß (5000 × 3 Bildpunkte) und wird nicht übernommen. "
       u"Erlaubt sind höchstens 4096 × 4096 Bildpunkte."},
      {"JpegHeader", "foto.jpg", [](const std::string& p) { box->Write(p, testing_support::JpegKopf(8000, 6000)); },
       u"Das Bild \u201Efoto.jpg\u201C ist zu groß (8000 × 6000 Bildpunkte) und wird nicht übernommen. "
       u"Erlaubt sind höchstens 4096 × 4096 Bildpunkte."},
      {"Truncated", "halb.png",
       [](const std::string& p) {
         auto s = testing_support::SchwarzesPng(2000, 2000, true);
         box->Write(p, s.substr(0, s.size() / 2));
       },
       u"Die Datei \u201Ehalb.png\u201C ist kein lesbares Bild (PNG, JPEG oder BMP) und wird nicht übernommen."},
      {"Text", "brief.png", [](const std::string& p) { box->Write(p, "Lieber Hans"); },
       u"Die Datei \u201Ebrief.png\u201C ist kein lesbares Bild (PNG, JPEG oder BMP) und wird nicht übernommen."},
      {"Fifo", "rohr.png",
       [](const std::string& p) {
         box->Write(p, "");
         std::string n = box->Dir() + "/" + p;
         ASSERT_EQ(0, unlink(n.c_str()));
         ASSERT_EQ(0, mkfifo(n.c_str(), 0600));
       },
       u"Die Datei \u201Erohr.png\u201C ist kein lesbares Bild (PNG, JPEG oder BMP) und wird nicht übernommen."},
      {"AtTheLimit", "grenze.png",
       [](const std::string& p) { box->Write(p, testing_support::SchwarzesPng(4096, 16, false)); }, u""},
  };
  std::vector<u16> meldungen;
  gui::SetWarnHandler([&](const u16& t) { meldungen.push_back(t); });
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.name);
    meldungen.clear();
    f.mache("extern/" + f.datei);
    QuizPtr q = Frage(12, u"Bilder");
    q->Bild = u"alt.png";
    Png(kDaten + "Daten/alt.png", 4, 4, 0xFF0000FFu);
    Lade(12);
    const draw::PixmapPtr vorher = GezeigtesBild(Panel[Mdi::PAN_BILD_F]);
    auswahl = {box->Path("extern/" + f.datei)};
    WaehleMedienDatei(Panel[Mdi::PAN_BILD_F], 1);
    const bool kopiert = box->Exists(kDaten + "daten/" + f.datei) || box->Exists(kDaten + "Daten/" + f.datei);
    if (*f.meldung) {
      ASSERT_EQ(1u, meldungen.size());
      EXPECT_EQ(u16(f.meldung), meldungen[0]);
      EXPECT_EQ(u"alt.png", q->Bild);  // the question keeps its picture
      EXPECT_EQ(vorher, GezeigtesBild(Panel[Mdi::PAN_BILD_F]));
      EXPECT_FALSE(kopiert);
    } else {
      EXPECT_TRUE(meldungen.empty());
      EXPECT_EQ(u16(text::FromUtf8(f.datei)), q->Bild);
      EXPECT_TRUE(kopiert);
    }
  }
  gui::SetWarnHandler(nullptr);
}

TEST_F(EditorTest, AVeryLongMusicalLineGivesABoundedPreview) {
  Png("musical/Musical65.png", 40, 60, 0xFF000000u);
  for (size_t n : {size_t(2000), size_t(10000), size_t(100000)}) {
    SCOPED_TRACE(n);
    draw::PixmapPtr p = MalMusical(std::u16string(n, u'A'));
    ASSERT_NE(nullptr, p);
    EXPECT_LE(p->width, 2048 + 41);  // the widest row and its margins
    EXPECT_GT(p->width, 1000);  // as much as the preview can hold
    EXPECT_EQ(70, p->height);
  }
  // the record keeps the whole line
  QuizPtr q = Frage(51, u"Lang");
  q->Musical = std::u16string(10000, u'A');
  Lade(51);
  EXPECT_EQ(q->Musical, EditorMusical);
  ASSERT_NE(nullptr, GezeigtesBild(Panel[Mdi::PAN_BILD_F]));
}

}  // namespace
