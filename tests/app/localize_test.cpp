// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/localize.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "platform/fs/fs.h"
#include "platform/text.h"
#include "support/sandbox.h"

using testing_support::Sandbox;

namespace {

const std::string kHead = "[LanguageDefinition]\r\nLanguageId=Test\r\n";

// Keeps the process-wide localization state of one test away from the others.
class Localize : public ::testing::Test {
 protected:
  void SetUp() override {
    mode_ = LocalizationMode();
    language_ = ActiveLanguage();
    SetRelocalizeHandler({});
  }
  void TearDown() override {
    SetRelocalizeHandler({});
    SetLocalizationMode(mode_);
    SetLanguage(language_);
  }
  // Writes the bytes as a real file and loads it.
  TLanguagePtr Load(const std::string& bytes) {
    box_.Write("lang.ini", bytes);
    return LoadLanguage(box_.Path("lang.ini"));
  }
  Sandbox box_;

 private:
  int mode_ = 0;
  TLanguagePtr language_;
};

// ---------------------------------------------------------------- parsing

struct EntryCase {
  const char* line;    // one line of the file (Latin-1 bytes)
  const char16_t* token;
  const char16_t* expected;  // nullptr: no entry for the token
};

TEST_F(Localize, EntryLines) {
  const EntryCase cases[] = {
      // comments outside quotes
      {"; File=Akte", u"file", nullptr},
      {"Fi;le=Akte", u"fi", nullptr},
      {"A=x;y", u"a", u"x"},
      {"A=x \"q;r\"", u"a", u"x \"q;r\""},
      // comments inside and after quotes
      {"A=\"x;y\"", u"a", u"x;y"},
      {"A=\"x\"  ; hinten", u"a", u"x"},
      {"A=\"x;y\";z", u"a", u"x;y"},
      {"A=\"a\\;b\"", u"a", u"a;b"},
      {"A=\"a;b", u"a", u"\"a"},
      {"A=a\\;b", u"a", u"a\\"},  // unquoted: every ";" starts a comment
      // escapes; the doubled backslash is resolved first
      {"A=1\\\\n2", u"a", u"1\\n2"},
      {"A=1\\\\\\n2", u"a", u"1\\\n2"},
      {"A=x\\ty\\nz\\r.", u"a", u"x\ty\nz\r."},
      {"A=z\\r", u"a", u"z"},  // stripped again after the escapes
      {"A=\\#\\:\\q", u"a", u"#:\\q"},
      {"A=ends\\", u"a", u"ends\\"},
      // quotes are optional, blanks inside them survive
      {"A= \" lead and trail \" \t", u"a", u" lead and trail "},
      {"A=\"x", u"a", u"\"x"},
      {"A=\"", u"a", u"\""},
      {"A=\"\"", u"a", u""},
      {"A=", u"a", u""},
      {"\"Quoted Token\"=v", u"quoted token", u"v"},
      {"\t  Tab Token \t=  v  ", u"tab token", u"v"},
      // tokens are lower-cased, "=" splits at its first occurrence
      {"MiXeD \xC4rger=v", u"mixed \u00E4rger", u"v"},
      {"A=b=c", u"a", u"b=c"},
      // lines without "=" or starting with it are skipped
      {"=v", u"", nullptr},
      {"' ab hier m\xF6glicherweise enthaltene:", u"' ab hier m\u00F6glicherweise enthaltene:", nullptr},
      {"\"\"=v", u"", nullptr},
  };
  for (const auto& c : cases) {
    auto lang = Load(kHead + c.line + "\r\n");
    ASSERT_TRUE(lang) << c.line;
    auto it = lang->Tokens.find(c.token);
    if (!c.expected) {
      EXPECT_EQ(lang->Tokens.end(), it) << c.line;
      EXPECT_EQ(1u, lang->Tokens.size()) << c.line;  // only "languageid"
    } else {
      ASSERT_NE(lang->Tokens.end(), it) << c.line;
      EXPECT_EQ(std::u16string(c.expected), it->second) << c.line;
    }
  }
}

TEST_F(Localize, FileStructure) {
  auto lang = Load(
      "; Kopf\r\nFile=Vorher\r\n[LanguageDefinition]\r\nLanguageId=Erst\r\n"
      "\r\n   \r\nKey=1\r\nkEY=2\nlanguageid=Klein\r\n"
      "LanguageId= \"Zweit\" \r\n"
      "  [Ende]\r\nAfter=x\r\n[LanguageDefinition]\r\nMore=y\r\n");
  ASSERT_TRUE(lang);
  EXPECT_EQ(u"Zweit", lang->Name);       // the exact-case entry sets the name
  EXPECT_EQ(u"Zweit", lang->LookupToken(u"LanguageId"));  // later entry wins
  EXPECT_EQ(u"2", lang->LookupToken(u"KEY"));
  EXPECT_EQ(0u, lang->Tokens.count(u"file"));   // before the header
  EXPECT_EQ(0u, lang->Tokens.count(u"after"));  // "[" ended the reading
  EXPECT_EQ(0u, lang->Tokens.count(u"more"));
  EXPECT_EQ(2u, lang->Tokens.size());
}

struct HeaderCase {
  const char* name;
  std::string bytes;
  bool loads;
  const char16_t* languageName;
  const char16_t* file;  // translation of "File"
};

std::string Utf16(const std::u16string& s, bool little) {
  std::string out = little ? "\xFF\xFE" : "\xFE\xFF";
  for (char16_t c : s) {
    char lo = static_cast<char>(c & 0xFF), hi = static_cast<char>(c >> 8);
    out += little ? std::string{lo, hi} : std::string{hi, lo};
  }
  return out;
}

TEST_F(Localize, HeaderAndEncodings) {
  const std::u16string body = u"[LanguageDefinition]\r\nLanguageId=Deutsch\r\nFile=Datei \u00F6\u20AC\r\n";
  const HeaderCase cases[] = {
      {"latin1", "[LanguageDefinition]\r\nLanguageId=Deutsch\r\nFile=Datei \xF6\x80\r\n", true, u"Deutsch",
       u"Datei \u00F6\u0080"},
      {"lf only", "[LanguageDefinition]\nLanguageId=Deutsch\nFile=Datei\n", true, u"Deutsch", u"Datei"},
      {"utf-8 bom", "\xEF\xBB\xBF" + text::ToUtf8(body), true, u"Deutsch", u"Datei \u00F6\u20AC"},
      {"utf-16 le", Utf16(body, true), true, u"Deutsch", u"Datei \u00F6\u20AC"},
      {"utf-16 be", Utf16(body, false), true, u"Deutsch", u"Datei \u00F6\u20AC"},
      {"utf-16 odd byte", Utf16(body, true) + "\x41", true, u"Deutsch", u"Datei \u00F6\u20AC"},
      {"junk before header", "\x01\x02junk\r\n[LanguageDefinition]\r\nLanguageId=X\r\nFile=D", true, u"X", u"D"},
      {"id in other case", "[LanguageDefinition]\r\nLANGUAGEID=X\r\nFile=D\r\n", true, u"", u"D"},
      {"id only in a comment", "[LanguageDefinition]\r\n; languageId fehlt\r\nFile=D\r\n", true, u"", u"D"},
      {"no header", "LanguageId=X\r\nFile=D\r\n", false, nullptr, nullptr},
      {"header of other case", "[languagedefinition]\r\nLanguageId=X\r\n", false, nullptr, nullptr},
      {"header without line end", "LanguageId=X\r\n[LanguageDefinition]", false, nullptr, nullptr},
      {"header with trailing text", "[LanguageDefinition] x\r\nLanguageId=X\r\n", false, nullptr, nullptr},
      {"id only before header", "LanguageId=X\r\n[LanguageDefinition]\r\nFile=D\r\n", false, nullptr, nullptr},
      {"utf-16 without bom", Utf16(body, true).substr(2), false, nullptr, nullptr},
      {"empty", "", false, nullptr, nullptr},
  };
  for (const auto& c : cases) {
    auto lang = Load(c.bytes);
    ASSERT_EQ(c.loads, lang != nullptr) << c.name;
    if (!lang) continue;
    EXPECT_EQ(std::u16string(c.languageName), lang->Name) << c.name;
    EXPECT_EQ(std::u16string(c.file), lang->LookupToken(u"File")) << c.name;
  }
  EXPECT_EQ(nullptr, LoadLanguage(box_.Path("missing.ini")));
  EXPECT_EQ(nullptr, LoadLanguage(u"ZIP::Incbin::DA2.ZIP//Sonst/Missing.ini"));
}

TEST_F(Localize, LookupToken) {
  auto lang = Load(kHead + "Empty=\r\nQuoted=\"\"\r\nOpen recent =Zuletzt\r\n");
  ASSERT_TRUE(lang);
  EXPECT_EQ(u"", lang->LookupToken(u"Empty"));
  EXPECT_EQ(u"", lang->LookupToken(u"QUOTED"));
  EXPECT_EQ(u"Zuletzt", lang->LookupToken(u"Open Recent"));
  EXPECT_EQ(u"Missing Token ", lang->LookupToken(u"Missing Token "));  // unchanged
  EXPECT_EQ(u"Open Recent ", lang->LookupToken(u"Open Recent "));      // the lookup keeps its blanks
}

// ---------------------------------------------------------------- LocalizeString

TLanguagePtr TestLanguage() {
  return ParseLanguage(kHead +
                       "File=Datei\r\nHelp=\"Hilfe\"\r\nInfo about=Info zu\r\nOpen recent =Zuletzt ge\xF6" "ffnet\r\n"
                       "Empty=\r\nInner=Help\r\nprefix help=Vorsilbe\r\nMenu={{File}} & {{HELP}}\r\n"
                       "Brace=}\r\nOpenBrace={\r\nA={{B}}\r\nB={{A}}\r\nSelf={{Self}}\r\n"
                       "N={{{{N}}}}\r\nViaMenu=({{Menu}})\r\n");
}

struct LocalizeCase {
  const char16_t* text;
  const char16_t* shown;
};

TEST_F(Localize, LocalizeString) {
  SetLanguage(TestLanguage());
  SetLocalizationMode(3);
  const LocalizeCase cases[] = {
      {u"{{Info about}} Parlavinto", u"Info zu Parlavinto"},
      {u"{{Open Recent}}...", u"Zuletzt ge\u00F6ffnet..."},
      {u"{{Help}}   ", u"Hilfe   "},
      {u"no tokens { here } ", u"no tokens { here } "},
      {u"{{Parlavinto}}", u"Parlavinto"},
      {u"a{{Empty}}b", u"ab"},
      {u"", u""},
      // translations and nested tokens are localized in turn
      {u"{{Menu}}", u"Datei & Hilfe"},
      {u"[{{ViaMenu}}]", u"[(Datei & Hilfe)]"},
      {u"{{{{Inner}}}}", u"Hilfe"},
      {u"{{prefix {{Inner}}}}", u"Vorsilbe"},
      // unbalanced braces; a third "{" starts counting anew
      {u"{{Help", u"{{Help"},
      {u"Help}}", u"Help}}"},
      {u"}}{{Help}}{{", u"}}Hilfe{{"},
      {u"{{{Help}}}", u"{Help}"},
      {u"{{Help}}}", u"Hilfe}"},
      {u"{{{{Help}}", u"{{Hilfe"},
      // the scan goes on behind the inserted text
      {u"{{a {{Brace}}}}", u"a }"},
      {u"{{OpenBrace}}{Help}}", u"{{Help}}"},
  };
  for (const auto& c : cases) EXPECT_EQ(std::u16string(c.shown), LocalizeString(c.text)) << text::ToUtf8(c.text);
}

TEST_F(Localize, CyclesGiveErrorAndWarning) {
  SetLanguage(TestLanguage());
  SetLocalizationMode(3);
  const struct {
    const char16_t* text;
    const char16_t* shown;
    const char* warning;
  } cases[] = {
      {u"{{A}}", u"!ERROR!", "WARNING: Encountered cyclic localization string: \"{{A}}\".\n"},
      {u"x {{b}} y", u"x !ERROR! y", "WARNING: Encountered cyclic localization string: \"{{A}}\".\n"},
      {u"{{Self}}", u"!ERROR!", "WARNING: Encountered cyclic localization string: \"{{Self}}\".\n"},
      {u"{{N}}", u"!ERROR!", "WARNING: Encountered cyclic localization string: \"{{{{N}}}}\".\n"},
  };
  for (const auto& c : cases) {
    testing::internal::CaptureStdout();
    std::u16string shown = LocalizeString(c.text);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(std::u16string(c.shown), shown) << text::ToUtf8(c.text);
    EXPECT_EQ(c.warning, out) << text::ToUtf8(c.text);
  }
  // the state is clean again afterwards
  EXPECT_EQ(u"Hilfe", LocalizeString(u"{{Help}}"));
}

TEST_F(Localize, RunawayTranslationsEndSafely) {
  std::string deep = kHead, wide = kHead;
  for (int i = 0; i < 200; ++i) deep += "D" + std::to_string(i) + "={{D" + std::to_string(i + 1) + "}}\r\n";
  for (int i = 0; i < 60; ++i)
    wide += "W" + std::to_string(i) + "=[{{W" + std::to_string(i + 1) + "}}{{W" + std::to_string(i + 1) + "}}]\r\n";
  SetLocalizationMode(3);
  for (const auto& [file, text] : {std::pair{deep, u"{{D0}}"}, std::pair{wide, u"{{W0}}"}}) {
    SetLanguage(ParseLanguage(file));
    testing::internal::CaptureStdout();
    EXPECT_EQ(u"!ERROR!", LocalizeString(text));
    EXPECT_NE(std::string::npos, testing::internal::GetCapturedStdout().find("WARNING: Encountered cyclic"));
    EXPECT_EQ(u"Datei", LocalizeString(u"Datei"));  // nothing left behind
  }
  // a short chain is fine
  SetLanguage(ParseLanguage(deep));
  EXPECT_EQ(u"D200", LocalizeString(u"{{D150}}"));
}

TEST_F(Localize, ModesAndMissingLanguage) {
  SetLanguage(TestLanguage());
  SetLocalizationMode(2);
  EXPECT_EQ(u"{{Help}} {{A}}", LocalizeString(u"{{Help}} {{A}}"));
  SetLocalizationMode(0);
  EXPECT_EQ(u"{{Help}}", LocalizeString(u"{{Help}}"));
  SetLocalizationMode(1);
  EXPECT_EQ(u"Hilfe", LocalizeString(u"{{Help}}"));

  SetLanguage(nullptr);
  SetLocalizationMode(3);
  EXPECT_EQ(u"Help x", LocalizeString(u"{{Help}} x"));
  EXPECT_EQ(u"Open Recent...", LocalizeString(u"{{Open Recent}}..."));
  EXPECT_EQ(u"a", LocalizeString(u"{{{{a}}}}"));
  SetLanguage(Load("LanguageId=X\r\nHelp=Hilfe\r\n"));  // no header: no language
  EXPECT_EQ(nullptr, ActiveLanguage());
  EXPECT_EQ(u"Help", LocalizeString(u"{{Help}}"));
}

TEST_F(Localize, RelocalizeHandler) {
  int calls = 0;
  SetLocalizationMode(0);
  SetRelocalizeHandler([&] { ++calls; });
  const struct {
    int mode;
    int calls;
  } steps[] = {{2, 0}, {3, 1}, {3, 1}, {1, 1}, {0, 2}, {2, 2}, {1, 3}};
  for (const auto& s : steps) {
    SetLocalizationMode(s.mode);
    EXPECT_EQ(s.mode, LocalizationMode());
    EXPECT_EQ(s.calls, calls) << "mode " << s.mode;
  }
  auto lang = TestLanguage();
  SetLanguage(lang);
  EXPECT_EQ(4, calls);
  EXPECT_EQ(lang, ActiveLanguage());
  SetLanguage(lang);
  EXPECT_EQ(5, calls);
  // the handler sees the new state
  SetRelocalizeHandler([&] { EXPECT_EQ(nullptr, ActiveLanguage()); ++calls; });
  SetLanguage(nullptr);
  EXPECT_EQ(6, calls);
  SetRelocalizeHandler({});
  SetLanguage(lang);
  EXPECT_EQ(6, calls);
}

// ---------------------------------------------------------------- the shipped file

TEST_F(Localize, ShippedLanguageFile) {
  ASSERT_TRUE(fs::RegisterEmbeddedArchive());
  auto lang = LoadLanguage(u"ZIP::Incbin::DA2.ZIP//Sonst/English.ini");
  ASSERT_TRUE(lang);
  EXPECT_EQ(u"English", lang->Name);
  SetLanguage(lang);
  SetLocalizationMode(3);
  const LocalizeCase table[] = {
      {u"{{File}}", u"Datei"},
      {u"{{Open}}", u" \u00F6ffnen"},
      {u"{{Open Recent}}", u"Zuletzt ge\u00F6ffnet"},
      {u"{{Save as}}", u"Speichern unter"},
      {u"{{Close}}", u"Schlie\u00DFen"},
      {u"{{Exit}}", u"Beenden"},
      {u"{{Options}}", u"Optionen"},
      {u"{{Help}}", u"Hilfe"},
      {u"{{Info about}}", u"Info zu"},
      {u"{{Edit Questions}}", u"Fragen erstellen"},
      {u"{{Create list of questions}}", u"Fragenliste erstellen"},
      {u"{{Informations}}", u"Informationen"},
      {u"{{OK}}", u"Ok"},
      {u"{{Parlavinto}}", u"Parlavinto"},
      {u"{{Last file 1}}", u"Last file 1"},
      {u"{{Schwierigkeitsgrad}}", u"Schwierigkeitsgrad"},
      {u"{{Sichtbar}}", u"Sichtbar"},
      {u"{{Spielernamen}}", u"Spielernamen"},
      {u"{{Start Gesamt-Quiz}}", u"Start Gesamt-Quiz"},
      {u"{{Start Teil-Quiz}}", u"Start Teil-Quiz"},
      {u"{{Symbolleiste}}", u"Symbolleiste"},
      {u"{{Verstecken}}", u"Verstecken"},
      {u"{{Open Recent}}...", u"Zuletzt ge\u00F6ffnet..."},
      {u"{{Info about}} Parlavinto", u"Info zu Parlavinto"},
      {u"{{Save as}}...", u"Speichern unter..."},
  };
  for (const auto& c : table) EXPECT_EQ(std::u16string(c.shown), LocalizeString(c.text)) << text::ToUtf8(c.text);
  for (const char16_t* t : {u"parlavinto", u"last file 1", u"sichtbar", u"verstecken", u"notes"})
    EXPECT_EQ(0u, lang->Tokens.count(t)) << text::ToUtf8(t);

  // Latin-1 with CR LF: no UTF-8 sequences, every LF after a CR, no bare CR
  auto bytes = fs::ReadAll(u"ZIP::Incbin::DA2.ZIP//Sonst/English.ini");
  ASSERT_TRUE(bytes);
  ASSERT_EQ(0u, bytes->rfind("[LanguageDefinition]\r\nLanguageId=English\r\n", 0));
  EXPECT_EQ(std::string::npos, bytes->find("\xC3"));
  EXPECT_NE(std::string::npos, bytes->find("Schlie\xDF" "en"));
  for (size_t i = 0; i < bytes->size(); ++i) {
    if ((*bytes)[i] == '\n') {
      ASSERT_TRUE(i > 0 && (*bytes)[i - 1] == '\r') << i;
    }
    if ((*bytes)[i] == '\r') {
      ASSERT_TRUE(i + 1 < bytes->size() && (*bytes)[i + 1] == '\n') << i;
    }
  }
}

// ---------------------------------------------------------------- bad input

TEST_F(Localize, BadInputGivesSafeResults) {
  const std::string mb(size_t(1) << 20, 'x');
  std::mt19937 rng(20100305);
  std::string garbage(size_t(1) << 18, '\0');
  for (char& b : garbage) b = static_cast<char>(rng());

  // a 1 MB token and translation, a 1 MB comment, a 1 MB line of quotes and semicolons
  std::string semis;
  for (size_t i = 0; i < (size_t(1) << 19); ++i) semis += i % 3 ? ";" : "\"";
  auto lang = Load(kHead + mb + "=" + mb + "\r\n;" + mb + "\r\nQ=" + semis + "\r\nOK=Ok\r\n");
  ASSERT_TRUE(lang);
  EXPECT_EQ(mb, text::ToLatin1(lang->LookupToken(text::FromLatin1(mb))));
  EXPECT_EQ(u"Ok", lang->LookupToken(u"ok"));

  // one huge line without line end, behind the header
  lang = Load(kHead + "K=" + mb);
  ASSERT_TRUE(lang);
  EXPECT_EQ(mb.size(), lang->LookupToken(u"k").size());

  // binary garbage: with the header behind it a language, without it none
  EXPECT_EQ(nullptr, Load(garbage));
  lang = Load("x" + garbage + "\n" + kHead + garbage);
  ASSERT_TRUE(lang);
  EXPECT_EQ(u"Test", lang->Name);
  EXPECT_EQ(nullptr, Load("\xFF\xFE" + garbage));
  EXPECT_EQ(nullptr, Load("\xEF\xBB\xBF" + garbage));

  // huge texts to localize: many tokens, unbalanced braces
  SetLanguage(TestLanguage());
  SetLocalizationMode(3);
  std::u16string many;
  for (int i = 0; i < 100000; ++i) many += u"{{Help}}";
  EXPECT_EQ(500000u, LocalizeString(many).size());
  std::u16string open(size_t(1) << 20, u'{');
  EXPECT_EQ(open, LocalizeString(open));
  std::u16string nested;
  for (int i = 0; i < 100000; ++i) nested += u"{{";
  nested += u"Help";
  for (int i = 0; i < 100000; ++i) nested += u"}}";
  EXPECT_EQ(u"Hilfe", LocalizeString(nested));
  std::u16string heavy = std::u16string(2000, u'{') + text::FromLatin1(mb) + std::u16string(2000, u'}');
  testing::internal::CaptureStdout();
  EXPECT_EQ(u"!ERROR!", LocalizeString(heavy));  // a megabyte carried up a thousand levels
  testing::internal::GetCapturedStdout();
  std::u16string garbageText = text::FromLatin1(garbage);
  LocalizeString(garbageText);  // must simply come back
  EXPECT_EQ(u"Hilfe", LocalizeString(u"{{Help}}"));
}

}  // namespace
