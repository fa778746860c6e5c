// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/commands.h"

#include <algorithm>
#include <string>

#include "app/eventloop.h"
#include "app/startup.h"
#include "catalogue/editor.h"
#include "catalogue/lists.h"
#include "catalogue/questions.h"
#include "game/gameflow.h"
#include "game/players.h"
#include "game/quizscreen.h"
#include "game/sound.h"
#include "platform/diagnostic.h"
#include "platform/fs/fs.h"
#include "platform/text.h"
#include "ui/infowindow.h"

namespace {

const u16 kSpielerFormText = u" Geben Sie die Namen und das Alter der Mitspieler ein.";

void Werkzeuge(std::initializer_list<int> an) {
  if (!Symbolleiste) return;
  for (int i : an) Symbolleiste->EnableItem(i);
}

void Zeige(gui::Gadget* g) {
  if (g) g->Show();
}
void Verstecke(gui::Gadget* g) {
  if (g) g->Hide();
}

// Index of a gadget in a registry, or -1.
template <size_t N>
int IndexIn(const std::array<gui::Gadget*, N>& registry, const gui::Object* g) {
  for (size_t i = 0; i < N; ++i)
    if (registry[i] != nullptr && registry[i] == g) return static_cast<int>(i);
  return -1;
}

// The event data belonging to a source: taken from the event being handled,
// else read from the gadget itself.
int EreignisDaten(gui::Gadget* g) {
  const gui::Event& e = gui::CurrentEvent();
  if (e.source == g) return e.data;
  return g->Value();
}

// Name of a list file without its folder and extension.
u16 ListenName(const u16& datei) {
  u16 name = fs::FileName(datei);
  size_t punkt = name.rfind(u'.');
  if (punkt != u16::npos) name.resize(punkt);
  return name;
}

int ThemenBis() { return std::clamp(ThemenAnzahl, 0, static_cast<int>(Themen.size()) - 1); }

void MenuPlayNachListe() {
  if (!Menu[Mdi::MENU_PLAY]) return;
  if (FragenListeDatei.empty()) Menu[Mdi::MENU_PLAY]->Disable();
  else Menu[Mdi::MENU_PLAY]->Enable();
}

}  // namespace

