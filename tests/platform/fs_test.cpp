// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fs/fs.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "support/sandbox.h"

using testing_support::Sandbox;

namespace {
using u16 = std::u16string;

std::string ReadBinary(const std::string& p) {
  std::ifstream f(p, std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

const std::string& PackedArchive() {
  static std::string zip = ReadBinary(PARLAVINTO_BINARY_DIR "/DA2.ZIP");
  return zip;
}

TEST(Archive, EntriesAreFoundWhateverTheLetterCase) {
  ASSERT_TRUE(fs::RegisterEmbeddedArchive());
  const u16 root = fs::EmbeddedRoot();
  for (const char16_t* name : {u"Images/counter 3.png", u"Images/Counter 3.png", u"IMAGES/COUNTER 3.PNG",
                               u"sonst/setup.lst", u"User/Styles.css"}) {
    EXPECT_EQ(fs::Type::File, fs::FileType(root + name)) << text::ToUtf8(name);
    EXPECT_TRUE(fs::ReadAll(root + name).has_value()) << text::ToUtf8(name);
  }
  EXPECT_EQ(fs::Type::None, fs::FileType(root + u"Images/none.png"));
  EXPECT_EQ(fs::Type::None, fs::FileType(root + u"Images"));  // folders are not entries
  EXPECT_FALSE(fs::ReadAll(u"ZIP::Incbin::OTHER.ZIP//Images/Counter 3.png").has_value());
  EXPECT_FALSE(fs::WriteAllAtomic(root + u"User/x", "no"));  // read-only
}

TEST(Archive, EmbeddedBytesAreThePackedArchive) {
  ASSERT_TRUE(fs::RegisterEmbeddedArchive());
  auto lst = fs::ReadAll(fs::EmbeddedRoot() + u"Sonst/Setup.Lst");
  ASSERT_TRUE(lst);
  EXPECT_NE(std::string::npos, lst->find("Fragen 0.dat"));
  EXPECT_FALSE(PackedArchive().empty());
}

TEST(Archive, DamagedEntryReadsAsMissing) {
  // Flip bytes inside the compressed data of one entry of a copy of the archive.
  static std::string copy = PackedArchive();
  size_t at = copy.find("HighScore.png");  // local header name, data follows
  ASSERT_NE(std::string::npos, at);
  for (size_t i = at + 200; i < at + 400; ++i) copy[i] = static_cast<char>(copy[i] ^ 0x5A);
  ASSERT_TRUE(fs::RegisterArchive(u"BROKEN.ZIP", reinterpret_cast<const unsigned char*>(copy.data()), copy.size()));
  EXPECT_FALSE(fs::ReadAll(u"ZIP::BROKEN.ZIP//Images/HighScore.png").has_value());
  EXPECT_EQ(fs::Type::None, fs::FileType(u"ZIP::BROKEN.ZIP//Images/HighScore.png"));
  EXPECT_FALSE(fs::CanRead(u"ZIP::BROKEN.ZIP//Images/HighScore.png"));
  EXPECT_TRUE(fs::ReadAll(u"ZIP::BROKEN.ZIP//Sonst/Setup.Lst").has_value());  // others stay readable
}

TEST(Archive, GarbageAndTruncatedArchivesAreRefused) {
  static std::string garbage(5000, '\x37');
  EXPECT_FALSE(fs::RegisterArchive(u"G.ZIP", reinterpret_cast<const unsigned char*>(garbage.data()), garbage.size()));
  static std::string cut = PackedArchive().substr(0, PackedArchive().size() / 2);
  EXPECT_FALSE(fs::RegisterArchive(u"CUT.ZIP", reinterpret_cast<const unsigned char*>(cut.data()), cut.size()));
  EXPECT_FALSE(fs::ReadAll(u"ZIP::CUT.ZIP//Sonst/Setup.Lst").has_value());
}

TEST(NativePaths, ExistingPartsAreFoundWhateverTheirLetterCase) {
  Sandbox box;
  box.Write("Daten/Spiele/Meine Liste.lst", "x");
  const std::string d = box.Dir();
  EXPECT_EQ(d + "/Daten/Spiele/Meine Liste.lst", fs::NativePath(text::FromUtf8(d + "\\daten\\SPIELE/meine liste.LST")));
  EXPECT_EQ(fs::Type::File, fs::FileType(text::FromUtf8(d + "/DATEN/spiele/MEINE LISTE.lst")));
  EXPECT_EQ(fs::Type::Folder, fs::FileType(text::FromUtf8(d + "\\daten\\")));
  // a new name keeps the letter case asked for, under the existing folders
  EXPECT_EQ(d + "/Daten/Spiele/Neu.lst", fs::NativePath(text::FromUtf8(d + "/daten/spiele/Neu.lst")));
  ASSERT_TRUE(fs::WriteAllAtomic(text::FromUtf8(d + "/daten/spiele/Neu.lst"), "n"));
  EXPECT_EQ("n", box.Read("Daten/Spiele/Neu.lst"));
  ASSERT_TRUE(fs::CreateFolders(text::FromUtf8(d + "\\DATEN\\Neu\\Tief")));
  EXPECT_TRUE(box.Exists("Daten/Neu/Tief"));
}

TEST(NativePaths, CopyNeverReplacesUnlessAsked) {
  Sandbox box;
  box.Write("a", "new");
  box.Write("b", "old");
  EXPECT_FALSE(fs::CopyFile(box.Path("a"), box.Path("b"), false));
  EXPECT_EQ("old", box.Read("b"));
  EXPECT_TRUE(fs::CopyFile(box.Path("a"), box.Path("b"), true));
  EXPECT_EQ("new", box.Read("b"));
  EXPECT_FALSE(fs::CopyFile(box.Path("missing"), box.Path("c"), true));
  EXPECT_FALSE(box.Exists("c"));
}

TEST(Streams, LinesEndAtLfZeroOrEndAndDropCr) {
  Sandbox box;
  box.Write("t", std::string("a\r\nb\rc\nd\0e\n\nlast", 17));
  auto s = fs::Stream::Open(box.Path("t"));
  ASSERT_TRUE(s);
  std::vector<std::string> lines;
  while (!s->Eof()) lines.push_back(s->ReadLine());
  EXPECT_EQ((std::vector<std::string>{"a", "bc", "d", "e", "", "last"}), lines);
  EXPECT_FALSE(fs::Stream::Open(box.Path("none")));
  EXPECT_FALSE(fs::Stream::Open(text::FromUtf8(box.Dir())));  // a folder is no file
}

TEST(Paths, AppDataFolderFollowsXdg) {
  const char* old = getenv("XDG_DATA_HOME");
  std::string keep = old ? old : "";
  setenv("XDG_DATA_HOME", "/some/where/", 1);
  EXPECT_EQ(u"/some/where", fs::AppDataFolder());
  setenv("XDG_DATA_HOME", "relative", 1);  // not absolute: ignored
  setenv("HOME", "/home/tester", 1);
  EXPECT_EQ(u"/home/tester/.local/share", fs::AppDataFolder());
  if (old) setenv("XDG_DATA_HOME", keep.c_str(), 1); else unsetenv("XDG_DATA_HOME");
}

}  // namespace
