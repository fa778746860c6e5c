// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a question into the user's file on real files: one write with the
// bytes of the single writes, whole or not at all under a kill, refused where
// the file cannot be read or written, through symbolic links, in every
// encoding of the user's file, and with any text the user can type.
#include <grp.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <random>
#include <thread>

#include "app/startup.h"
#include "catalogue/lists.h"
#include "catalogue/questions.h"
#include "game/gameflow.h"
#include "ini/ini.h"
#include "platform/fs/fs.h"
#include "platform/gui/gui.h"
#include "support/sandbox.h"
#include "ui/mainwindow.h"

using testing_support::Sandbox;

namespace {

const std::string kDaten = "Brelquisto/Parlavinto/";
const std::string kDatei = kDaten + "Fragen 0.dat";

QuizPtr Beispiel(const u16& frage, int loesung = 2) {
  QuizPtr q = QuizType::Create();
  q->Frage = frage;
  q->Musical = u"AB";
  q->Problem = 35;
  q->Bereich = u"Oper und Bühne";
  q->Loesung = loesung;
  q->Bild = u"bild.png";
  q->Audio = u"ton.ogg";
  for (int i = 1; i <= 5; ++i) {
    q->Antwort[i] = frage + u" Antwort " + text::Num(i);
    q->Erklaerung[i] = i == 3 ? u16() : frage + u" Erklärung = " + text::Num(i);
  }
  return q;
}

// The fields a file holds, for comparing what was read back.
std::vector<u16> Felder(const QuizType& q) {
  std::vector<u16> f = {q.Frage, q.Musical, text::Num(q.Problem), q.Bereich, text::Num(q.Loesung), q.Bild, q.Bild2, q.Audio};
  for (int i = 1; i <= 5; ++i) {
    f.push_back(q.Antwort[i]);
    f.push_back(q.Erklaerung[i]);
  }
  return f;
}

class Saving : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::UseDataFolderIn(box);
    SonstPfad = box.Path("sonst/");
    fs::CreateFolders(DatenPfad);
    VergissDateiCache();
    FragenZaehler = 1;
    gui::SetConfirmHandler([](const u16& t) {
      ADD_FAILURE() << "unexpected question: " << text::ToUtf8(t);
      return 0;
    });
  }
  void TearDown() override {
    gui::SetConfirmHandler(nullptr);
    SetzePfade();
    VergissDateiCache();
    FragenZaehler = 0;
  }
  void User(const std::string& bytes) { box.Write(kDatei, bytes); }
  std::string UserFile() { return box.Read(kDatei); }
  std::string Pfad(const std::string& rel) { return box.Dir() + "/" + rel; }
  void Load() {
    VergissDateiCache();
    for (auto& q : AlleFragen) q = QuizType::Create();
    LadeAlleFragen();
  }
  int Speichere(int n, const QuizPtr& q) {
    AlleFragen[999] = q;
    return SpeichereQuiz(999, n);
  }
  // Question n as the file holds it now.
  QuizPtr Gelesen(int n) {
    VergissDateiCache();
    EigeneFragenLesen = 1;
    QuizPtr q = LeseQuiz(n);
    EigeneFragenLesen = 0;
    return q;
  }
  std::vector<std::string> TempDateien(const std::string& rel) {
    std::vector<std::string> out;
    for (auto& e : std::filesystem::directory_iterator(Pfad(rel)))
      if (e.path().filename().string().rfind(".", 0) == 0) out.push_back(e.path().filename().string());
    return out;
  }
  Sandbox box;
};

// --- one write with the bytes of the single writes --------------------------

struct DateiFall {
  const char* name;
  bool exists;
  std::string bytes;
  int nummer;
};

void PrintTo(const DateiFall& f, std::ostream* os) { *os << f.name; }

template <size_t N>
std::string Bytes(const char (&s)[N]) {
  return std::string(s, N - 1);
}