namespace {

// One helper per mode that Mdi::StartAls enters.

// Back from a test game to the question editor, whose panel is still shown.
void ZurueckZumEditor() {
  Zeige(Panel[Mdi::PAN_LEER]);
  FesteFrage = 0;
  Modus = 3;
  Verstecke(HauptCanvas);
  Mdi::SwitchSomeMenus({11, 12, 15, 2}, {13, 14});
  Werkzeuge({0, 5, 1});
  Mdi::SetzeStatusText(3);
}

void Startbildschirm() {
  Zeige(Panel[Mdi::PAN_LEER]);
  Mdi::SwitchSomeMenus({11, 13, 14, 35}, {2, 12, 15, 21, 22, 23, 24, 31, 32, 34, 38});
  Verstecke(Panel[Mdi::PANEL_LISTE]);
  Verstecke(Panel[Mdi::PAN_EDIT]);
  Verstecke(Panel[Mdi::PAN_MULTI]);
  Mdi::SpielerUebernehmen();
  Verstecke(HauptCanvas);
  Zeige(Panel[Mdi::PAN_LEER]);
  if (Symbolleiste) {
    Symbolleiste->SetColor(155, 155, 155);
    Symbolleiste->EnableItem(1);
    if (SpielBereit == 0) Symbolleiste->DisableItem(1);
    Symbolleiste->EnableItem(4);
    Symbolleiste->EnableItem(7);
  }
  Spielschritt = 0;
  Zeige(HauptFenster);
  if (SpielBereit == 0) Mdi::StartAls(5);
  Mdi::SetzeStatusText(5);
}

// The canvas shown with the keyboard focus, the game waiting for its first tick.
void SpielBeginnt() {
  Mdi::SwitchSomeMenus({11, 12, 13, 15, 2}, {14});
  Zeige(HauptCanvas);
  if (HauptCanvas) HauptCanvas->Focus();
  SpielBereit = 0;
  Spielschritt = 0;
}

// Test game of the question in the editor.
void TestSpiel() {
  Mdi::EditFensterSoEintragen(999);
  FesteFrage = 999;
  Modus = 4;
  SpielBeginnt();
  Werkzeuge({0});
  Mdi::SetzeStatusText(2);
}

void Spiel() {
  Abblenden = 1.0f;
  SpielBeginnt();
  {
    const u16 datei = FragenListeDatei;  // a copy: the list layer may reset the global first
    FrageListeFuerSpiel(datei);
  }
  Werkzeuge({0});
  Mdi::SetzeStatusText(1);
}

void ListenEditor() {
  Mdi::SwitchSomeMenus({11, 15, 2}, {12, 13, 14});
  Zeige(Panel[Mdi::PAN_LEER]);
  Zeige(Panel[Mdi::PANEL_LISTE]);
  for (int i = 0; i <= ThemenBis(); ++i)
    if (Button[Mdi::BUTTON_THEMA + i]) Button[Mdi::BUTTON_THEMA + i]->SetText(Themen[i]);
  Werkzeuge({0, 5, 4});
  FrageListeAnwenden();
  Mdi::SetzeStatusText(4);
}

void FragenEditor() {
  Mdi::SwitchSomeMenus({11, 12, 15, 2}, {13, 14});
  Zeige(Panel[Mdi::PAN_LEER]);
  Zeige(Panel[Mdi::PAN_EDIT]);
  EditorBereicheFuellen();
  Werkzeuge({0, 5, 1});
  Mdi::SetzeStatusText(3);
}

void SpielerFormular() {
  Mdi::SwitchSomeMenus({11, 12, 15, 2}, {13, 14});
  Zeige(Panel[Mdi::PAN_LEER]);
  Zeige(Panel[Mdi::PAN_MULTI]);
  Werkzeuge({0});
  if (HauptFenster) HauptFenster->SetStatusText(kSpielerFormText);
  if (TextFeld[Mdi::TEXT_PLAYER]) TextFeld[Mdi::TEXT_PLAYER]->Focus();
}

}  // namespace

int Mdi::StartAls(int neu) {
  NeuMalen = 1;
  // A game left during its announcement must not take its sound stage along.
  if (neu == 1) AnsageTon = 0;
  DisableAllTools();
  Vormode = Modus;
  Modus = neu;

  switch (Modus) {
    case 0:
      if (Vormode == 4) ZurueckZumEditor();
      else Startbildschirm();
      break;
    case 1:
      // from the start screen a game; from anywhere else a test game
      if (Vormode != 0) TestSpiel();
      else Spiel();
      break;
    case 2: ListenEditor(); break;
    case 3: FragenEditor(); break;
    case 5: SpielerFormular(); break;
    default: break;
  }

  if (FragenListeDatei.empty() && Menu[MENU_PLAY]) Menu[MENU_PLAY]->Disable();
  SpielAssetsBereithalten(Modus);
  return 0;
}

int Mdi::MenuAction(int tag) {
  switch (tag) {
    case MENU_OPEN: FrageListeOeffnen(); break;
    case MENU_SAVE: FrageListeSpeichernUnter(); break;
    case MENU_CLOSE: StartAls(0); break;
    case MENU_EXIT: ProgrammEnde();
    case MENU_PLAY_ALL:
      FragenListeDatei.clear();
      StartAls(1);
      break;
    case MENU_PLAY: StartAls(1); break;
    case MENU_MULTI: StartAls(5); break;
    case MENU_LISTE: StartAls(2); break;
    case MENU_EDIT: StartAls(3); break;
    case MENU_ABOUT: InfoFenster::ShowAs(0, u"info"); break;
    case MENU_INTERNET: gui::OpenDocument(text::FromUtf8(fs::NativePath(DatenPfad + u"info.html"))); break;
    case MENU_HELP: ZeigeHandbuch(); break;
    case MENU_LEISTE_AN:
      if (Symbolleiste) Symbolleiste->Show();
      break;
    case MENU_LEISTE_AUS:
      if (Symbolleiste) Symbolleiste->Hide();
      break;
    default: break;  // the update search and the recent files do nothing
  }
  MenuPlayNachListe();
  return 0;
}

