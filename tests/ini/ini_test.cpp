// SPDX-License-Identifier: GPL-3.0-or-later
#include "ini/ini.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/sandbox.h"

using testing_support::Sandbox;

namespace {

class IniTest : public ::testing::Test {
 protected:
  void SetUp() override { IniDatei = box.Path("default.ini"); }
  u16 P(const std::string& rel) { return box.Path(rel); }
  Sandbox box;
};

TEST_F(IniTest, NewFileGetsHeaderAndEntryWithCrLf) {
  EXPECT_EQ(0, Ini::Schreiben(u"Allgemein", u"LastStart", u"05 Mar 2010 14:07:33", u""));
  EXPECT_EQ("[Allgemein]\r\nLastStart=05 Mar 2010 14:07:33\r\n", box.Read("default.ini"));
  EXPECT_EQ(u"05 Mar 2010 14:07:33", Ini::Lesen(u"Allgemein", u"LastStart", u""));
}

TEST_F(IniTest, RewritingAKeyChangesOnlyThatLine) {
  box.Write("a.ini", "[S]\nx=1\ny=2\n[T]\nx=9\n");
  Ini::Schreiben(u"S", u"x", u"42", P("a.ini"));
  EXPECT_EQ("[S]\r\nx=42\r\ny=2\r\n[T]\r\nx=9\r\n", box.Read("a.ini"));
}

TEST_F(IniTest, EveryMatchingKeyOfTheSectionIsReplaced) {
  box.Write("a.ini", "[S]\r\nData=1\r\nData=2\r\n[T]\r\nData=3\r\n");
  Ini::Schreiben(u"S", u"Data", u"x", P("a.ini"));
  EXPECT_EQ("[S]\r\nData=x\r\nData=x\r\n[T]\r\nData=3\r\n", box.Read("a.ini"));
}

TEST_F(IniTest, NewKeyGoesBeforeTheNextHeaderAfterBlankLines) {
  box.Write("a.ini", "[S]\r\na=1\r\n\r\n[T]\r\nb=2\r\n");
  Ini::Schreiben(u"S", u"c", u"3", P("a.ini"));
  EXPECT_EQ("[S]\r\na=1\r\n\r\nc=3\r\n[T]\r\nb=2\r\n", box.Read("a.ini"));
}

TEST_F(IniTest, NewSectionIsAppendedWithoutBlankLine) {
  box.Write("a.ini", "[S]\r\na=1\r\n");
  Ini::Schreiben(u"T", u"b", u"2", P("a.ini"));
  EXPECT_EQ("[S]\r\na=1\r\n[T]\r\nb=2\r\n", box.Read("a.ini"));
}

TEST_F(IniTest, OnlyTheFirstSectionOfANameCounts) {
  box.Write("a.ini", "[S]\r\na=1\r\n[S]\r\na=2\r\nb=3\r\n");
  EXPECT_EQ(u"1", Ini::Lesen(u"S", u"a", P("a.ini")));
  EXPECT_EQ(u"", Ini::Lesen(u"S", u"b", P("a.ini")));
  Ini::Schreiben(u"S", u"a", u"x", P("a.ini"));
  EXPECT_EQ("[S]\r\na=x\r\n[S]\r\na=2\r\nb=3\r\n", box.Read("a.ini"));
}

TEST_F(IniTest, ReadingRules) {
  box.Write("a.ini",
            "junk\n[S]\nkey =blank\nv=a=b=c\nempty=\n\n[T]\nmissing=here\n[S2]\n  spaced=1\nlast=no end");
  struct Case { const char16_t* section; const char16_t* key; const char16_t* want; };
  const Case cases[] = {
      {u"S", u"key ", u"blank"},        // blank before "=" belongs to the key
      {u"S", u"key", u""},
      {u"S", u"v", u"a=b=c"},           // value keeps further "="
      {u"S", u"empty", u""},
      {u"S", u"missing", u""},          // key of a later section
      {u"s", u"v", u""},                // section names are case sensitive
      {u"S2", u"spaced", u""},
      {u"S2", u"  spaced", u"1"},
      {u"S2", u"last", u"no end"},      // last line without a line end
      {u"Nope", u"v", u""},
  };
  for (const auto& c : cases) EXPECT_EQ(c.want, Ini::Lesen(c.section, c.key, P("a.ini"))) << text::ToUtf8(c.key);
}

TEST_F(IniTest, ValueConversion) {
  box.Write("a.ini", "[S]\na=  42abc\nb=$1F\nc=%101\nd=-7\ne=\nf=$ff\ng=+12\nh=x12\ni=4294967297\n");
  struct Case { const char16_t* key; int want; };
  const Case cases[] = {{u"a", 42}, {u"b", 31}, {u"c", 5}, {u"d", -7}, {u"e", 0},
                        {u"f", 255}, {u"g", 12}, {u"h", 0}, {u"i", 1}, {u"missing", 0}};
  for (const auto& c : cases) EXPECT_EQ(c.want, Ini::Value(u"S", c.key, P("a.ini"))) << text::ToUtf8(c.key);
}

TEST_F(IniTest, LfOnlyFileComesBackWithCrLfThroughout) {
  box.Write("a.ini", "[S]\na=1\nb=2\n");
  Ini::Schreiben(u"S", u"b", u"3", P("a.ini"));
  EXPECT_EQ("[S]\r\na=1\r\nb=3\r\n", box.Read("a.ini"));
}

TEST_F(IniTest, EightBitTextSurvivesByteForByte) {
  std::string bytes = "[S]\r\nk=\xE4\xF6\xFC\xDF\x80\xFF\r\n";
  box.Write("a.ini", bytes);
  EXPECT_EQ(u"\u00E4\u00F6\u00FC\u00DF\u0080\u00FF", Ini::Lesen(u"S", u"k", P("a.ini")));
  Ini::Schreiben(u"S", u"other", u"\u00E9", P("a.ini"));
  EXPECT_EQ("[S]\r\nk=\xE4\xF6\xFC\xDF\x80\xFF\r\nother=\xE9\r\n", box.Read("a.ini"));
}

TEST_F(IniTest, DefaultFileIsRestoredAfterACall) {
  IniDatei = P("default.ini");
  Ini::Schreiben(u"S", u"a", u"1", P("other.ini"));
  EXPECT_EQ(P("default.ini"), IniDatei);
  EXPECT_FALSE(box.Exists("default.ini"));
  EXPECT_TRUE(box.Exists("other.ini"));
}

// Mends of the plain line-buffer design.

TEST_F(IniTest, MissingFileReadsAsEmptyInsteadOfEndingTheProcess) {
  EXPECT_EQ(u"", Ini::Lesen(u"S", u"a", P("nothing.ini")));
  EXPECT_EQ(0, Ini::Value(u"S", u"a", P("nothing.ini")));
  EXPECT_EQ(0, Ini::FileExists(P("nothing.ini")));
}

TEST_F(IniTest, LargeFilesAreNotCutAtAThousandLines) {
  std::string bytes;
  for (int q = 1; q <= 500; ++q) {
    bytes += "[Quiz " + std::to_string(q) + "]\r\n";
    for (int k = 0; k < 18; ++k) bytes += "K" + std::to_string(k) + "=" + std::to_string(q) + "\r\n";
  }
  box.Write("big.ini", bytes);
  Ini::Schreiben(u"Quiz 250", u"K5", u"changed", P("big.ini"));
  Ini::Schreiben(u"Quiz 500", u"New", u"x", P("big.ini"));
  Ini::Schreiben(u"Quiz 501", u"K0", u"y", P("big.ini"));
  EXPECT_EQ(u"changed", Ini::Lesen(u"Quiz 250", u"K5", P("big.ini")));
  EXPECT_EQ(u"500", Ini::Lesen(u"Quiz 500", u"K17", P("big.ini")));
  EXPECT_EQ(u"x", Ini::Lesen(u"Quiz 500", u"New", P("big.ini")));
  EXPECT_EQ(u"y", Ini::Lesen(u"Quiz 501", u"K0", P("big.ini")));
  EXPECT_EQ(u"1", Ini::Lesen(u"Quiz 1", u"K0", P("big.ini")));
  std::string after = box.Read("big.ini");
  EXPECT_EQ(bytes.size() + std::string("changed").size() - 3 + std::string("New=x\r\n[Quiz 501]\r\nK0=y\r\n").size(),
            after.size());
}

TEST_F(IniTest, FailedWriteLeavesTheOldFileAndReportsIt) {
  if (geteuid() != 0) {
    box.Write("ro/a.ini", "[S]\r\na=1\r\n");
    chmod((box.Dir() + "/ro").c_str(), 0555);
    EXPECT_NE(0, Ini::Schreiben(u"S", u"a", u"2", P("ro/a.ini")));
    EXPECT_EQ("[S]\r\na=1\r\n", box.Read("ro/a.ini"));
  }
  // A file system nobody can write to, whoever runs the tests.
  auto old = fs::ReadAll(u"/proc/version");
  ASSERT_TRUE(old.has_value());
  EXPECT_NE(0, Ini::Schreiben(u"S", u"a", u"2", u"/proc/version"));
  EXPECT_EQ(*old, *fs::ReadAll(u"/proc/version"));
}

TEST_F(IniTest, WriteIntoMissingFolderFailsCleanly) {
  EXPECT_NE(0, Ini::Schreiben(u"S", u"a", u"2", P("no/such/folder/a.ini")));
  EXPECT_FALSE(box.Exists("no"));
}

TEST_F(IniTest, WriteOverAFolderFailsAndKeepsIt) {
  box.Write("dir/x", "1");
  EXPECT_NE(0, Ini::Schreiben(u"S", u"a", u"2", P("dir")));
  EXPECT_EQ("1", box.Read("dir/x"));
}

TEST_F(IniTest, BadInputIsReadAndRewrittenSafely) {
  std::string nul = std::string("[S]\0a=1\0b=2", 11);
  std::string garbage;
  for (int i = 0; i < 200000; ++i) garbage.push_back(static_cast<char>((i * 7919) % 251));
  std::string many;
  for (int i = 0; i < 100000; ++i) many += "line" + std::to_string(i) + "\n";
  many += "[S]\na=deep\n";
  std::string longLine = "[S]\na=" + std::string(1 << 20, 'x') + "\nb=2\n";
  struct Case { const char* name; std::string bytes; const char16_t* key; std::u16string want; };
  const Case cases[] = {
      {"nul.ini", nul, u"b", u"2"},
      {"garbage.ini", garbage, u"a", u""},
      {"many.ini", many, u"a", u"deep"},
      {"long.ini", longLine, u"b", u"2"},
  };
  for (const auto& c : cases) {
    box.Write(c.name, c.bytes);
    EXPECT_EQ(c.want, Ini::Lesen(u"S", c.key, P(c.name))) << c.name;
    EXPECT_EQ(0, Ini::Schreiben(u"S", u"new", u"v", P(c.name))) << c.name;
    EXPECT_EQ(u"v", Ini::Lesen(u"S", u"new", P(c.name))) << c.name;
    EXPECT_EQ(c.want, Ini::Lesen(u"S", c.key, P(c.name))) << c.name;
  }
}

// One save writes many keys at once. Its bytes must be exactly those of one
// Schreiben call per key (each of which re-reads what the previous one wrote),
// whatever the file looks like: a table of files crossed with the key sets
// of the three kinds of file.

template <size_t N>
std::string Bytes(const char (&s)[N]) {
  return std::string(s, N - 1);
}

struct IniDateiFall {
  const char* name;
  bool exists;
  std::string bytes;
};

std::string QuestionFile() {
  return "[Quiz 1]\r\nFrage=Eins\r\nL\xF6sung=1\r\n[Quiz 2]\r\nFrage=Zwei\r\nBild=b.png\r\n\r\n[Quiz 3]\r\nFrage=Drei\r\n";
}

const IniDateiFall kDateien[] = {
    {"MissingFile", false, ""},
    {"EmptyFile", true, ""},
    {"QuestionFile", true, QuestionFile()},
    {"LfLineEnds", true, "[Quiz 2]\nFrage=Zwei\nAntwort 1=a\n[DieseDoch]\nData=7\n"},
    {"NoFinalLineEnd", true, "[Grade]\r\n0=1\r\n1=0"},
    {"Utf8ByteOrderMark", true, "\xEF\xBB\xBF[Quiz 2]\r\nFrage=Gr\xC3\xBC\xC3\x9F\r\n[Allgemein]\r\nLastStart=x\r\n"},
    {"SectionTwice", true, "[Quiz 2]\r\nFrage=a\r\n[Quiz 2]\r\nFrage=b\r\n[Thema]\r\n0=1\r\n[Thema]\r\n1=1\r\n"},
    {"KeyTwiceInASection", true, "[Quiz 2]\r\nFrage=a\r\nFrage=b\r\nProblem=3\r\n"},
    {"ZeroBytesStrayCrAndJunk", true, Bytes("junk\r\r\n[Quiz 2]\0Frage=a\rb\n= no key\n  Bild=x\n[Reihenfolge")},
    {"BlankLinesEndTheSection", true, "[DieseNicht]\r\nData=1 2\r\n\r\n\r\n[Grade]\r\n3=1\r\n\r\n"},
};

struct IniSchluesselFall {
  const char* name;
  std::vector<IniWert> werte;
};

void PrintTo(const IniDateiFall& f, std::ostream* os) { *os << f.name; }
void PrintTo(const IniSchluesselFall& f, std::ostream* os) { *os << f.name; }

std::vector<IniWert> QuestionKeys() {
  // as a question save writes them (keys and values as the bytes of a Latin-1 file)
  std::vector<IniWert> w;
  const u16 s = u"Quiz 2";
  for (const char16_t* k : {u"Frage", u"Musical", u"Bild", u"Bild2", u"Audio", u"Bereich", u"Problem", u"L\u00F6sung"})
    w.push_back({s, k, u16(k) == u"Frage" ? u"Was hei\u00DFt \"L\u00F6sung=3\" in [Quiz 4]?" : u16(k) == u"Problem" ? u"30" : u""});
  for (int i = 1; i <= 5; ++i) {
    w.push_back({s, u"Antwort " + text::Num(i), i <= 2 ? u"A=" + text::Num(i) : u""});
    w.push_back({s, u"Erkl\u00E4rung " + text::Num(i), u""});
  }
  return w;
}

std::vector<IniWert> ListKeys() {
  std::vector<IniWert> w = {{u"DieseNicht", u"Data", u"5 10-20"}, {u"DieseDoch", u"Data", u"12"}};
  for (int g = 0; g < 9; ++g) w.push_back({u"Grade", text::Num(g), g % 2 ? u"1" : u"0"});
  for (int t = 0; t < 10; ++t) w.push_back({u"Thema", text::Num(t), t < 3 ? u"1" : u"0"});
  w.push_back({u"Reihenfolge", u"Data", u"1"});
  return w;
}

const IniSchluesselFall kSchluessel[] = {
    {"Question", QuestionKeys()},
    {"List", ListKeys()},
    {"Settings", {{u"Allgemein", u"LastStart", u"05 Mar 2010 14:07:33"}}},
    // what a single write stores of characters a line cannot hold
    {"OddText", {{u"S", u"a", u"zwei\r\nZeilen\nund\0Null"}, {u"S", u"b", u"\u266A\u010A"}, {u"S", u"a", u"wieder"},
                 {u"S\u0100", u"c", u"1"}, {u"S\u0100", u"c", u"2"}, {u"", u"", u"leer"}}},
};

class IniBatch : public ::testing::TestWithParam<std::tuple<IniDateiFall, IniSchluesselFall>> {};

TEST_P(IniBatch, GivesTheBytesOfOneWritePerKey) {
  const auto& [datei, schluessel] = GetParam();
  Sandbox box;
  if (datei.exists) {
    box.Write("single.ini", datei.bytes);
    box.Write("batch.ini", datei.bytes);
  }
  for (const auto& w : schluessel.werte) ASSERT_EQ(0, Ini::Schreiben(w.section, w.key, w.value, box.Path("single.ini")));
  ASSERT_EQ(0, Ini::SchreibenAlle(schluessel.werte, box.Path("batch.ini")));
  EXPECT_EQ(box.Read("single.ini"), box.Read("batch.ini"));
  for (const auto& w : schluessel.werte) {
    EXPECT_EQ(Ini::Lesen(w.section, w.key, box.Path("single.ini")), Ini::Lesen(w.section, w.key, box.Path("batch.ini")));
  }
}

INSTANTIATE_TEST_SUITE_P(FilesAndKeys, IniBatch, ::testing::Combine(::testing::ValuesIn(kDateien), ::testing::ValuesIn(kSchluessel)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
                         });

TEST_F(IniTest, ByteOrderMarkStaysInFrontAndTheFirstSectionIsFound) {
  box.Write("a.ini", "\xEF\xBB\xBF[S]\r\na=1\r\n");
  EXPECT_EQ(u"1", Ini::Lesen(u"S", u"a", P("a.ini")));
  ASSERT_EQ(0, Ini::Schreiben(u"S", u"a", u"2", P("a.ini")));
  EXPECT_EQ("\xEF\xBB\xBF[S]\r\na=2\r\n", box.Read("a.ini"));
}

TEST_F(IniTest, LineBreaksInsideAValueCannotSplitTheFile) {
  ASSERT_EQ(0, Ini::Schreiben(u"S", u"a", u"x\r\n[T]\nb=1", P("a.ini")));
  EXPECT_EQ("[S]\r\na=x  [T] b=1\r\n", box.Read("a.ini"));
  EXPECT_EQ(u"", Ini::Lesen(u"T", u"b", P("a.ini")));
}

}  // namespace
