#include "catalogue/editor.h"

#include "ui/mainwindow.h"

// Placeholder until the question editor lands.
int Mdi::LeseFrageInEditorEin(int) { return 0; }
int Mdi::EditFensterSoEintragen(int slot) {
  if (EditorFrage) AlleFragen[slot] = EditorFrage;
  return 0;
}
int Mdi::EditorFensterSoSaven(int) { return 0; }
int WaehleMedienDatei(gui::Gadget*, int) { return 0; }
draw::PixmapPtr MalMusical(const u16&) { return nullptr; }
int WaehleEintrag(gui::Gadget*, const u16&) { return -1; }