const DateiFall kFragenDateien[] = {
    {"NoFileYet", false, "", 1},
    {"EmptyTemplate", true, "", 1},
    {"NewQuestionAfterOthers", true, "[Quiz 1]\r\nFrage=Eins\r\nL\xF6sung=1\r\n[Quiz 2]\r\nFrage=Zwei\r\nL\xF6sung=1\r\n", 7},
    {"ExistingQuestionMissingKeys", true,
     "[Quiz 1]\r\nFrage=Eins\r\n[Quiz 2]\r\nFrage=alt\r\nBild=x.png\r\n\r\n[Quiz 3]\r\nFrage=Drei\r\n", 2},
    {"LfLineEndsNoFinalEnd", true, "[Quiz 4]\nFrage=Vier\nL\xF6sung=2\n[Quiz 5]\nFrage=F\xFCnf", 4},
    {"Utf8WithMarkFirstQuestion", true, "\xEF\xBB\xBF[Quiz 1]\r\nFrage=Gr\xC3\xBC\xC3\x9F" "e\r\nL\xC3\xB6sung=1\r\n", 1},
    {"Utf8WithoutMark", true, "[Quiz 1]\r\nFrage=Gr\xC3\xBC\xC3\x9F" "e\r\nL\xC3\xB6sung=1\r\n", 9},
    {"SectionTwiceAndJunk", true, Bytes("; notes\r\n[Quiz 3]\r\nFrage=a\r\n[Quiz 3]\r\nFrage=b\0junk\r\r\n"), 3},
};

class SavingBytes : public Saving, public ::testing::WithParamInterface<DateiFall> {};

TEST_P(SavingBytes, EqualOneWritePerKey) {
  const DateiFall& f = GetParam();
  if (f.exists) {
    User(f.bytes);
    box.Write("single.dat", f.bytes);
  }
  const bool utf8 = f.bytes.rfind("\xEF\xBB\xBF", 0) == 0 || text::IsUtf8WithNonAscii(f.bytes);
  QuizPtr q = Beispiel(u"Was heißt \"Lösung=3\" in [Quiz 4]?");
  ASSERT_EQ(0, Speichere(f.nummer, q));

  // the same keys, one Ini::Schreiben each, in the order of a save
  auto b = [&](const u16& s) { return utf8 ? text::FromLatin1(text::ToUtf8(s)) : s; };
  const u16 sektion = b(u"Quiz " + text::Num(f.nummer)), datei = box.Path("single.dat");
  auto schreibe = [&](const u16& k, const u16& v) { ASSERT_EQ(0, Ini::Schreiben(sektion, b(k), b(v), datei)); };
  schreibe(u"Frage", q->Frage);
  schreibe(u"Musical", q->Musical);
  schreibe(u"Bild", q->Bild);
  schreibe(u"Bild2", q->Bild2);
  schreibe(u"Audio", q->Audio);
  schreibe(u"Bereich", q->Bereich);
  schreibe(u"Problem", text::Num(q->Problem));
  schreibe(u"Lösung", text::Num(q->Loesung));
  for (int i = 1; i <= 5; ++i) {
    schreibe(u"Antwort " + text::Num(i), q->Antwort[i]);
    schreibe(u"Erklärung " + text::Num(i), q->Erklaerung[i]);
  }
  EXPECT_EQ(box.Read("single.dat"), UserFile());
  EXPECT_EQ(Felder(*q), Felder(*Gelesen(f.nummer)));
}

INSTANTIATE_TEST_SUITE_P(Files, SavingBytes, ::testing::ValuesIn(kFragenDateien),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Saving, ListFileEqualsOneWritePerKey) {
  const std::string alt = "[DieseNicht]\nData=1 2\n\n[Grade]\n0=1\n4=1\n[Fremd]\nx=y";
  box.Write(kDaten + "Daten/Spiele/a.lst", alt);
  box.Write("single.lst", alt);
  ASSERT_EQ(0, SchreibeFrageListe(DatenPfad + u"Daten/Spiele/a.lst"));
  // the panel's state, whether or not it was built in this process
  auto zustand = [](int i) { return u16(Button[i] && Button[i]->Checked() ? u"1" : u"0"); };
  auto textVon = [](gui::Gadget* g) { return g ? g->Text() : u16(); };
  const u16 datei = box.Path("single.lst");
  Ini::Schreiben(u"DieseNicht", u"Data", textVon(NiemalsListe), datei);
  Ini::Schreiben(u"DieseDoch", u"Data", textVon(ImmerListe), datei);
  for (int g = 0; g < 9; ++g) Ini::Schreiben(u"Grade", text::Num(g), zustand(Mdi::BUTTON_GRAD + g), datei);
  for (int t = 0; t < 10; ++t) Ini::Schreiben(u"Thema", text::Num(t), zustand(Mdi::BUTTON_THEMA + t), datei);
  Ini::Schreiben(u"Reihenfolge", u"Data", zustand(Mdi::BUT_REIHE_Z), datei);
  EXPECT_EQ(box.Read("single.lst"), box.Read(kDaten + "Daten/Spiele/a.lst"));
}

