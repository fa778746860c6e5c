// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: the game has no options of its own; "--help" and
// "--version" answer on standard output and end the process before any
// window or platform layer is brought up.
#pragma once
#include <string>
#include <vector>

// The program's version, from the build (project version).
const char* ProgrammVersion();

struct AufrufErgebnis {
  bool beenden = false;  // true: print the texts and end with exitCode
  int exitCode = 0;
  std::string ausgabe;  // for standard output (UTF-8)
  std::string fehler;   // for standard error (UTF-8)
};

// Looks at the arguments after the program name. "--help" and "--version"
// end with exit code 0; any other argument that starts with "--" is refused
// with exit code 2. Everything else is left to the toolkit (its own
// single-dash options such as -session or -platform) and the game starts.
AufrufErgebnis PruefeAufruf(const std::vector<std::string>& args);
