// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow.h"

#include "app/eventloop.h"
#include "app/startup.h"
#include "platform/fs/fs.h"
#include "platform/text.h"
#include "ui/commands.h"

namespace {

u16 Blanks(int n) { return u16(static_cast<size_t>(n), u' '); }

gui::Gadget* Label(const u16& text, int x, int y, int w, int h, gui::Gadget* parent, int style) {
  return gui::CreateLabel(text, x, y, w, h, parent, style);
}

// The menus, in the order of the menu bar.
void BaueMenues() {
  gui::Gadget* fenster = HauptFenster;
  Menu[Mdi::MENU_FILE] = gui::CreateMenu(u"{{File}}" + Blanks(3), 0, fenster);
  gui::Gadget* datei = Menu[Mdi::MENU_FILE];
  Menu[Mdi::MENU_OPEN] = gui::CreateMenu(u"{{Open}}" + Blanks(19), Mdi::MENU_OPEN, datei);
  Menu[Mdi::MENU_RECENT] = gui::CreateMenu(u"{{Open Recent}}...", 0, datei);
  for (int tag = Mdi::MENU_SUB_1; tag <= Mdi::MENU_SUB_4; ++tag)
    Menu[tag] = gui::CreateMenu(u"{{Last file 1}}", tag, Menu[Mdi::MENU_RECENT]);
  gui::CreateMenu(u"", 0, datei);
  Menu[Mdi::MENU_SAVE] = gui::CreateMenu(u"{{Save as}}...", Mdi::MENU_SAVE, datei);
  gui::CreateMenu(u"", 0, datei);
  Menu[Mdi::MENU_CLOSE] = gui::CreateMenu(u"{{Close}}", Mdi::MENU_CLOSE, datei);
  gui::CreateMenu(u"", 0, datei);
  Menu[Mdi::MENU_EXIT] = gui::CreateMenu(u"{{Exit}}", Mdi::MENU_EXIT, datei);

  Menu[Mdi::MENU_START] = gui::CreateMenu(u"Start" + Blanks(3), 0, fenster);
  gui::Gadget* start = Menu[Mdi::MENU_START];
  Menu[Mdi::MENU_PLAY_ALL] = gui::CreateMenu(u"{{Start Gesamt-Quiz}}", Mdi::MENU_PLAY_ALL, start);
  Menu[Mdi::MENU_PLAY] = gui::CreateMenu(u"{{Start Teil-Quiz}}", Mdi::MENU_PLAY, start);
  Menu[Mdi::MENU_MULTI] = gui::CreateMenu(u"{{Spielernamen}}", Mdi::MENU_MULTI, start);
  Menu[Mdi::MENU_LISTE] =
      gui::CreateMenu(u"{{Create list of questions}}" + Blanks(16), Mdi::MENU_LISTE, start);
  Menu[Mdi::MENU_EDIT] = gui::CreateMenu(u"{{Edit Questions}}", Mdi::MENU_EDIT, start);

  Menu[Mdi::MENU_OPTI] = gui::CreateMenu(u"{{Options}}" + Blanks(3), 0, fenster);
  gui::Gadget* optionen = Menu[Mdi::MENU_OPTI];
  Menu[Mdi::MENU_ABOUT] = gui::CreateMenu(u"{{Info about}} Parlavinto", Mdi::MENU_ABOUT, optionen);
  Menu[Mdi::MENU_INTERNET] = gui::CreateMenu(u"Homepage Brelquisto", Mdi::MENU_INTERNET, optionen);
  Menu[Mdi::MENU_UPDATE] = gui::CreateMenu(u"nach Updates suchen", Mdi::MENU_UPDATE, optionen);
  Menu[Mdi::MENU_LEISTE] = gui::CreateMenu(u"{{Symbolleiste}}", Mdi::MENU_LEISTE, optionen);
  Menu[Mdi::MENU_LEISTE_AN] = gui::CreateMenu(u"{{Sichtbar}}", Mdi::MENU_LEISTE_AN, Menu[Mdi::MENU_LEISTE]);
  Menu[Mdi::MENU_LEISTE_AUS] = gui::CreateMenu(u"{{Verstecken}}", Mdi::MENU_LEISTE_AUS, Menu[Mdi::MENU_LEISTE]);
  Menu[Mdi::MENU_HELP] = gui::CreateMenu(u"{{Help}}", Mdi::MENU_HELP, optionen);
  HauptFenster->RefreshMenu();
}

void BaueListenForm(gui::Gadget* wurzel) {
  gui::Gadget* liste = gui::CreatePanel(90, 150, 850, 450, wurzel, gui::PanelSunken);
  Panel[Mdi::PANEL_LISTE] = liste;
  liste->SetColor(212, 222, 222);
  Label(u"Ergebnis:", 320, 13, 100, 18, liste, gui::LabelLeft);
  Label(u"Nr", 321, 31, 35, 20, liste, gui::LabelCentre | gui::LabelSunken);
  Label(u"Antwort", 357, 31, 150, 20, liste, gui::LabelCentre | gui::LabelSunken);
  Label(u"Frage", 508, 31, 312, 20, liste, gui::LabelCentre | gui::LabelSunken);
  ListenCanvas = gui::CreateCanvas(320, 50, 500, 300, liste);
  ListenCanvas->SetFollow(gui::EdgeLeft | gui::EdgeTop);
  AktualisierenButton = gui::CreateButton(u"Aktualisieren", 700, 390, 100, 40, liste);
  Panel[Mdi::PAN_REIHE] = gui::CreateGroupBox(u"Reihenfolge beim Spiel", 320, 360, 350, 70, liste);
  // Wide enough for the whole caption in the script-less dialog font.
  Button[Mdi::BUT_REIHE_Z] = gui::CreateRadioButton(u"zufällig", 10, 0, 160, 25, Panel[Mdi::PAN_REIHE]);
  Button[Mdi::BUT_REIHE_R] = gui::CreateRadioButton(u"der Reihe nach", 10, 25, 160, 25, Panel[Mdi::PAN_REIHE]);
  Button[Mdi::BUT_REIHE_Z]->SetChecked(true);

  gui::Gadget* grade = gui::CreatePanel(10, 30, 150, 160, liste, gui::PanelSunken);
  Panel[Mdi::PANEL_GRADE] = grade;
  grade->SetColor(255, 255, 255);
  Label(u"Schwierigkeit", 10, 13, 150, 18, liste, gui::LabelCentre);
  for (int i = 0; i <= 8; ++i)
    Button[Mdi::BUTTON_GRAD + i] = gui::CreateCheckBox(text::Num(i + 1), 5, 17 * i, 90, 20, grade);

  gui::Gadget* thema = gui::CreatePanel(10, 220, 150, 220, liste, gui::PanelSunken);
  Panel[Mdi::PANEL_THEMA] = thema;
  thema->SetColor(255, 255, 255);
  Label(u"Themenbereiche", 10, 203, 150, 18, liste, gui::LabelCentre);
  for (int i = 0; i <= 11; ++i)
    Button[Mdi::BUTTON_THEMA + i] = gui::CreateCheckBox(u"...", 5, 17 * i, 160, 20, thema);

  NiemalsListe = gui::CreateTextArea(200, 30, 100, 160, liste);
  NiemalsListe->SetKeyFilter([](const gui::Event& e, gui::Gadget*) { return ListenNummernFilter(e); }, nullptr);
  Label(u"Niemals", 200, 13, 100, 20, liste, gui::LabelCentre);
  ImmerListe = gui::CreateTextArea(200, 220, 100, 220, liste);
  ImmerListe->SetKeyFilter([](const gui::Event& e, gui::Gadget*) { return ListenNummernFilter(e); }, nullptr);
  Label(u"Immer", 200, 203, 100, 20, liste, gui::LabelCentre);

  Slider[Mdi::SLID_LISTE] = gui::CreateScrollBar(820, 30, 18, 319, liste, true);
  Slider[Mdi::SLID_LISTE]->SetRange(319, 600);
}

void BaueEditorForm(gui::Gadget* wurzel) {
  gui::Gadget* edit = gui::CreatePanel(50, 120, 900, 550, wurzel, gui::PanelSunken);
  Panel[Mdi::PAN_EDIT] = edit;
  edit->SetColor(232, 232, 222);
  Mdi::CreateMySlider(Mdi::SLID_FRAGENR, u"", 10, 10, edit, 1, 999, 1, 1);
  Mdi::CreateMySlider(Mdi::SLID_GRAD, u"{{Schwierigkeitsgrad}}", 120, 210, edit, 1, 9, 1, 0);
  Button[Mdi::BUT_FREIE] = gui::CreateButton(u"Freie Nummer", 140, 10, 100, 20, edit);
  Button[Mdi::BUT_HOER] = gui::CreateButton(u"Play", 350, 230, 80, 30, edit);
  Label(u"Frage", 85, 15, 50, 18, edit, gui::LabelCentre);
  Label(u"Frage-Bild:", 440, 10, 100, 18, edit, gui::LabelRight);
  Label(u"Lösungs-Bild:", 440, 260, 100, 18, edit, gui::LabelRight);
  Label(u"Themen-Bereich", 10, 250, 100, 18, edit, gui::LabelCentre);
  Label(u"Audio-Datei", 250, 210, 100, 18, edit, gui::LabelCentre);
  FrageFeld = gui::CreateTextArea(10, 40, 400, 160, edit);
  BereichAuswahl = gui::CreateComboBox(120, 250, 158, 30, edit);
  AudioFeld = gui::CreateTextField(350, 210, 160, 20, edit);
  AudioFeld->SetMouseSensitive(true);
  Panel[Mdi::PAN_BILD_F] = gui::CreatePanel(550, 10, 300, 250, edit, gui::PanelSunken);
  Panel[Mdi::PAN_BILD_F]->SetColor(255, 255, 255);
  Panel[Mdi::PAN_BILD_F]->SetMouseSensitive(true);
  Panel[Mdi::PAN_BILD_L] = gui::CreatePanel(550, 270, 300, 250, edit, gui::PanelSunken);
  Panel[Mdi::PAN_BILD_L]->SetColor(255, 255, 255);
  Panel[Mdi::PAN_BILD_L]->SetMouseSensitive(true);
  AntwortRollPanel = gui::CreateScrollPanel(10, 280, 520, 250, edit);
  AntwortPanel = AntwortRollPanel->Client();

  for (int i = 0; i <= 4; ++i) {
    int y = 80 * i;
    Button[Mdi::BUT_SEL_ANT + i] = gui::CreateToggleRadio(text::Num(i + 1), 10, y + 10, 50, 80, AntwortPanel);
    Button[Mdi::BUT_SEL_ANT + i]->SetFont(36);
    Label(u"Antwort", 60, y + 20, 60, 18, AntwortPanel, gui::LabelRight);
    Label(u"Erklärung", 60, y + 50, 60, 18, AntwortPanel, gui::LabelRight);
    TextFeld[Mdi::TEXT_A_1 + i] = gui::CreateTextField(125, y + 20, 360, 20, AntwortPanel);
    TextFeld[Mdi::TEXT_E_1 + i] = gui::CreateTextArea(125, y + 45, 360, 40, AntwortPanel);
  }
  AntwortRollPanel->FitToChildren();
  edit->Hide();
}

void BauePlayerForm(gui::Gadget* wurzel) {
  gui::Gadget* multi = gui::CreatePanel(100, 120, 400, 550, wurzel, gui::PanelSunken);
  Panel[Mdi::PAN_MULTI] = multi;
  draw::PixmapPtr box = NamensboxPixmap ? NamensboxPixmap : gui::LoadPixmap(BilderPfad + u"Namensbox2.png");
  multi->SetPixmap(box, true);
  Label(u"Mitspieler", 110, 0, 360, 60, multi, gui::LabelLeft)->SetFont(36);
  Label(u"Name" + Blanks(33) + u"Alter ", 30, 70, 360, 25, multi, gui::LabelLeft)->SetFont(16);
  Button[Mdi::BUT_MULTI] = gui::CreateButton(u"Weiter", 250, 500, 100, 40, multi);
  Button[Mdi::BUT_MULTI]->SetFont(16);
  for (int i = 0; i <= 4; ++i) {
    gui::Gadget* name = gui::CreateTextField(30, 80 * i + 100, 260, 50, multi);
    name->SetFont(24);
    name->SetKeyFilter(Mdi::Buchstaben, name);
    name->SetMaxLength(10);  // pasted names too
    TextFeld[Mdi::TEXT_PLAYER + i] = name;
    gui::Gadget* alter = gui::CreateTextField(300, 80 * i + 100, 60, 50, multi);
    alter->SetFont(24);
    alter->SetKeyFilter(Mdi::NurZahlen, alter);
    TextFeld[Mdi::TEXT_ALTER + i] = alter;
  }
  // Enter in the form presses "Weiter" (only while the form is shown).
  HauptFenster->SetDefaultButton(Button[Mdi::BUT_MULTI]);
  for (int i = 1; i <= 4; ++i) {
    TextFeld[Mdi::TEXT_PLAYER + i]->Hide();
    TextFeld[Mdi::TEXT_ALTER + i]->Hide();
  }
}

}  // namespace

