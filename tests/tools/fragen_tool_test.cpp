// SPDX-License-Identifier: GPL-3.0-or-later
// The build tool of the shipped question files, run as the build runs it: a
// source that breaks a rule fails with the file, the question number and the
// reason, and no question file is written.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <ostream>
#include <string>

#include "support/sandbox.h"

using testing_support::Sandbox;

namespace {

// One question in the readable layout; extra lines go in before the answers.
std::string Frage(int n, const std::string& extra = "", const std::string& bereich = "Instrumente",
                  const std::string& loesung = "2") {
  return "[Quiz " + std::to_string(n) + "]\nFrage=Welches Instrument ist das?\nProblem=20\nBereich=" + bereich +
         "\nLösung=" + loesung + "\n" + extra +
         "Antwort 1=Bratsche\nErklärung 1=Etwas größer.\nAntwort 2=Geige\nErklärung 2=Richtig! Vier Saiten.\n";
}

struct Lauf {
  int code = -1;
  std::string ausgabe;
};

class FragenTool : public ::testing::Test {
 protected:
  void SetUp() override {
    // a small archive: the tool only asks which entries exist
    box.Write("assets/Images/Instrument_Geige.png", "png");
    box.Write("assets/Images/Noten_C.png", "png");
    box.Write("assets/Sounds/Klang_Geige.ogg", "ogg");
    box.Write("assets/Musical/Musical71.png", "png");
  }
  Lauf Baue(const std::string& quelle, const std::string& name = "Fragen 1.txt") {
    box.Write("src/" + name, quelle);
    std::string cmd = std::string("'") + FRAGEN_TOOL + "' build '" + box.Dir() + "/src/" + name + "' '" + box.Dir() +
                      "/out.dat' '" + box.Dir() + "/assets' 2>&1";
    Lauf l;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return l;
    char buf[512];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) l.ausgabe.append(buf, n);
    int status = pclose(p);
    l.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return l;
  }
  Sandbox box;
};

TEST_F(FragenTool, BuildsAGoodSourceWithMediaInAnyLetterCase) {
  Lauf l = Baue(Frage(100, "Bild=instrument_geige.PNG\nBild2=Noten_C.gif\nAudio=klang_geige.WAV\nMusical=G\n") +
                Frage(199));
  EXPECT_EQ(0, l.code) << l.ausgabe;
  // one line, the spread of the right answers' positions
  EXPECT_EQ("Fragen 1.txt: 2 Fragen, richtige Antwort an Stelle 1: 0, 2: 2, 3: 0, 4: 0, 5: 0\n", l.ausgabe);
  EXPECT_TRUE(box.Exists("out.dat"));
}

struct Fehlerfall {
  const char* was;
  std::string datei;   // source file name
  std::string quelle;
  std::string frage;   // "Frage N" the message must name
  std::string grund;   // the reason it must give
  friend void PrintTo(const Fehlerfall& f, std::ostream* os) { *os << f.was; }
};

class FragenToolRefuses : public FragenTool, public ::testing::WithParamInterface<Fehlerfall> {};

TEST_P(FragenToolRefuses, NamesFileQuestionAndReason) {
  const Fehlerfall& f = GetParam();
  const int gut = (f.datei[7] - '0') * 100 + 50;  // a good question of the same file
  Lauf l = Baue(Frage(gut) + f.quelle, f.datei);
  EXPECT_EQ(1, l.code) << l.ausgabe;
  EXPECT_NE(std::string::npos, l.ausgabe.find(f.datei + ": " + f.frage)) << l.ausgabe;
  EXPECT_NE(std::string::npos, l.ausgabe.find(f.grund)) << l.ausgabe;
  EXPECT_EQ(std::string::npos, l.ausgabe.find("Frage " + std::to_string(gut) + " "))
      << "the good question is not blamed:\n" << l.ausgabe;
  EXPECT_FALSE(box.Exists("out.dat"));
}

const std::string F1 = "Fragen 1.txt";

