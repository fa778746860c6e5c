#include "ui/mainwindow.h"

// Placeholder until the main window lands.
int Mdi::FormLoad() { return 0; }
int Mdi::CreateMySlider(int, const u16&, int, int, gui::Gadget*, int, int, int, int) { return 0; }
int Mdi::SetMySliderValue(int, int) { return 0; }
int Mdi::Buchstaben(const gui::Event&, gui::Gadget*) { return 1; }
int Mdi::NurZahlen(const gui::Event&, gui::Gadget*) { return 1; }