// --- a killed save ----------------------------------------------------------

TEST_F(Saving, AKilledSaveLeavesTheOldOrTheNewQuestionWhole) {
  // a user file of a few megabytes: 99 questions and a long block of notes
  std::string datei;
  for (int n = 1; n <= 99; ++n) {
    datei += "[Quiz " + std::to_string(n) + "]\r\nFrage=Alte Frage " + std::to_string(n) + "\r\nL\xF6sung=1\r\n";
    for (int i = 1; i <= 5; ++i)
      datei += "Antwort " + std::to_string(i) + "=alt " + std::to_string(i) + "\r\nErkl\xE4rung " + std::to_string(i) +
               "=alt\r\n";
  }
  datei += "[Notizen]\r\n";
  for (int i = 0; i < 30000; ++i) datei += "Zeile " + std::to_string(i) + "=eine Notiz des Lehrers\r\n";
  User(datei);
  Load();
  const std::vector<u16> alt = Felder(*Gelesen(50)), nachbar = Felder(*Gelesen(51));
  QuizPtr neu = Beispiel(u"Neue Frage");
  const std::vector<u16> neuFelder = Felder(*neu);

  auto kind = [&]() {
    pid_t pid = fork();
    if (pid == 0) {
      AlleFragen[999] = neu;
      _exit(SpeichereQuiz(999, 50) == 0 ? 0 : 1);
    }
    return pid;
  };
  // how long one whole save takes here
  auto t0 = std::chrono::steady_clock::now();
  pid_t p = kind();
  int status = 0;
  waitpid(p, &status, 0);
  const auto dauer = std::chrono::steady_clock::now() - t0;
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  ASSERT_EQ(neuFelder, Felder(*Gelesen(50)));

  std::mt19937 zufall(12345);
  const long long us = std::chrono::duration_cast<std::chrono::microseconds>(dauer).count();
  std::uniform_int_distribution<long long> wann(0, us + us / 4);
  int alte = 0, neue = 0;
  for (int versuch = 0; versuch < 50; ++versuch) {
    User(datei);
    pid_t pid = kind();
    std::this_thread::sleep_for(std::chrono::microseconds(wann(zufall)));
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    const std::vector<u16> jetzt = Felder(*Gelesen(50));
    if (jetzt == alt) {
      ++alte;
    } else if (jetzt == neuFelder) {
      ++neue;
    } else {
      ADD_FAILURE() << "trial " << versuch << ": a mixed question";
    }
    EXPECT_EQ(nachbar, Felder(*Gelesen(51))) << versuch;
    EXPECT_EQ(u"eine Notiz des Lehrers", Ini::Lesen(u"Notizen", u"Zeile 29999", EigeneFragenDatei())) << versuch;
  }
  std::cout << "killed saves: " << alte << " old, " << neue << " new (one save takes " << us << " us)\n";
  EXPECT_EQ(50, alte + neue);

  // what the killed saves left behind goes at the next start, and only that
  box.Write(kDaten + ".notes.abcdef", "mine");
  box.Write(kDaten + "Fragen 0.dat.abcdef", "mine");
  EntferneVerwaisteTempDateien();
  EXPECT_EQ(std::vector<std::string>{".notes.abcdef"}, TempDateien(kDaten));
  EXPECT_TRUE(box.Exists(kDaten + "Fragen 0.dat.abcdef"));
}

// --- files that cannot be read or written ------------------------------------

// Runs f in a child process as an unprivileged user: root reads and writes
// past file permissions, so as root the child becomes "nobody". Returns f's
// result, or -1 when the child could not run it.
int AlsNutzer(const std::function<int()>& f) {
  pid_t pid = fork();
  if (pid == 0) {
    if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)) _exit(99);
    _exit(f());
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Makes path belong to the user AlsNutzer runs as, with the given mode.
void Gehoert(const std::string& path, mode_t mode) {
  if (geteuid() == 0) {
    ASSERT_EQ(0, chown(path.c_str(), 65534, 65534));
  }
  ASSERT_EQ(0, chmod(path.c_str(), mode));
}