int Mdi::FormLoad() {
  // The script face of the archive, so the forms look alike wherever they run.
  if (auto bytes = fs::ReadAll(SonstPfad + u"comic.ttf")) gui::AddFont(*bytes);

  HauptFenster = gui::CreateWindow(u"{{Parlavinto}} Zelvar (Version 4.9.1)", 0, 0, FensterBreite, FensterHoehe,
                                   nullptr,
                                   gui::WindowTitle | gui::WindowResizable | gui::WindowMenu | gui::WindowStatus);
  HauptFenster->Hide();

  HauptCanvas = gui::CreateCanvas(0, 0, 2000, 1000, HauptFenster);
  HauptCanvas->SetFollow(gui::EdgeAll);
  HauptCanvas->Hide();

  BaueMenues();

  Symbolleiste = gui::CreateToolbar(BilderPfad + u"NewToolbar.png", HauptFenster);
  Mdi::DisableAllTools();

  WarteAufFensterBilder();
  // Scrolls when a small or scaled-up screen cuts the mode panel shown.
  gui::Gadget* wurzel =
      gui::CreatePanel(-2, 0, FensterBreite, FensterHoehe, HauptFenster, gui::PanelSunken | gui::PanelScroll);
  Panel[PAN_LEER] = wurzel;
  wurzel->SetFollow(gui::EdgeAll);
  draw::PixmapPtr leer =
      LeerHintergrundPixmap ? LeerHintergrundPixmap : gui::LoadPixmap(BilderPfad + u"HinterLeer2.png");
  wurzel->SetPixmap(leer, false);
  HauptCanvas->SetPixmap(leer, false);

  BaueListenForm(wurzel);
  wurzel->SetColor(0, 0, 0);
  BaueEditorForm(wurzel);
  BauePlayerForm(wurzel);
  return 0;
}

