// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <string>
#include <vector>

#include "app/aufruf.h"
#include "app/startup.h"

int main(int argc, char** argv) {
  // --help and --version answer before any window or toolkit is created.
  AufrufErgebnis aufruf = PruefeAufruf(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
  if (aufruf.beenden) {
    std::fputs(aufruf.ausgabe.c_str(), stdout);
    std::fputs(aufruf.fehler.c_str(), stderr);
    return aufruf.exitCode;
  }
  return ProgrammStart(argc, argv);
}