struct RechteFall {
  const char* name;
  mode_t ordner;
  bool datei;
  mode_t dateiRechte;
  int ergebnis;  // of SpeichereQuiz
};

void PrintTo(const RechteFall& f, std::ostream* os) { *os << f.name; }

class SavingRights : public Saving, public ::testing::WithParamInterface<RechteFall> {};

TEST_P(SavingRights, NothingIsReplacedThatCannotBeReadAndFailuresAreReported) {
  const RechteFall& c = GetParam();
  const std::string alt = "[Quiz 1]\r\nFrage=Eins\r\nL\xF6sung=1\r\n[Quiz 2]\r\nFrage=Zwei\r\nL\xF6sung=1\r\n";
  std::filesystem::remove(Pfad(kDatei));
  if (c.datei) User(alt);
  for (const std::string& d : {box.Dir(), Pfad("Brelquisto")}) ASSERT_EQ(0, chmod(d.c_str(), 0755));
  if (c.datei) Gehoert(Pfad(kDatei), c.dateiRechte);
  Gehoert(Pfad(kDaten), c.ordner);

  const int ergebnis = AlsNutzer([&] {
    const int r = Speichere(5, Beispiel(u"Neu"));
    // a failure tells why
    if (r != 0 && fs::ErrorText(fs::LastError()).empty()) return 50;
    return r;
  });
  EXPECT_EQ(c.ergebnis, ergebnis);
  chmod(Pfad(kDaten).c_str(), 0755);
  chmod(Pfad(kDatei).c_str(), 0644);
  if (c.ergebnis != 0 && c.datei) {
    EXPECT_EQ(alt, UserFile());
  } else if (c.ergebnis != 0) {
    EXPECT_FALSE(box.Exists(kDatei));
  } else {
    EXPECT_EQ(u"Neu", Gelesen(5)->Frage);
    EXPECT_EQ(u"Zwei", Gelesen(2)->Frage);
  }
  EXPECT_EQ(std::vector<std::string>{}, TempDateien(kDaten));  // nothing left behind
}

