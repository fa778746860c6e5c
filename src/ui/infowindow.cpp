// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/infowindow.h"

#include "app/startup.h"
#include "platform/fs/fs.h"
#include "platform/text.h"
#include "ui/mainwindow.h"

int InfoFenster::FormLoad() {
  const int breite = 640, hoehe = 440;
  int x = 0, y = 0;
  if (HauptFenster) {
    x = HauptFenster->X() + (HauptFenster->Width() - breite) / 2;
    y = HauptFenster->Y() + (HauptFenster->Height() - hoehe) / 2;
  }
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
