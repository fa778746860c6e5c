// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/infowindow.h"

#include "app/startup.h"
#include "platform/fs/fs.h"
#include "platform/text.h"
#include "ui/mainwindow.h"

namespace {

constexpr int kBreite = 640, kHoehe = 440;
// The place FormLoad chose; set while the window waits to be built.
bool g_vorgemerkt = false;
int g_x = 0, g_y = 0;

}  // namespace

int InfoFenster::FormLoad() {
  g_x = g_y = 0;
  if (HauptFenster) {
    g_x = HauptFenster->X() + (HauptFenster->Width() - kBreite) / 2;
    g_y = HauptFenster->Y() + (HauptFenster->Height() - kHoehe) / 2;
  }
  g_vorgemerkt = true;
  return 0;
}

int InfoFenster::Baue() {
  if (InfoFensterGadget || !g_vorgemerkt) return 0;
  const int breite = kBreite, hoehe = kHoehe, x = g_x, y = g_y;
  InfoFensterGadget =
      gui::CreateWindow(u"{{Informations}}", x, y, breite, hoehe, HauptFenster, gui::WindowTitle | gui::WindowTool);
  InfoFensterGadget->KeepOnScreen(breite, hoehe);  // where the screen is small or scaled up
  InfoFensterGadget->SetColor(155, 155, 155);
  InfoFensterGadget->Hide();
  InfoGadget[BUT_OK] = gui::CreateButton(u"{{OK}}", 500, 410, 100, 24, InfoFensterGadget);
  InfoFensterGadget->SetDefaultButton(InfoGadget[BUT_OK]);
  InfoHtml = gui::CreateHtmlView(5, 5, 630, 390, InfoFensterGadget);
  InfoHtml->SetFollow(gui::EdgeAll);
  return 0;
}

int InfoFenster::ShowAs(int kind, const u16& name) {
  Baue();
  if (!InfoFensterGadget) return 0;
  InfoFensterGadget->Show();
  if (HauptFenster) HauptFenster->Disable();
  InfoModus = kind;
  if (kind == 0 && InfoHtml && !InfoHtml->LoadFile(DatenPfad + u"info.html"))
    InfoHtml->SetText(u"Die Seite \u00BBinfo.html\u00AB fehlt im Datenordner " +
                      text::FromUtf8(fs::NativePath(DatenPfad)) +
                      u". L\u00F6schen Sie die Datei \u00BBParlavinto.Ini\u00AB dort, dann legt der n\u00E4chste "
                      u"Start die Seite neu an.");
  if (InfoGadget[BUT_OK]) InfoGadget[BUT_OK]->Focus();
  return 0;
}

int InfoFenster::Event(gui::Object* source) {
  if (source != nullptr && source == InfoGadget[BUT_OK]) {
    if (HauptFenster) HauptFenster->Enable();
    if (InfoFensterGadget) InfoFensterGadget->Hide();
  }
  return 0;
}