INSTANTIATE_TEST_SUITE_P(Cases, SavingRights,
                         ::testing::Values(RechteFall{"Writable", 0755, true, 0644, 0},
                                           RechteFall{"UnreadableFile", 0755, true, 0200, 2},
                                           RechteFall{"NoRightsAtAll", 0755, true, 0000, 2},
                                           RechteFall{"ReadOnlyFile", 0755, true, 0444, 2},
                                           RechteFall{"ReadOnlyFolder", 0555, true, 0644, 2},
                                           RechteFall{"NewFileInReadOnlyFolder", 0555, false, 0644, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Saving, ListAndSettingsFilesThatCannotBeWrittenAreReportedAndKept) {
  for (const std::string& d : {box.Dir(), Pfad("Brelquisto")}) ASSERT_EQ(0, chmod(d.c_str(), 0755));
  box.Write(kDaten + "Daten/Spiele/liste.lst", "[DieseDoch]\r\nData=12\r\n");
  box.Write(kDaten + "Parlavinto.Ini", "[Allgemein]\r\nLastStart=gestern\r\n");
  for (const char* d : {"", "Daten/", "Daten/Spiele/"}) Gehoert(Pfad(kDaten + d), 0555);
  for (const char* f : {"Daten/Spiele/liste.lst", "Parlavinto.Ini"}) Gehoert(Pfad(kDaten + f), 0644);

  const int ergebnis = AlsNutzer([&] {
    u16 gemeldet;
    gui::SetWarnHandler([&](const u16& t) { gemeldet = t; });
    int r = 0;
    if (SchreibeFrageListe(SpieleOrdner() + u"liste.lst") != 1) r |= 1;
    if (gemeldet.find(u"Die Frageliste \"liste.lst\" konnte nicht gespeichert werden.") != 0) r |= 2;
    if (gemeldet.find(text::FromUtf8(fs::NativePath(SpieleOrdner() + u"liste.lst"))) == u16::npos) r |= 4;
    if (gemeldet.find(u"Grund: keine Berechtigung") == u16::npos) r |= 8;
    IniDatei = DatenPfad + u"Parlavinto.Ini";
    if (StempleStartzeit() == 0) r |= 16;
    return r;
  });
  EXPECT_EQ(0, ergebnis);
  EXPECT_EQ("[DieseDoch]\r\nData=12\r\n", box.Read(kDaten + "Daten/Spiele/liste.lst"));
  EXPECT_EQ("[Allgemein]\r\nLastStart=gestern\r\n", box.Read(kDaten + "Parlavinto.Ini"));
}

// --- symbolic links -----------------------------------------------------------

TEST_F(Saving, ASymbolicLinkStaysALinkAndTheFileItNamesIsWritten) {
  struct Fall {
    const char* name;
    std::string ziel;       // what the link says
    std::string echt;       // the file that must get the question (relative to the sandbox)
    bool echtGibtEs;
  } const faelle[] = {
      {"absolute", box.Dir() + "/woanders/fragen.dat", "woanders/fragen.dat", true},
      {"relative", "../../woanders/fragen.dat", "woanders/fragen.dat", true},
      {"dangling", "../../woanders/neu.dat", "woanders/neu.dat", false},
      {"chain", "kette.dat", "woanders/fragen.dat", true},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.name);
    std::filesystem::remove_all(Pfad("woanders"));
    std::filesystem::remove(Pfad(kDatei));
    std::filesystem::remove(Pfad(kDaten + "kette.dat"));
    if (f.echtGibtEs) box.Write("woanders/fragen.dat", "[Quiz 1]\r\nFrage=Eins\r\nL\xF6sung=1\r\n");
    else std::filesystem::create_directories(Pfad("woanders"));
    if (std::string(f.name) == "chain") std::filesystem::create_symlink("../../woanders/fragen.dat", Pfad(kDaten + "kette.dat"));
    std::filesystem::create_symlink(f.ziel, Pfad(kDatei));
    ASSERT_EQ(0, Speichere(2, Beispiel(u"Zwei")));
    EXPECT_TRUE(std::filesystem::is_symlink(Pfad(kDatei)));
    const std::string inhalt = box.Read(f.echt);
    EXPECT_NE(std::string::npos, inhalt.find("[Quiz 2]\r\nFrage=Zwei\r\n"));
    if (f.echtGibtEs) {
      EXPECT_EQ(0u, inhalt.find("[Quiz 1]\r\nFrage=Eins\r\n"));
    }
    EXPECT_EQ(u"Zwei", Gelesen(2)->Frage);
  }
}

// --- encodings of the user's file ----------------------------------------------

std::string Utf16(const u16& t, bool little) {
  std::string out = little ? "\xFF\xFE" : "\xFE\xFF";
  for (char16_t c : t) {
    out += static_cast<char>(little ? c & 0xFF : c >> 8);
    out += static_cast<char>(little ? c >> 8 : c & 0xFF);
  }
  return out;
}

TEST_F(Saving, TheFirstQuestionOfAUnicodeFileCanBeSavedAgainAndAgain) {
  const u16 t = u"[Quiz 1]\r\nFrage=Erste \u266A\r\nLösung=1\r\nAntwort 1=a\r\n[Quiz 2]\r\nFrage=Zweite\r\nLösung=1\r\n";
  struct Fall {
    const char* name;
    std::string bytes;
    std::string anfang;  // how the file starts after a save
  } const faelle[] = {
      {"UTF-8 with mark", "\xEF\xBB\xBF" + text::ToUtf8(t), "\xEF\xBB\xBF[Quiz 1]\r\n"},
      {"UTF-8 without mark", text::ToUtf8(t), "[Quiz 1]\r\n"},
      {"UTF-16 LE", Utf16(t, true), "\xEF\xBB\xBF[Quiz 1]\r\n"},
      {"UTF-16 BE", Utf16(t, false), "\xEF\xBB\xBF[Quiz 1]\r\n"},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.name);
    User(f.bytes);
    Load();
    EXPECT_EQ(u"Erste \u266A", AlleFragen[1]->Frage);
    EXPECT_EQ(1, AlleFragen[1]->Loesung);
    for (const u16 neu : {u"Geändert \u266B", u"Noch einmal geändert \u00E9"}) {
      ASSERT_EQ(0, Speichere(1, Beispiel(neu)));
      Load();
      EXPECT_EQ(neu, AlleFragen[1]->Frage);
      EXPECT_EQ(u"Oper und Bühne", AlleFragen[1]->Bereich);
      EXPECT_EQ(u"Zweite", AlleFragen[2]->Frage);
    }
    const std::string b = UserFile();
    EXPECT_EQ(0u, b.find(f.anfang));
    EXPECT_EQ(b.find("[Quiz 1]"), b.rfind("[Quiz 1]")) << "one section per question";
    EXPECT_TRUE(text::IsUtf8WithNonAscii(b));
  }
}

