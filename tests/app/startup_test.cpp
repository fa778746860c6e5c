// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "app/eventloop.h"
#include "game/quizscreen.h"
#include "game/sound.h"
#include "ini/ini.h"
#include "platform/fs/fs.h"
#include "support/sandbox.h"

using testing_support::Sandbox;

namespace {

TEST(Startup, PathRoots) {
  Sandbox box;
  testing_support::UseDataFolderIn(box);
  EXPECT_EQ(u"ZIP::Incbin::DA2.ZIP//Images/", BilderPfad);
  EXPECT_EQ(u"ZIP::Incbin::DA2.ZIP//Sounds/", TonPfad);
  EXPECT_EQ(u"ZIP::Incbin::DA2.ZIP//Musical/", MusicalPfad);
  EXPECT_EQ(u"ZIP::Incbin::DA2.ZIP//Sonst/", SonstPfad);
  EXPECT_EQ(u"ZIP::Incbin::DA2.ZIP//User/", VorlagenPfad);
  EXPECT_EQ(text::FromUtf8(box.Dir()) + u"\\Brelquisto\\Parlavinto\\", DatenPfad);
}

TEST(Startup, FirstRunCopiesTheTemplatesInTheListsLetterCase) {
  Sandbox box;
  testing_support::UseDataFolderIn(box);
  KopiereBenutzerDateien();
  const std::string data = "Brelquisto/Parlavinto/";
  EXPECT_TRUE(box.Exists(data + "Daten/Spiele"));
  for (const char* f : {"info.html", "logo.png", "Parlavinto255.gif", "Styles.css", "Fragen 0.dat", "Portrait.jpg"})
    EXPECT_TRUE(box.Exists(data + f)) << f;
  EXPECT_FALSE(box.Exists(data + "Parlavinto.Ini"));  // the archive holds no settings file
  EXPECT_EQ(*fs::ReadAll(VorlagenPfad + u"styles.css"), box.Read(data + "Styles.css"));

  IniDatei = DatenPfad + u"Parlavinto.Ini";
  StempleStartzeit();
  std::string ini = box.Read(data + "Parlavinto.Ini");
  ASSERT_EQ(0u, ini.rfind("[Allgemein]\r\nLastStart=", 0));
  EXPECT_EQ(std::string("[Allgemein]\r\nLastStart=").size() + 20 + 2, ini.size());

  // second start: not a first run, nothing is copied
  box.Write(data + "Fragen 0.dat", "[Quiz 1]\r\nFrage=meine\r\n");
  std::remove((box.Dir() + "/" + data + "logo.png").c_str());
  KopiereBenutzerDateien();
  EXPECT_FALSE(box.Exists(data + "logo.png"));
  // settings file gone but folder kept: templates return, the user's file stays
  std::remove((box.Dir() + "/" + data + "Parlavinto.Ini").c_str());
  KopiereBenutzerDateien();
  EXPECT_TRUE(box.Exists(data + "logo.png"));
  EXPECT_EQ("[Quiz 1]\r\nFrage=meine\r\n", box.Read(data + "Fragen 0.dat"));
}

TEST(Startup, StartTimeFormat) {
  setenv("TZ", "UTC", 1);
  tzset();
  EXPECT_EQ(u"05 Mar 2010 14:07:33", StartzeitText(1267798053));
  EXPECT_EQ(u"31 Dec 1999 23:59:59", StartzeitText(946684799));
}

TEST(Startup, TempFolder) {
  setenv("TEMP", "", 1);
  setenv("TMP", "/tmp/tmpvar", 1);
  EXPECT_EQ(u"/tmp/tmpvar\\", TempPfad());
  setenv("TEMP", "/tmp/tempvar", 1);
  EXPECT_EQ(u"/tmp/tempvar\\", TempPfad());
  unsetenv("TEMP");
  unsetenv("TMP");
  setenv("TMPDIR", "/var/tmp", 1);
  EXPECT_EQ(u"/var/tmp\\", TempPfad());
  unsetenv("TMPDIR");
  EXPECT_EQ(u"/tmp\\", TempPfad());
}

TEST(Startup, ManualIsCopiedThenOpened) {
  Sandbox box;
  testing_support::UseDataFolderIn(box);
  setenv("TEMP", box.Dir().c_str(), 1);
  u16 opened;
  gui::SetOpenDocumentHandler([&](const u16& p) { opened = p; return true; });
  ZeigeHandbuch();
  gui::SetOpenDocumentHandler(nullptr);
  unsetenv("TEMP");
  const std::string want = box.Dir() + "/" + text::ToUtf8(ProgrammName()) + " Parlavinto.PDF";
  EXPECT_EQ(text::FromUtf8(want), opened);
  if (fs::CanRead(SonstPfad + u"Parlavinto.pdf")) EXPECT_EQ(fs::Type::File, fs::FileType(text::FromUtf8(want)));
}

TEST(Startup, ListLinesLeavingTheTemplateFolderCopyNothing) {
  Sandbox box;
  testing_support::UseDataFolderIn(box);
  // roots are plain prefixes, so a native folder can stand in for the archive
  SonstPfad = box.Path("sonst/");
  VorlagenPfad = box.Path("vorlagen/sub/");
  box.Write("sonst/Setup.Lst", "ok.txt\r\n../secret.txt\r\n/etc/hostname\r\n..\\secret.txt\r\n\r\nmissing.txt");
  box.Write("vorlagen/sub/ok.txt", "fine");
  box.Write("vorlagen/secret.txt", "secret");
  KopiereBenutzerDateien();
  const std::string data = "Brelquisto/Parlavinto/";
  EXPECT_EQ("fine", box.Read(data + "ok.txt"));
  EXPECT_FALSE(box.Exists("Brelquisto/secret.txt"));
  EXPECT_FALSE(box.Exists(data + "secret.txt"));
  EXPECT_FALSE(box.Exists(data + "missing.txt"));
  SetzePfade();
}

TEST(Startup, StaleTemporaryFilesOfOursAreRemovedAndNothingElse) {
  Sandbox box;
  testing_support::UseDataFolderIn(box);
  const std::string d = "Brelquisto/Parlavinto/";
  struct Fall {
    std::string name;
    bool weg;
  } const faelle[] = {
      {d + ".Fragen 0.dat.Ab3xYz", true},
      {d + ".Parlavinto.Ini.000000", true},
      {d + ".info.html.q1W2e3", true},           // a template of the first-run copy
      {d + "Daten/.Mein Bild.PNG.abcdef", true},  // a picture the editor copied
      {d + "Daten/Spiele/.Klasse 5.lst.ZZZZZZ", true},
      {d + ".notes.abcdef", false},              // not a file the program writes
      {d + ".Fragen 0.dat.abcde", false},        // five characters
      {d + ".Fragen 0.dat.abc-ef", false},
      {d + "Fragen 0.dat.abcdef", false},        // no leading dot
      {d + ".Fragen 0.dat", false},
      {d + "Daten/.text.txt.abcdef", false},
      {d + "Daten/Spiele/.Fragen 0.dat.abcdef", false},  // ours, but not in this folder
      {d + "Daten/Spiele/.a.lst.abcdef/x", false},        // a folder of that name
  };
  for (const auto& f : faelle) box.Write(f.name, "x");
  // a save running right now (another instance) holds its file
  box.Write(d + ".Fragen 0.dat.LOCKED", "x");
  int fd = open((box.Dir() + "/" + d + ".Fragen 0.dat.LOCKED").c_str(), O_RDONLY);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(0, flock(fd, LOCK_EX));
  // a link never leads the clean-up elsewhere
  box.Write("elsewhere.dat", "keep");
  symlink((box.Dir() + "/elsewhere.dat").c_str(), (box.Dir() + "/" + d + ".Fragen 0.dat.linked").c_str());

  EXPECT_EQ(5, EntferneVerwaisteTempDateien());
  for (const auto& f : faelle) EXPECT_EQ(!f.weg, box.Exists(f.name)) << f.name;
  EXPECT_TRUE(box.Exists(d + ".Fragen 0.dat.LOCKED"));
  EXPECT_EQ("keep", box.Read("elsewhere.dat"));
  close(fd);
  EXPECT_EQ(1, EntferneVerwaisteTempDateien());
  EXPECT_FALSE(box.Exists(d + ".Fragen 0.dat.LOCKED"));
  SetzePfade();
}

}  // namespace