int Mdi::Event(gui::Object* source) {
  auto* g = dynamic_cast<gui::Gadget*>(source);
  if (!g) return 0;

  switch (g->Class()) {
    case gui::GadgetClass::Toolbar: {
      if (g != Symbolleiste) return 0;
      int item = EreignisDaten(g);
      platform::Diagnostic("switch toolbar " + std::to_string(item));
      switch (item) {
        case TOOL_EXIT: StartAls(0); break;
        case TOOL_PLAY: StartAls(1); break;
        case TOOL_LOAD: FrageListeOeffnen(); break;
        case TOOL_SAVE:
          if (Modus == 2) FrageListeSpeichernUnter();
          else if (Modus == 3 && Slider[SLID_FRAGENR]) EditorFensterSoSaven(Slider[SLID_FRAGENR]->Value());
          break;
        case TOOL_HELP: ZeigeHandbuch(); break;
        default: break;
      }
      break;
    }

    case gui::GadgetClass::Button:
    case gui::GadgetClass::CheckBox:
    case gui::GadgetClass::RadioButton:
    case gui::GadgetClass::ToggleRadio: {
      if (g == AktualisierenButton) {
        FrageListeAnwenden();
      } else if (g == Button[BUT_FREIE]) {
        SetMySliderValue(SLID_FRAGENR, FreieNummer());
      } else if (g == Button[BUT_MULTI]) {
        StartAls(0);
      } else if (g == Button[BUT_HOER]) {
        if (AudioFeld && !AudioFeld->Text().empty()) SpielTon(0, 1.0f, AudioFeld->Text());
      }
      int i = IndexIn(Button, g);
      if (i >= 1 && i <= 19) FrageListeAnwenden();
      break;
    }

    case gui::GadgetClass::TextField:
    case gui::GadgetClass::TextArea: {
      if (g == SliderWert[SLID_FRAGENR]) {
        SetMySliderValue(SLID_FRAGENR, text::ToInt(g->Text()));
        break;
      }
      int i = IndexIn(TextFeld, g);
      if (i >= TEXT_PLAYER && i < TEXT_ALTER + 5) SpielerAlterCheck();
      break;
    }

    case gui::GadgetClass::ScrollBar:
    case gui::GadgetClass::Stepper: {
      if (g == Slider[SLID_LISTE]) NeuMalen = 1;
      else if (g == Slider[SLID_FRAGENR]) SetMySliderValue(SLID_FRAGENR, EreignisDaten(g));
      else if (g == Slider[SLID_GRAD]) SetMySliderValue(SLID_GRAD, EreignisDaten(g));
      break;
    }

    default:
      break;
  }
  return 0;
}

int Mdi::MausEvent(gui::Object* source) {
  const gui::Event& e = gui::CurrentEvent();
  gui::Object* quelle = (e.id == gui::MouseDown && e.source) ? e.source : source;
  if (!quelle) return 0;
  if (quelle == HauptCanvas) MausInBox(MausX, MausY);
  else if (quelle == Panel[PAN_BILD_F]) WaehleMedienDatei(Panel[PAN_BILD_F], 1);
  else if (quelle == Panel[PAN_BILD_L]) WaehleMedienDatei(Panel[PAN_BILD_L], 2);
  else if (quelle == AudioFeld) WaehleMedienDatei(AudioFeld, 3);
  return 0;
}