TEST_F(Saving, Utf8WithoutMarkIsTellingApartFromLatin1) {
  struct Fall {
    const char* name;
    std::string bytes;
    u16 frage;
  } const faelle[] = {
      {"UTF-8", "[Quiz 1]\r\nFrage=K\xC3\xB6ln\r\nL\xC3\xB6sung=1\r\nAntwort 1=a\r\n", u"Köln"},
      {"Latin-1", "[Quiz 1]\r\nFrage=K\xF6ln\r\nL\xF6sung=1\r\nAntwort 1=a\r\n", u"Köln"},
      {"Latin-1 that looks like UTF-8 at first", "[Quiz 1]\r\nFrage=\xC3\xB6 und \xF6\r\nL\xF6sung=1\r\nAntwort 1=a\r\n",
       u"\u00C3\u00B6 und ö"},
      {"ASCII only", "[Quiz 1]\r\nFrage=Koeln\r\nLoesung=1\r\n", u"Koeln"},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.name);
    User(f.bytes);
    Load();
    EXPECT_EQ(f.frage, AlleFragen[1]->Frage);
  }
  User(faelle[0].bytes);
  Load();
  EXPECT_EQ(1, AlleFragen[1]->Loesung);  // "Lösung" matches: the question is playable
  EXPECT_EQ(1, QuizSpielbar(1));
  ASSERT_EQ(0, Speichere(2, Beispiel(u"Grüße")));
  const std::string b = UserFile();
  EXPECT_EQ(0u, b.find("[Quiz 1]\r\nFrage=K\xC3\xB6ln\r\n"));  // stays UTF-8, without a mark
  EXPECT_NE(std::string::npos, b.find("[Quiz 2]\r\nFrage=Gr\xC3\xBC\xC3\x9F" "e\r\n"));
}

// --- whatever the user types ----------------------------------------------------

TEST_F(Saving, TypedTextReadsBackExactly) {
  const u16 texte[] = {
      u"[Quiz 2]",
      u"Was steht in [Quiz 7]?",
      u"Lösung=3",
      u"Antwort 1=falsch",
      u"  Frage=wer?",
      u"Bild=x.png und Bild2=y.png",
      u"[Allgemein]",
      u"=",
      u"Erklärung 5=",
  };
  User("[Quiz 3]\r\nFrage=Danach\r\nL\xF6sung=1\r\nAntwort 1=a\r\n");
  for (const u16& t : texte) {
    SCOPED_TRACE(text::ToUtf8(t));
    QuizPtr q = Beispiel(t, 4);
    q->Antwort[2] = t;
    q->Erklaerung[5] = t;
    q->Bereich = t;
    ASSERT_EQ(0, Speichere(2, q));
    Load();
    EXPECT_EQ(Felder(*q), Felder(*AlleFragen[2]));
    EXPECT_EQ(u"Danach", AlleFragen[3]->Frage);
    EXPECT_EQ(1, AlleFragen[3]->Loesung);
    EXPECT_EQ(u"a", AlleFragen[3]->Antwort[1]);
  }
}

// --- browsing is not creating ----------------------------------------------------

TEST_F(Saving, ASlotWithoutTextIsNeverCountedOrDrawn) {
  User("[Quiz 1]\r\nFrage=Eins\r\nL\xF6sung=1\r\nAntwort 1=a\r\n");
  Load();
  AlleFragen[2]->Loesung = 1;  // what looking at an empty number in the editor does
  AlleFragen[2]->Antwort[1] = u"a";
  EXPECT_EQ(0, QuizSpielbar(2));
  FragenListeDatei.clear();
  LadeFrageListe(u"");
  int mitText = 0;
  for (int n = 1; n <= 998; ++n)
    if (!AlleFragen[n]->Frage.empty() && AlleFragen[n]->Loesung != 0) ++mitText;
  EXPECT_EQ(mitText, ErlaubteFragen);
  for (int i = 0; i < 2000; ++i) {
    const int n = WaehleFrage();
    ASSERT_NE(2, n);
    ASSERT_FALSE(AlleFragen[n]->Frage.empty()) << n;
  }
}

}  // namespace
