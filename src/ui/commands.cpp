#include "ui/commands.h"

// Placeholder until the commands land.
int Mdi::StartAls(int) { return 0; }
int Mdi::MenuAction(int) { return 0; }
int Mdi::Event(gui::Object*) { return 0; }
int Mdi::MausEvent(gui::Object*) { return 0; }
int Mdi::DisableAllTools() { return 0; }
int Mdi::SwitchSomeMenus(const std::initializer_list<int>&, const std::initializer_list<int>&) { return 0; }
int Mdi::SetzeStatusText(int) { return 0; }
int Mdi::SpielerAlterCheck() { return 0; }
int Mdi::SpielerUebernehmen() { return 0; }
