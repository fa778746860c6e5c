// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/aufruf.h"

#ifndef PARLAVINTO_VERSION
#error "PARLAVINTO_VERSION must come from the build"
#endif

const char* ProgrammVersion() { return PARLAVINTO_VERSION; }

namespace {

const char* const kAufruf = "Aufruf: parlavinto [--help | --version]\n";

std::string HilfeText() {
  return std::string(kAufruf) +
         "\n"
         "Parlavinto ist ein Musikquiz für einen bis fünf Spieler: Fragen zu\n"
         "Komponisten und Interpreten, Instrumenten, Noten, Tonarten, Intervallen\n"
         "und bekannten Werken. Ohne Option startet das Spiel.\n"
         "\n"
         "  --help     diese Hilfe zeigen und beenden\n"
         "  --version  Versionsnummer und Lizenz zeigen und beenden\n"
         "\n"
         "Einstellungen, eigene Fragen und Fragenlisten liegen im Datenordner\n"
         "$XDG_DATA_HOME/Brelquisto/Parlavinto/ (ohne XDG_DATA_HOME:\n"
         "~/.local/share/Brelquisto/Parlavinto/). Das Handbuch öffnet das Spiel\n"
         "unter Optionen → Hilfe.\n";
}

std::string VersionText() {
  return std::string("Parlavinto ") + ProgrammVersion() +
         "\n"
         "Copyright (C) 2026 Die Parlavinto-Entwickler\n"
         "Lizenz GPLv3+: GNU GPL Version 3 oder neuer <https://gnu.org/licenses/gpl.html>.\n"
         "Die Inhalte des Spiels (Fragen, Bilder, Klänge, Handbuch) stehen unter\n"
         "CC BY-SA 4.0; Schriften und Klangbibliothek unter ihren eigenen Lizenzen.\n"
         "Dies ist freie Software: Sie dürfen sie ändern und weitergeben.\n"
         "Es gibt KEINE GARANTIE, soweit das Gesetz es zulässt.\n";
}

}  // namespace

AufrufErgebnis PruefeAufruf(const std::vector<std::string>& args) {
  AufrufErgebnis r;
  // The first answer wins, as in "parlavinto --version --help".
  for (const std::string& a : args) {
    if (a == "--help") {
      r.beenden = true;
      r.ausgabe = HilfeText();
      return r;
    }
    if (a == "--version") {
      r.beenden = true;
      r.ausgabe = VersionText();
      return r;
    }
    if (a.rfind("--", 0) == 0) {
      r.beenden = true;
      r.exitCode = 2;
      r.fehler = "parlavinto: unbekannte Option »" + a + "«\n" + kAufruf;
      return r;
    }
  }
  return r;
}
