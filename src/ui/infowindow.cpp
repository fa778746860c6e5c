#include "ui/infowindow.h"

// Placeholder until the information window lands.
int InfoFenster::FormLoad() { return 0; }
int InfoFenster::ShowAs(int, const u16&) { return 0; }
int InfoFenster::Event(gui::Object*) { return 0; }
