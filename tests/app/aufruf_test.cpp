// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: what ends the process before anything starts, and what
// is left to the toolkit.
#include "app/aufruf.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gui/gui.h"

namespace {

struct AufrufFall {
  const char* name;
  std::vector<std::string> args;
  bool beenden;
  int exitCode;
  const char* ausgabeEnthaelt;  // part of standard output ("" for none)
  const char* fehlerEnthaelt;   // part of standard error ("" for none)
};

void PrintTo(const AufrufFall& f, std::ostream* os) { *os << f.name; }

class Aufruf : public testing::TestWithParam<AufrufFall> {};

TEST_P(Aufruf, Answers) {
  const AufrufFall& f = GetParam();
  AufrufErgebnis r = PruefeAufruf(f.args);
  EXPECT_EQ(f.beenden, r.beenden);
  EXPECT_EQ(f.exitCode, r.exitCode);
  if (*f.ausgabeEnthaelt)
    EXPECT_NE(std::string::npos, r.ausgabe.find(f.ausgabeEnthaelt)) << r.ausgabe;
  else
    EXPECT_EQ("", r.ausgabe);
  if (*f.fehlerEnthaelt)
    EXPECT_NE(std::string::npos, r.fehler.find(f.fehlerEnthaelt)) << r.fehler;
  else
    EXPECT_EQ("", r.fehler);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Aufruf,
    testing::Values(
        AufrufFall{"NoArguments", {}, false, 0, "", ""},
        AufrufFall{"Help", {"--help"}, true, 0, "Aufruf: parlavinto [--help | --version]", ""},
        AufrufFall{"HelpNamesTheDataFolder", {"--help"}, true, 0, "~/.local/share/Brelquisto/Parlavinto/", ""},
        AufrufFall{"Version", {"--version"}, true, 0, "Parlavinto 4.9.1\n", ""},
        AufrufFall{"VersionNamesTheLicence", {"--version"}, true, 0, "GNU GPL Version 3 oder neuer", ""},
        AufrufFall{"FirstAnswerWins", {"--version", "--help"}, true, 0, "Parlavinto 4.9.1", ""},
        AufrufFall{"UnknownLongOption", {"--hilfe"}, true, 2, "", "unbekannte Option »--hilfe«"},
        AufrufFall{"UnknownBeforeHelp", {"--fullscreen", "--help"}, true, 2, "", "Aufruf: parlavinto"},
        AufrufFall{"ToolkitOptionIsLeftAlone", {"-session", "abc"}, false, 0, "", ""},
        AufrufFall{"HelpIsExact", {"--help=ja"}, true, 2, "", "»--help=ja«"}),
    [](const testing::TestParamInfo<AufrufFall>& i) { return std::string(i.param.name); });

TEST(Aufruf, VersionIsTheProjectVersion) { EXPECT_STREQ("4.9.1", ProgrammVersion()); }

// The toolkit gets the desktop entry's name and a window icon in every size
// the icon theme has (the icons are linked into the program as resources).
TEST(Programmidentitaet, DesktopFileNameAndWindowIcon) {
  gui::Init(0, nullptr);
  EXPECT_EQ(u"org.parlavinto.Parlavinto", gui::DesktopFileName());
  std::vector<int> sizes = gui::WindowIconSizes();
  for (int s : {16, 24, 32, 48, 64, 128, 256})
    EXPECT_NE(sizes.end(), std::find(sizes.begin(), sizes.end(), s)) << s;
}

}  // namespace