int Mdi::DisableAllTools() {
  if (!Symbolleiste) return 0;
  for (int i = 0; i <= 15; ++i) {
    Symbolleiste->DisableItem(i);
    platform::Diagnostic("DISABLE " + std::to_string(i) + " " + std::to_string(Symbolleiste->ItemCount()));
  }
  Symbolleiste->EnableItem(8);
  Symbolleiste->EnableItem(9);
  Symbolleiste->EnableItem(10);
  return 0;
}

int Mdi::SwitchSomeMenus(const std::initializer_list<int>& off, const std::initializer_list<int>& on) {
  for (int tag : off) {
    if (tag == 0) break;
    if (tag > 0 && tag < static_cast<int>(Menu.size()) && Menu[tag]) Menu[tag]->Disable();
  }
  for (int tag : on) {
    if (tag == 0) break;
    if (tag > 0 && tag < static_cast<int>(Menu.size()) && Menu[tag]) Menu[tag]->Enable();
  }
  if (HauptFenster) HauptFenster->RefreshMenu();
  return 0;
}

int Mdi::SetzeStatusText(int kind) {
  u16 t;
  switch (kind) {
    case 1:
      if (!FragenListeDatei.empty())
        t = u" Teil-Quiz '" + ListenName(FragenListeDatei) + u"' mit " + text::Num(ErlaubteFragen) + u" Fragen.";
      else
        t = u" Gesamt-Quiz mit " + text::Num(ErlaubteFragen) + u" Fragen.";
      break;
    case 2:
      t = u" Test-Spiel für Frage No. " + text::Num(Slider[SLID_FRAGENR] ? Slider[SLID_FRAGENR]->Value() : 0);
      break;
    case 3: t = u" Im Fragen-Editor erstellen Sie neue Fragen."; break;
    case 4: t = u" Im Liste-Editor schränken Sie den Fragen-Umfang ein."; break;
    case 5: t = u" Wählen Sie: 'Quiz spielen', 'Fragenumfang einschränken' oder 'neue Fragen erstellen'."; break;
    default: break;
  }
  if (HauptFenster) HauptFenster->SetStatusText(t);
  return 0;
}

int Mdi::SpielerAlterCheck() {
  SpielBereit = 1;
  auto name = [](int i) { return TextFeld[TEXT_PLAYER + i]; };
  auto alter = [](int i) { return TextFeld[TEXT_ALTER + i]; };
  if (!name(0) || name(0)->Text().empty()) {
    SpielBereit = 0;
    return 0;
  }
  for (int i = 0; i <= 4; ++i) {
    if (!name(i) || !alter(i)) continue;
    if (!name(i)->Text().empty()) {
      int a = text::ToInt(alter(i)->Text());
      if (a < 9 || a > 99) {
        SpielBereit = 0;
      } else if (i < 4) {
        name(i + 1)->Show();
        alter(i + 1)->Show();
      }
    } else {
      for (int j = i; j <= 4; ++j) {
        if (!name(j)->Text().empty()) name(j)->SetText(u"");
        if (!alter(j)->Text().empty()) alter(j)->SetText(u"");
        if (j > i) {
          name(j)->Hide();
          alter(j)->Hide();
        }
      }
    }
  }
  return 0;
}

int Mdi::SpielerUebernehmen() {
  int n = 0;
  for (int i = 0; i <= 4; ++i) {
    gui::Gadget* name = TextFeld[TEXT_PLAYER + i];
    gui::Gadget* alter = TextFeld[TEXT_ALTER + i];
    if (!name || name->Text().empty()) break;
    if (!Spieler[i]) Spieler[i] = std::make_shared<SpielerTyp>();
    Spieler[i]->Name = name->Text();
    Spieler[i]->Punkte = 0;
    Spieler[i]->Alter = alter ? text::ToInt(alter->Text()) : 0;
    ++n;
  }
  SpielerAnzahl = n;
  return 0;
}
