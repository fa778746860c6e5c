// SPDX-License-Identifier: GPL-3.0-or-later
#include <malloc.h>

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
  // Pictures, their scaled copies and decoded sounds are large buffers that
  // come and go with the modes: a fixed threshold keeps them in their own
  // mappings, so that freeing one gives its memory back to the system
  // (glibc would otherwise raise the threshold and keep them in the heap).
  mallopt(M_MMAP_THRESHOLD, 256 * 1024);
  return ProgrammStart(argc, argv);
}