INSTANTIATE_TEST_SUITE_P(
    Quellen, FragenToolRefuses,
    ::testing::Values(
        Fehlerfall{"missing_picture", F1, Frage(101, "Bild=Instrument_Bratsche.png\n"), "Frage 101",
                   "Bild fehlt im Archiv: Instrument_Bratsche.png"},
        Fehlerfall{"missing_solution_picture_gif", F1, Frage(102, "Bild2=Instrument_Geige2.gif\n"), "Frage 102",
                   "Bild2 fehlt im Archiv: Instrument_Geige2.gif (gesucht als Instrument_Geige2.PNG)"},
        Fehlerfall{"picture_only_as_clip", F1, Frage(103, "Bild=Klang_Geige.ogg\n"), "Frage 103",
                   "Bild fehlt im Archiv: Klang_Geige.ogg"},
        Fehlerfall{"missing_clip_wav", F1, Frage(104, "Audio=Klang_Bratsche.wav\n"), "Frage 104",
                   "Klang fehlt im Archiv: Klang_Bratsche.wav (gesucht als Klang_Bratsche.OGG)"},
        Fehlerfall{"musical_without_picture", F1, Frage(105, "Musical=GX\n"), "Frage 105",
                   "Notensymbol fehlt im Archiv: 88"},
        Fehlerfall{"number_below_file_one", F1, Frage(99), "Frage 99", "Nummer außerhalb der Datei"},
        Fehlerfall{"number_of_the_next_file", F1, Frage(200), "Frage 200", "Nummer außerhalb der Datei"},
        Fehlerfall{"number_999", "Fragen 9.txt", Frage(999), "Frage 999", "Nummer außerhalb der Datei"},
        Fehlerfall{"loesung_names_no_answer", F1, Frage(106, "", "Instrumente", "3"), "Frage 106",
                   "Lösung nennt keine Antwort"},
        Fehlerfall{"loesung_zero", F1, Frage(107, "", "Instrumente", "0"), "Frage 107", "Lösung nennt keine Antwort"},
        Fehlerfall{"loesung_not_a_number", F1, Frage(108, "", "Instrumente", "zwei"), "Frage 108",
                   "Lösung nennt keine Antwort"},
        Fehlerfall{"topic_outside_the_list", F1, Frage(109, "", "Sport"), "Frage 109", "Bereich nicht in der Themenliste"},
        Fehlerfall{"topic_with_trailing_blank", F1, Frage(110, "", "Instrumente "), "Frage 110",
                   "Bereich nicht in der Themenliste"},
        Fehlerfall{"number_twice", F1, Frage(111) + Frage(111), "Frage 111", "Nummer doppelt"},
        // sources in any order: the run is over the numbers 112..117
        Fehlerfall{"positions_cycle_over_six", F1,
                   Frage(117, "", "Instrumente", "2") + Frage(112, "", "Instrumente", "1") +
                       Frage(113, "", "Instrumente", "2") + Frage(114, "", "Instrumente", "1") +
                       Frage(115, "", "Instrumente", "2") + Frage(116, "", "Instrumente", "1"),
                   "Frage 112", "Lösungen laufen im Kreis bis Frage 117: 1-2-1-2-1-2"}),
    [](const ::testing::TestParamInfo<Fehlerfall>& info) { return std::string(info.param.was); });

TEST_F(FragenTool, BuildsFivePositionsInACycle) {
  std::string q;
  for (int n = 100; n < 105; ++n) q += Frage(n, "", "Instrumente", n % 2 ? "2" : "1");
  Lauf l = Baue(q);
  EXPECT_EQ(0, l.code) << l.ausgabe;
  EXPECT_TRUE(box.Exists("out.dat"));
}

TEST_F(FragenTool, RefusesASourceOutsideTheShippedFiles) {
  Lauf l = Baue(Frage(100), "Fragen.txt");
  EXPECT_EQ(1, l.code);
  EXPECT_NE(std::string::npos, l.ausgabe.find("Fragen N.txt")) << l.ausgabe;
  EXPECT_FALSE(box.Exists("out.dat"));
}

TEST_F(FragenTool, RefusesAMissingAssetsFolder) {
  box.Write("src/Fragen 1.txt", Frage(100));
  std::string cmd = std::string("'") + FRAGEN_TOOL + "' build '" + box.Dir() + "/src/Fragen 1.txt' '" + box.Dir() +
                    "/out.dat' '" + box.Dir() + "/nichts' >/dev/null 2>&1";
  EXPECT_NE(0, std::system(cmd.c_str()));
  EXPECT_FALSE(box.Exists("out.dat"));
}

}  // namespace
