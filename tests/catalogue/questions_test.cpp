// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/questions.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "app/startup.h"
#include "catalogue/fragencodec.h"
#include "game/gameflow.h"
#include "ini/ini.h"
#include "platform/audio/decode.h"
#include "platform/draw/draw.h"
#include "platform/fs/fs.h"
#include "platform/gui/gui.h"
#include "support/sandbox.h"

using testing_support::Sandbox;

namespace {

std::string ReadSource(const std::string& rel) {
  std::ifstream f(std::string(PARLAVINTO_SOURCE_DIR) + "/" + rel, std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

// A question source in the readable layout, as a teacher writes it.
std::string Quelle(int n, const std::string& frage, const std::string& extra = "") {
  return "[Quiz " + std::to_string(n) + "]\nFrage=" + frage +
         "\nProblem=20\nBereich=Komponisten\nLösung=1\nAntwort 1=Ja\nErklärung 1=Weil.\nAntwort 2=Nein\n"
         "Erklärung 2=Eben nicht.\n" + extra;
}

std::string Dat(const std::string& source) {
  std::vector<std::string> fehler;
  std::string d = fragen::BaueDatei(fragen::LeseQuelle(source), fehler);
  EXPECT_TRUE(fehler.empty());
  return d;
}

// Shipped files and the user's file in a sandbox; the roots point there.
class Catalogue : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::UseDataFolderIn(box);
    SonstPfad = box.Path("sonst/");
    fs::CreateFolders(DatenPfad);
    VergissDateiCache();
    FragenZaehler = 0;
    gui::SetConfirmHandler(nullptr);
  }
  void TearDown() override {
    gui::SetConfirmHandler(nullptr);
    SetzePfade();
    VergissDateiCache();
  }
  void Shipped(int datei, const std::string& bytes) { box.Write("sonst/Fragen " + std::to_string(datei) + ".dat", bytes); }
  void User(const std::string& bytes) { box.Write("Brelquisto/Parlavinto/Fragen 0.dat", bytes); }
  std::string UserFile() { return box.Read("Brelquisto/Parlavinto/Fragen 0.dat"); }
  void Load() {
    VergissDateiCache();
    LadeAlleFragen();
    SammleThemen();
  }
  Sandbox box;
};

TEST(Scrambling, KnownValuesAndInverse) {
  // stored = ((p - 32 + i) mod 224) + 32
  EXPECT_EQ(u"ABC", fragen::Entschluesseln(u"BDF"));
  EXPECT_EQ(u"\u00FF", fragen::Entschluesseln(u" "));  // 255 at position 1 is stored as 32
  u16 plain = u"Wer komponierte die »Kleine Nachtmusik«? Überall ß und é.";
  u16 s;
  ASSERT_TRUE(fragen::Verschluesseln(plain, s));
  EXPECT_NE(plain, s);
  EXPECT_EQ(plain, fragen::Entschluesseln(s));
  EXPECT_FALSE(fragen::Verschluesseln(u"\u201Ehi\u201C", s));  // not Latin-1
  EXPECT_FALSE(fragen::Verschluesseln(u"tab\there", s));        // control character
}

TEST(ShippedQuestions, SourceRoundTripsThroughTheArchive) {
  Sandbox box;
  testing_support::UseDataFolderIn(box);
  VergissDateiCache();
  for (auto& q : AlleFragen) q = QuizType::Create();
  LadeAlleFragen();
  SammleThemen();
  FragenZaehler = 1;  // the counter of the first turn
  ASSERT_GE(fragen::LeseQuelle(ReadSource("content/fragen/Fragen 1.txt")).fragen.size(), 80u);
  std::vector<fragen::QuellFrage> alle;
  for (int datei = 1; datei <= 9; ++datei) {
    auto q = fragen::LeseQuelle(ReadSource("content/fragen/Fragen " + std::to_string(datei) + ".txt"));
    alle.insert(alle.end(), q.fragen.begin(), q.fragen.end());
  }
  for (const auto& f : alle) {
    const QuizType& q = *AlleFragen[f.nummer];
    SCOPED_TRACE(f.nummer);
    EXPECT_EQ(f.Get(u"Frage"), q.Frage);
    EXPECT_EQ(f.Get(u"Bereich"), q.Bereich);
    EXPECT_EQ(text::ToInt(f.Get(u"Problem")), q.Problem);
    EXPECT_EQ(text::ToInt(f.Get(u"Lösung")), q.Loesung);
    EXPECT_EQ(f.Get(u"Bild"), q.Bild);
    EXPECT_EQ(f.Get(u"Bild2"), q.Bild2);
    EXPECT_EQ(f.Get(u"Audio"), q.Audio);
    EXPECT_EQ(f.Get(u"Musical"), q.Musical);
    for (int k = 1; k <= 5; ++k) {
      EXPECT_EQ(f.Get(u"Antwort " + text::Num(k)), q.Antwort[k]);
      EXPECT_EQ(f.Get(u"Erklärung " + text::Num(k)), q.Erklaerung[k]);
    }
    EXPECT_TRUE(QuizSpielbar(f.nummer));
  }
  // the first questions introduce the topics in their agreed order
  ASSERT_EQ(static_cast<int>(fragen::Themenliste().size()), ThemenAnzahl);
  for (int t = 0; t < ThemenAnzahl; ++t) EXPECT_EQ(fragen::Themenliste()[t], Themen[t]);
  EXPECT_EQ(u"", Themen[ThemenAnzahl]);
}

TEST(ShippedQuestions, EverySourceFilePassesTheValidator) {
  ASSERT_TRUE(fs::RegisterEmbeddedArchive());
  auto inArchive = [](const u16& entry) { return fs::CanRead(fs::EmbeddedRoot() + entry); };
  for (int datei = 1; datei <= 9; ++datei) {
    std::string src = ReadSource("content/fragen/Fragen " + std::to_string(datei) + ".txt");
    if (src.empty()) continue;
    auto fehler = fragen::Pruefe(fragen::LeseQuelle(src), datei, fragen::Themenliste(), inArchive);
    for (const auto& e : fehler) ADD_FAILURE() << "Fragen " << datei << ": " << e;
  }
}

// Every picture and clip a shipped question names is in the archive (found by
// the game's own lookup, not by the data-folder fallback) and decodes through
// the game's own PNG/JPEG and OGG decoders, whole.
TEST(ShippedQuestions, EveryPictureAndClipResolvesAndDecodes) {
  Sandbox box;
  testing_support::UseDataFolderIn(box);
  std::set<u16> bilder, klaenge;
  for (int datei = 1; datei <= 9; ++datei) {
    for (const auto& f : fragen::LeseQuelle(ReadSource("content/fragen/Fragen " + std::to_string(datei) + ".txt")).fragen) {
      for (const char16_t* key : {u"Bild", u"Bild2"})
        if (!f.Get(key).empty()) bilder.insert(MedienBildName(f.Get(key)));
      if (!f.Get(u"Audio").empty()) klaenge.insert(MedienKlangName(f.Get(u"Audio")));
    }
  }
  EXPECT_FALSE(klaenge.empty()) << "the shipped files name no clip at all: is content/fragen read?";
  for (const u16& name : bilder) {
    SCOPED_TRACE(text::ToUtf8(name));
    const u16 pfad = MedienPfad(BilderPfad + name);
    ASSERT_EQ(BilderPfad + name, pfad) << "not in the archive";
    auto bytes = fs::ReadAll(pfad);
    ASSERT_TRUE(bytes);
    draw::PixmapPtr bild = draw::Pixmap::Decode(*bytes);
    ASSERT_TRUE(bild) << "does not decode";
    EXPECT_GT(bild->width, 0);
    EXPECT_GT(bild->height, 0);
  }
  for (const u16& name : klaenge) {
    SCOPED_TRACE(text::ToUtf8(name));
    const u16 pfad = MedienPfad(TonPfad + name);
    ASSERT_EQ(TonPfad + name, pfad) << "not in the archive";
    auto bytes = fs::ReadAll(pfad);
    ASSERT_TRUE(bytes);
    audio::detail::StreamInfo info;
    ASSERT_TRUE(audio::detail::ProbeVorbis(*bytes, info)) << "no Vorbis stream";
    ASSERT_GT(info.seconds, 0) << "damaged end";
    int rate = 0;
    std::vector<float> pcm = audio::detail::DecodeVorbis(*bytes, size_t(60) * 48000, rate);
    EXPECT_EQ(info.rate, rate);
    // the whole stream decodes: as many frames as the headers promise
    EXPECT_NEAR(info.seconds, pcm.size() / 2.0 / rate, 0.01);
  }
}

TEST(ShippedQuestions, ValidatorRefusesBrokenSources) {
  auto none = [](const u16&) { return false; };
  struct Case { const char* what; std::string source; const char* expect; };
  const Case cases[] = {
      {"no question text", Quelle(100, ""), "Fragetext fehlt"},
      {"answer gap", Quelle(100, "F?", "Antwort 4=Vier\nErklärung 4=x\n"), "Lücke vor Antwort 4"},
      {"Lösung names an empty answer", Quelle(100, "F?", "Lösung=3\n"), "Schlüssel doppelt"},
      {"missing explanation", "[Quiz 100]\nFrage=F?\nProblem=20\nBereich=Komponisten\nLösung=1\nAntwort 1=A\n", "Erklärung 1 fehlt"},
      {"Problem 0", "[Quiz 100]\nFrage=F?\nProblem=0\nBereich=Komponisten\nLösung=1\nAntwort 1=A\nErklärung 1=x\n", "Problem außerhalb"},
      {"Problem 100", "[Quiz 100]\nFrage=F?\nProblem=100\nBereich=Komponisten\nLösung=1\nAntwort 1=A\nErklärung 1=x\n", "Problem außerhalb"},
      {"unknown topic", "[Quiz 100]\nFrage=F?\nProblem=20\nBereich=Sport\nLösung=1\nAntwort 1=A\nErklärung 1=x\n", "Bereich nicht"},
      {"number of another file", Quelle(250, "F?"), "Nummer außerhalb"},
      {"number twice", Quelle(100, "F?") + Quelle(100, "G?"), "Nummer doppelt"},
      {"typographic quotes", Quelle(100, "\xE2\x80\x9EHallo\xE2\x80\x9C?"), "Latin-1"},
      {"missing picture", Quelle(100, "F?", "Bild=note.gif\n"), "Bild fehlt"},
      {"missing clip", Quelle(100, "F?", "Audio=x.wav\n"), "Klang fehlt"},
      {"missing symbol", Quelle(100, "F?", "Musical=A\n"), "Notensymbol fehlt"},
  };
  for (const auto& c : cases) {
    auto fehler = fragen::Pruefe(fragen::LeseQuelle(c.source), 1, fragen::Themenliste(), none);
    bool found = false;
    for (const auto& e : fehler) found |= e.find(c.expect) != std::string::npos;
    EXPECT_TRUE(found) << c.what;
  }
  const std::string right = "[Quiz 100]\nFrage=F?\nProblem=20\nBereich=Komponisten\nLösung=3\nAntwort 1=A\nErklärung 1=x\n";
  EXPECT_FALSE(fragen::Pruefe(fragen::LeseQuelle(right), 1, fragen::Themenliste(), none).empty());
  EXPECT_TRUE(fragen::Pruefe(fragen::LeseQuelle(Quelle(100, "F?")), 1, fragen::Themenliste(), none).empty());
}

TEST_F(Catalogue, UserQuestionsReplaceShippedOnesOnlyWithText) {
  Shipped(1, Dat(Quelle(150, "Shipped 150?") + Quelle(151, "Shipped 151?") + Quelle(199, "Last?")));
  User("[Quiz 150]\r\nFrage=Mine?\r\nLösung=1\r\nAntwort 1=A\r\n[Quiz 151]\r\nFrage=\r\nLösung=2\r\n"
       "[Quiz 7]\r\nFrage=Seven?\r\nBereich=Nur meins\r\nLösung=1\r\nAntwort 1=x\r\n");
  Load();
  EXPECT_EQ(u"Mine?", AlleFragen[150]->Frage);       // plain in the user's file
  EXPECT_EQ(u"Shipped 151?", AlleFragen[151]->Frage);  // empty user text keeps the shipped question
  EXPECT_EQ(u"Last?", AlleFragen[199]->Frage);
  EXPECT_EQ(u"Seven?", AlleFragen[7]->Frage);
  EXPECT_EQ(u"", AlleFragen[8]->Frage);
  for (int n = 0; n < 1000; ++n) ASSERT_TRUE(AlleFragen[n]) << n;  // never an empty slot
  EXPECT_EQ(1, ThemenAnzahl);  // "Nur meins" is only used by a user question
  EXPECT_EQ(u"Komponisten", Themen[0]);
}

TEST_F(Catalogue, SectionsOfAnotherRangeAreNeverRead) {
  Shipped(1, Dat(Quelle(100, "Hundred?")) + "[Quiz 999]\r\nFrage=Intruder\r\n[Quiz 5]\r\nFrage=Intruder\r\n");
  Shipped(9, Dat(Quelle(999, "Nine-nine-nine?")));
  User("");
  Load();
  EXPECT_EQ(u"Hundred?", AlleFragen[100]->Frage);
  EXPECT_EQ(u"Nine-nine-nine?", AlleFragen[999]->Frage);  // unscrambled, from file 9
  EXPECT_EQ(u"", AlleFragen[5]->Frage);
}

TEST_F(Catalogue, ValueSyntax) {
  User("[Quiz 1]\r\nFrage=Eins\r\nBild2=second.png\r\nBild=first.png\r\nAudio=ab=c\r\nMusical=a\nb\r\n"
       "Problem=  35x\r\nLösung=2\r\n[Quiz 2]\r\nFrage=Ende ohne CR");
  Load();
  EXPECT_EQ(u"first.png", AlleFragen[1]->Bild);  // "Bild=" does not match "Bild2="
  EXPECT_EQ(u"second.png", AlleFragen[1]->Bild2);
  EXPECT_EQ(u"ab=c", AlleFragen[1]->Audio);
  EXPECT_EQ(u"a\nb", AlleFragen[1]->Musical);  // LF alone does not end a value
  EXPECT_EQ(35, AlleFragen[1]->Problem);
  EXPECT_EQ(u"Ende ohne CR", AlleFragen[2]->Frage);  // the last section ends at the end of the file
}

TEST_F(Catalogue, EncodingsOfTheUserFile) {
  const u16 want = u"Grüße aus Köln – ♪";
  std::string utf8 = "\xEF\xBB\xBF[Quiz 1]\r\nFrage=" + text::ToUtf8(want) + "\r\nLösung=1\r\n";
  std::u16string t = u"[Quiz 1]\r\nFrage=" + want + u"\r\nLösung=1\r\n";
  std::string le = "\xFF\xFE", be = "\xFE\xFF";
  for (char16_t c : t) {
    le += static_cast<char>(c & 0xFF);
    le += static_cast<char>(c >> 8);
    be += static_cast<char>(c >> 8);
    be += static_cast<char>(c & 0xFF);
  }
  for (const std::string& bytes : {utf8, le, be}) {
    User(bytes);
    Load();
    EXPECT_EQ(want, AlleFragen[1]->Frage);
  }
  User("[Quiz 1]\r\nFrage=Gr\xFC\xDF" "e\r\n");
  Load();
  EXPECT_EQ(u"Grüße", AlleFragen[1]->Frage);
}

TEST_F(Catalogue, FreeNumbers) {
  User("");
  Load();
  for (int n : {1, 2, 3, 4, 5, 7}) {
    AlleFragen[n]->Frage = u"x";
    AlleFragen[n]->Loesung = 1;
  }
  EXPECT_EQ(6, FreieNummer());
  AlleFragen[6]->Frage = u"x";  // text without a right answer does not exist
  EXPECT_EQ(6, FreieNummer());
  for (int n = 1; n <= 99; ++n) { AlleFragen[n]->Frage = u"x"; AlleFragen[n]->Loesung = 1; }
  EXPECT_EQ(99, FreieNummer());
  box.Write("Brelquisto/Parlavinto/Dev.inf", "");
  for (int n = 100; n <= 998; ++n) { AlleFragen[n]->Frage = u"x"; AlleFragen[n]->Loesung = 1; }
  EXPECT_EQ(998, FreieNummer());
  AlleFragen[500]->Loesung = 0;
  EXPECT_EQ(500, FreieNummer());
  std::remove((box.Dir() + "/Brelquisto/Parlavinto/Dev.inf").c_str());
  box.Write("Brelquisto/Parlavinto/Dev.inf/inside", "");  // a folder of that name does not count
  EXPECT_EQ(99, FreieNummer());
}

TEST_F(Catalogue, NumberCheckAsksExactlyAsWorded) {
  User("");
  Load();
  for (int n = 1; n <= 5; ++n) { AlleFragen[n]->Frage = u"x"; AlleFragen[n]->Loesung = 1; }
  std::vector<u16> asked;
  std::vector<int> answers;
  gui::SetConfirmHandler([&](const u16& t) {
    asked.push_back(t);
    int a = answers.front();
    answers.erase(answers.begin());
    return a;
  });
  EXPECT_EQ(9, PruefeQuizNummer(9));  // free: nothing asked
  EXPECT_TRUE(asked.empty());
  answers = {1};
  EXPECT_EQ(5, PruefeQuizNummer(5));
  answers = {0, 1};
  EXPECT_EQ(6, PruefeQuizNummer(5));
  answers = {0, 0};
  EXPECT_EQ(0, PruefeQuizNummer(5));
  ASSERT_EQ(5u, asked.size());
  EXPECT_EQ(u"Frage mit dieser Nummer existiert schon! Trotzdem überschreiben?", asked[0]);
  EXPECT_EQ(u"Nächste frei Nummer '6' verwenden?", asked[2]);
}

TEST_F(Catalogue, SavingWritesOneSectionOfEighteenKeys) {
  User("");
  Load();
  QuizPtr q = QuizType::Create();
  q->Frage = u"Was?";
  q->Problem = 35;
  q->Bereich = u"Instrumente";
  q->Loesung = 2;
  q->Antwort[1] = u"A";
  q->Antwort[2] = u"B";
  q->Erklaerung[2] = u"Weil = so";
  AlleFragen[999] = q;
  EXPECT_EQ(0, SpeichereQuiz(999, 12));
  EXPECT_EQ("[Quiz 12]\r\nFrage=Was?\r\nMusical=\r\nBild=\r\nBild2=\r\nAudio=\r\nBereich=Instrumente\r\n"
            "Problem=35\r\nL\xF6sung=2\r\nAntwort 1=A\r\nErkl\xE4rung 1=\r\nAntwort 2=B\r\nErkl\xE4rung 2=Weil = so\r\n"
            "Antwort 3=\r\nErkl\xE4rung 3=\r\nAntwort 4=\r\nErkl\xE4rung 4=\r\nAntwort 5=\r\nErkl\xE4rung 5=\r\n",
            UserFile());
  q->Frage = u"Wie?";
  SpeichereQuiz(999, 12);
  SpeichereQuiz(999, 3);
  Load();
  EXPECT_EQ(u"Wie?", AlleFragen[12]->Frage);
  EXPECT_EQ(u"Weil = so", AlleFragen[12]->Erklaerung[2]);
  EXPECT_EQ(u"Wie?", AlleFragen[3]->Frage);
  EXPECT_EQ(35, AlleFragen[3]->Problem);
}

TEST_F(Catalogue, SavingKeepsWhatTheUserSaw) {
  User("");
  Load();
  QuizPtr q = QuizType::Create();
  q->Frage = u"\u201EZitat\u201C \u2013 \u2018so\u2019\u2026 und\u202Fmehr\nzweite Zeile";
  q->Loesung = 1;
  q->Antwort[1] = u"Ja";
  AlleFragen[999] = q;
  int asked = 0;
  gui::SetConfirmHandler([&](const u16&) { ++asked; return 1; });
  EXPECT_EQ(0, SpeichereQuiz(999, 4));
  EXPECT_EQ(0, asked);  // typographic characters have plain forms
  const u16 seen = u"\"Zitat\" - 'so'... und\u00A0mehr zweite Zeile";
  EXPECT_EQ(seen, q->Frage);
  Load();
  EXPECT_EQ(seen, AlleFragen[4]->Frage);
  EXPECT_EQ(u"Ja", AlleFragen[4]->Antwort[1]);
}

TEST_F(Catalogue, SavingAsksBeforeLosingCharacters) {
  User("[Quiz 4]\r\nFrage=alt\r\nL\xF6sung=1\r\n");  // Latin-1
  Load();
  QuizPtr q = QuizType::Create();
  q->Frage = u"Note \u266A und \u20AC";
  q->Loesung = 1;
  AlleFragen[999] = q;
  std::string before = UserFile();
  gui::SetConfirmHandler([](const u16&) { return 0; });
  EXPECT_NE(0, SpeichereQuiz(999, 4));
  EXPECT_EQ(before, UserFile());  // declined: nothing written
  gui::SetConfirmHandler([](const u16&) { return 1; });
  EXPECT_EQ(0, SpeichereQuiz(999, 4));
  Load();
  EXPECT_EQ(u"Note ? und ?", AlleFragen[4]->Frage);
  EXPECT_EQ(q->Frage, AlleFragen[4]->Frage);
}

TEST_F(Catalogue, UnicodeUserFilesStayUnicodeWhenSaving) {
  const u16 note = u"Note \u266A";
  std::u16string t = u"[Quiz 1]\r\nFrage=\u00C4lter \u266B\r\nLösung=1\r\nAntwort 1=a\r\n";
  std::string le = "\xFF\xFE";
  for (char16_t c : t) { le += static_cast<char>(c & 0xFF); le += static_cast<char>(c >> 8); }
  for (const std::string& bytes : {"\xEF\xBB\xBF" + text::ToUtf8(t), le}) {
    User(bytes);
    Load();
    QuizPtr q = QuizType::Create();
    q->Frage = note;
    q->Loesung = 1;
    q->Antwort[1] = u"Grün";
    AlleFragen[999] = q;
    gui::SetConfirmHandler([](const u16&) { ADD_FAILURE() << "nothing is lost in a Unicode file"; return 0; });
    EXPECT_EQ(0, SpeichereQuiz(999, 2));
    Load();
    EXPECT_EQ(u"\u00C4lter \u266B", AlleFragen[1]->Frage);
    EXPECT_EQ(note, AlleFragen[2]->Frage);
    EXPECT_EQ(u"Grün", AlleFragen[2]->Antwort[1]);
  }
}

TEST_F(Catalogue, SaveIntoAnUnwritableFolderReportsAndKeepsTheFile) {
  User("[Quiz 1]\r\nFrage=alt\r\n");
  Load();
  AlleFragen[999]->Frage = u"neu";
  DatenPfad = u"/proc/parlavinto-none\\";
  EXPECT_NE(0, SpeichereQuiz(999, 1));
}

TEST_F(Catalogue, PlayableNeedsAnAnswerThatCanBeChosen) {
  User("");
  Load();
  struct Case { int loesung; std::vector<const char16_t*> antworten; int heute; int zaehler; int want; };
  const Case cases[] = {
      {2, {u"a", u"b"}, 0, 1, 1},
      {0, {u"a", u"b"}, 0, 1, 0},
      {3, {u"a", u"b"}, 0, 1, 0},           // names an empty answer
      {4, {u"a", u"b", u"", u"d"}, 0, 1, 0},  // answer 4 is not shown after the gap
      {7, {u"a", u"b"}, 0, 1, 0},           // outside 1..5
      {-1, {u"a"}, 0, 1, 0},
      {1, {u"a"}, 5, 5, 0},                 // blocked while the counter is not past the mark
      {1, {u"a"}, 5, 6, 1},
  };
  for (const auto& c : cases) {
    QuizPtr q = QuizType::Create();
    q->Frage = u"?";
    q->Loesung = c.loesung;
    for (size_t i = 0; i < c.antworten.size(); ++i) q->Antwort[i + 1] = c.antworten[i];
    q->Heute = c.heute;
    FragenZaehler = c.zaehler;
    AlleFragen[300] = q;
    EXPECT_EQ(c.want, QuizSpielbar(300)) << c.loesung;
    EXPECT_EQ(c.loesung >= 1 && c.loesung <= 5 ? q->Antwort[c.loesung] : u"", q->RichtigeAntwort());
  }
  FragenZaehler = 0;
}

TEST_F(Catalogue, MissingUserFileCountsAsEmpty) {
  Shipped(1, Dat(Quelle(100, "Hundred?")));
  Load();
  EXPECT_EQ(u"Hundred?", AlleFragen[100]->Frage);
  EXPECT_EQ(u"", AlleFragen[1]->Frage);
}

TEST_F(Catalogue, MediaFallsBackToTheDataFolder) {
  EXPECT_EQ(BilderPfad + u"Hintergrund.png", MedienPfad(BilderPfad + u"Hintergrund.png"));
  EXPECT_EQ(DatenPfad + u"Daten/mein bild.png", MedienPfad(BilderPfad + u"mein bild.png"));
  EXPECT_EQ(DatenPfad + u"Daten/x.ogg", MedienPfad(u"C:\\Musik\\x.ogg"));
}

TEST_F(Catalogue, BadFilesLoadSafelyAndTouchNoOtherSlot) {
  std::string garbage;
  for (int i = 0; i < 300000; ++i) garbage.push_back(static_cast<char>((i * 2654435761u) >> 24));
  std::string good = Dat(Quelle(150, "Gut?"));
  std::string huge = "[Quiz 120]\r\nFrage=" + std::string(10 << 20, 'x') + "\r\nLösung=1\r\n";
  const std::string cases[] = {
      good.substr(0, good.size() / 2),                    // truncated
      garbage,                                            // binary
      std::string(200000, '[') + "Quiz 1",                // no line ends
      "\xFF\xFE[\0Q\0u\0i\0z\0 \0001\0" "5\0" "0\0]\0\r",  // BOM and an odd byte count
      huge,                                               // 10 MB line
      "[Quiz 150\r\nFrage=unclosed\r\n[Quiz 0150]\r\nFrage=zero\r\n[Quiz -150]\r\n",
  };
  for (const auto& bytes : cases) {
    Shipped(1, bytes);
    User("[Quiz 5]\r\nFrage=F\xFCnf\r\nL\xF6sung=1\r\nAntwort 1=a\r\n");
    Shipped(2, Dat(Quelle(200, "Zweihundert?")));
    Load();
    EXPECT_EQ(u"Fünf", AlleFragen[5]->Frage);
    EXPECT_EQ(u"Zweihundert?", AlleFragen[200]->Frage);
    EXPECT_EQ(1, AlleFragen[5]->Loesung);
    for (int n = 0; n < 1000; ++n) ASSERT_TRUE(AlleFragen[n]);
    for (int n = 100; n <= 199; ++n)
      if (n != 120 && n != 150) EXPECT_EQ(u"", AlleFragen[n]->Frage) << n;
    if (&bytes == &cases[4]) EXPECT_EQ(size_t(10 << 20), AlleFragen[120]->Frage.size());  // whole
  }
}

}  // namespace