int Mdi::CreateMySlider(int index, const u16& text, int x, int y, gui::Gadget* parent, int min, int max, int value,
                        int kind) {
  SliderText[index] = gui::CreateLabel(text + u" ", x - 150, y + 3, 150, 20, parent, gui::LabelRight);
  Slider[index] = gui::CreateStepper(x, y, 32, 26, parent);
  if (kind == 0) {
    SliderWert[index] =
        gui::CreateLabel(text::Num(value), x + 32, y + 3, 40, 20, parent, gui::LabelCentre | gui::LabelSunken);
  } else {
    SliderWert[index] = gui::CreateTextField(x + 32, y + 3, 40, 20, parent);
    SliderWert[index]->SetText(text::Num(value));
  }
  Slider[index]->SetRange(min, max);
  Slider[index]->SetValue(value);
  return 0;
}

int Mdi::SetMySliderValue(int index, int value) {
  gui::Gadget* stepper = Slider[index];
  if (!stepper) return 0;
  stepper->SetValue(value);
  int v = stepper->Value();
  if (index == SLID_FRAGENR) Mdi::LeseFrageInEditorEin(v);
  if (SliderWert[index]) SliderWert[index]->SetText(text::Num(v));
  return 0;
}

namespace {
bool Bedienungstaste(int code) {
  return code == 8 || code == 32 || (code >= 37 && code <= 40) || code == 45 || code == 46;
}
}  // namespace

int Mdi::Buchstaben(const gui::Event& event, gui::Gadget* context) {
  if (event.id != gui::KeyDown && event.id != gui::KeyChar) return 0;
  if (!context || context->Text().size() < 10) return 1;
  return Bedienungstaste(event.data) ? 1 : 0;
}

int Mdi::NurZahlen(const gui::Event& event, gui::Gadget* context) {
  int d = event.data;
  if (event.id == gui::KeyDown) return (Bedienungstaste(d) || (d >= 48 && d <= 57)) ? 1 : 0;
  if (event.id == gui::KeyChar) return (d == 8 || (d >= 48 && d <= 57)) ? 1 : 0;
  return 0;
}