// What a game needs first (empty background, announcement, counter and the
// announcement's sounds) is decoded in every mode; the question screen's
// pictures only while a game mode is shown, the jingles once played there.
TEST(Startup, GameAssetsFollowTheMode) {
  Sandbox box;
  testing_support::UseDataFolderIn(box);
  audio::UseCaptureDevice(48000);
  LadeBilder();
  LadeToene();
  std::vector<draw::ImagePtr> ansage = {LeerHintergrundBild, HighScoreBild, LoecherigBild, BlackRahmenBild};
  ansage.insert(ansage.end(), ZaehlerBild.begin(), ZaehlerBild.end());
  ansage.insert(ansage.end(), ZifferBild.begin(), ZifferBild.end());
  std::vector<draw::ImagePtr> frage = {HintergrundBild};
  frage.insert(frage.end(), PfeilBild.begin(), PfeilBild.begin() + 5);
  const int jingles[] = {11, 12, 13, 14, 15, 16, 21, 22, 23, 24, 25, 26};
  auto voll = [](const draw::ImagePtr& b) { return size_t(b->Width()) * b->Height() * 4; };
  auto warte = [] {
    draw::WaitForPrefetch();
    audio::WaitForDecoding();
  };
  for (const auto& b : ansage) ASSERT_TRUE(b);
  for (const auto& b : frage) ASSERT_TRUE(b);
  for (int t : jingles) ASSERT_TRUE(Ton[t]) << t;
  for (const auto& b : ansage) EXPECT_EQ(0u, b->CachedBytes()) << "nothing is decoded while starting";
  EXPECT_EQ(0u, audio::DecodedBytes(Ton[31]));
  WarteAufFensterBilder();
  ASSERT_TRUE(LeerHintergrundPixmap && NamensboxPixmap) << "the first window's pixmaps are ready";

  auto pruefe = [&](int modus, float abblenden) {
    SCOPED_TRACE(testing::Message() << "mode " << modus << ", fade " << abblenden);
    Abblenden = abblenden;
    SpielAssetsBereithalten(modus);
    warte();
    const bool spiel = modus == 1 || modus == 4;
    for (const auto& b : ansage) {
      const bool gebraucht = b != LeerHintergrundBild || !spiel || abblenden > 0;
      EXPECT_EQ(gebraucht ? voll(b) : 0u, b->CachedBytes());
    }
    for (const auto& b : frage)
      EXPECT_EQ(spiel && b != HintergrundBild ? voll(b) : 0u, b->CachedBytes()) << "the background waits for the turn";
    EXPECT_GT(audio::DecodedBytes(Ton[31]), 0u);
    EXPECT_GT(audio::DecodedBytes(Ton[32]), 0u);
    for (int t : jingles) EXPECT_EQ(0u, audio::DecodedBytes(Ton[t])) << "slot " << t << " waits for its playing";
    if (spiel) {
      audio::CueSound(Ton[13]);
      EXPECT_GT(audio::DecodedBytes(Ton[13]), 0u);
    }
  };
  pruefe(5, 0.0f);  // the player form at start
  pruefe(1, 1.0f);  // a game: fades in
  pruefe(0, 0.0f);
  pruefe(3, 0.0f);
  pruefe(4, 0.0f);  // a test game: no fade
  pruefe(2, 0.0f);

  // Scaled copies are made for one canvas size: leaving a game frees them.
  SpielAssetsBereithalten(1);
  warte();
  draw::Surface s;
  s.Resize(640, 480);
  s.SetScale(0.7f, 0.7f);
  s.DrawImage(*LoecherigBild, 0, 0);
  EXPECT_GT(LoecherigBild->CachedBytes(), voll(LoecherigBild));
  SpielAssetsBereithalten(5);
  EXPECT_EQ(voll(LoecherigBild), LoecherigBild->CachedBytes());

  // Within a turn the two large backgrounds take turns: each step holds the
  // one it shows, and the next one is decoded before its step comes.
  SpielAssetsBereithalten(1);
  warte();
  const struct {
    int schritt;
    bool ansage, frage;  // HighScoreBild, HintergrundBild decoded afterwards
  } schritte[] = {{1, true, false}, {2, true, true}, {3, false, true}, {1, true, false}};
  for (const auto& st : schritte) {
    SCOPED_TRACE(testing::Message() << "step " << st.schritt);
    BilderFuerSchritt(st.schritt);
    warte();
    EXPECT_EQ(st.ansage ? voll(HighScoreBild) : 0u, HighScoreBild->CachedBytes());
    EXPECT_EQ(st.frage ? voll(HintergrundBild) : 0u, HintergrundBild->CachedBytes());
  }
  SpielAssetsBereithalten(5);
}
