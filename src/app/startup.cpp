// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <initializer_list>
#include <future>
#include <iterator>
#include <system_error>
#include <vector>

#include "app/eventloop.h"
#include "app/localize.h"
#include "catalogue/editor.h"
#include "catalogue/lists.h"
#include "catalogue/questions.h"
#include "game/players.h"
#include "game/quizscreen.h"
#include "game/sound.h"
#include "ini/ini.h"
#include "platform/diagnostic.h"
#include "platform/fs/fs.h"
#include "platform/gui/gadgets.h"
#include "platform/gui/gui.h"
#include "platform/text.h"
#include "ui/commands.h"
#include "ui/infowindow.h"
#include "ui/mainwindow.h"

int VerbindeLokalisierung() {
  gui::SetTextLocalizer({[] { return (LocalizationMode() & 2) != 0; }, LocalizeString});
  SetRelocalizeHandler(gui::RelocalizeAll);
  return 0;
}

int Zufall(int lo, int hi) {
  if (hi < lo) return lo;
  std::uniform_int_distribution<int> d(lo, hi);
  return d(Zufallsgenerator);
}

int SetzePfade() {
  const u16 root = fs::EmbeddedRoot();
  BilderPfad = root + u"Images/";
  TonPfad = root + u"Sounds/";
  MusicalPfad = root + u"Musical/";
  SonstPfad = root + u"Sonst/";
  VorlagenPfad = root + u"User/";
  HerstellerPfad = fs::AppDataFolder() + u"\\Brelquisto\\";
  DatenPfad = HerstellerPfad + u"Parlavinto\\";
  return 0;
}

namespace {

// A line of the first-run list names a template by a plain relative name; a
// line that could step out of the template folder or into another place is
// ignored.
bool SichererVorlagenName(const u16& name) {
  if (name.empty()) return false;
  if (name[0] == u'/' || name[0] == u'\\') return false;
  if (name.find(u':') != u16::npos) return false;
  size_t start = 0;
  while (start <= name.size()) {
    size_t end = name.find_first_of(u"/\\", start);
    if (end == u16::npos) end = name.size();
    u16 part = name.substr(start, end - start);
    if (part == u".." || part == u".") return false;
    start = end + 1;
  }
  return true;
}

}  // namespace

int KopiereBenutzerDateien() {
  if (Ini::FileExists(DatenPfad + u"Parlavinto.Ini")) return 0;
  fs::CreateFolders(DatenPfad);
  fs::CreateFolders(DatenPfad + u"Daten/Spiele");
  auto list = fs::Stream::Open(SonstPfad + u"Setup.Lst");
  if (!list) return 0;
  while (!list->Eof()) {
    u16 line = text::FromLatin1(list->ReadLine());
    if (!SichererVorlagenName(line)) continue;
    // The user's own files survive: a template never replaces an existing file.
    fs::CopyFile(VorlagenPfad + line, DatenPfad + line, false);
  }
  return 0;
}

u16 StartzeitText(long long unixSeconds) {
  static const char* const months[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  time_t t = static_cast<time_t>(unixSeconds);
  tm local{};
  localtime_r(&t, &local);
  char buf[64];
  std::snprintf(buf, sizeof buf, "%02d %s %04d %02d:%02d:%02d", local.tm_mday, months[local.tm_mon % 12],
                local.tm_year + 1900, local.tm_hour, local.tm_min, local.tm_sec);
  return text::Ascii(buf);
}

int StempleStartzeit() {
  int r = Ini::Schreiben(u"Allgemein", u"LastStart", StartzeitText(static_cast<long long>(std::time(nullptr))), u"");
  // Nothing depends on it; the user learns of an unwritable data folder when saving.
  if (r != 0)
    platform::Diagnostic("settings file not written: " + fs::NativePath(IniDatei) + ": " +
                    text::ToUtf8(fs::ErrorText(fs::LastError())));
  return r;
}

namespace {

bool EndetAuf(const u16& name, std::initializer_list<const char16_t*> endungen) {
  for (const char16_t* e : endungen) {
    const u16 endung(e);
    if (name.size() > endung.size() && text::EqualsIgnoreAsciiCase(name.substr(name.size() - endung.size()), endung))
      return true;
  }
  return false;
}

// The names the first-run copy gives the templates (the lines of "Setup.Lst").
std::vector<u16> VorlagenNamen() {
  std::vector<u16> namen;
  if (auto list = fs::Stream::Open(SonstPfad + u"Setup.Lst"))
    while (!list->Eof()) namen.push_back(text::FromLatin1(list->ReadLine()));
  return namen;
}

}  // namespace

int EntferneVerwaisteTempDateien() {
  // Only the temporary files of the files the program itself writes there.
  const std::vector<u16> vorlagen = VorlagenNamen();
  auto eigeneDatei = [&](const u16& name) {
    if (name == u"Fragen 0.dat" || name == u"Parlavinto.Ini") return true;
    return std::any_of(vorlagen.begin(), vorlagen.end(), [&](const u16& v) { return text::EqualsIgnoreAsciiCase(v, name); });
  };
  auto eigenesMedium = [](const u16& name) {
    return EndetAuf(name, {u".png", u".jpg", u".jpeg", u".bmp", u".gif", u".ogg", u".wav"});
  };
  auto eigeneListe = [](const u16& name) { return EndetAuf(name, {u".lst"}); };
  int n = fs::RemoveStaleTempFiles(DatenPfad, eigeneDatei);
  n += fs::RemoveStaleTempFiles(DatenPfad + u"Daten/", eigenesMedium);
  n += fs::RemoveStaleTempFiles(SpieleOrdner(), eigeneListe);
  return n;
}

namespace {

// Fonts and fixed sounds are read and prepared on a helper thread from the
// start of the program on (StarteVorlauf); LadeSchriften and LadeToene take
// them over when they were read from the folders asked for.
struct Schriften {
  draw::FontPtr comic20, comic36, comic50, arial13;
};
Schriften LiesSchriften(const u16& ordner) {
  return {draw::Font::Load(ordner + u"comic.ttf", 20, draw::Smooth),
          draw::Font::Load(ordner + u"comic.ttf", 36, draw::Bold | draw::Smooth),
          draw::Font::Load(ordner + u"comic.ttf", 50, draw::Bold),
          draw::Font::Load(ordner + u"arial.ttf", 13, draw::Smooth)};
}

// The fixed sounds by slot: 11-16 right, 21-26 wrong, 31 and 32 the announcement's.
using Toene = std::vector<std::pair<int, audio::SoundPtr>>;
Toene LiesToene(const u16& ordner) {
  Toene t;
  for (int n = 1; n <= 6; ++n) t.emplace_back(10 + n, audio::LoadSound(ordner + u"Ja " + text::Num(n) + u".ogg"));
  for (int n = 1; n <= 6; ++n) t.emplace_back(20 + n, audio::LoadSound(ordner + u"Nein " + text::Num(n) + u".ogg"));
  t.emplace_back(31, audio::LoadSound(ordner + u"slot.ogg"));
  t.emplace_back(32, audio::LoadSound(ordner + u"sound.ogg"));
  return t;
}

// What a helper thread reads from one folder; taken over only when asked for
// that same folder, read on the spot otherwise.
template <typename T>
struct Vorrat {
  std::future<T> zukunft;
  u16 ordner;
  template <typename Lies>
  T Nimm(const u16& gewuenscht, Lies lies) {
    if (zukunft.valid() && ordner == gewuenscht) return zukunft.get();
    return lies(gewuenscht);
  }
};

struct Vorlauf {
  Vorrat<Schriften> schriften;
  Vorrat<Toene> toene;
};
// Made after the archive is registered (see FensterBilderZukunft).
Vorlauf& VorlaufDaten() {
  static Vorlauf v;
  return v;
}

}  // namespace

int StarteVorlauf(const u16& schriftOrdner, const u16& tonOrdner) {
  Vorlauf& v = VorlaufDaten();
  if (v.schriften.zukunft.valid() || v.toene.zukunft.valid()) return 0;
  try {
    v.schriften.zukunft = std::async(std::launch::async, [schriftOrdner] { return LiesSchriften(schriftOrdner); });
    v.schriften.ordner = schriftOrdner;
    v.toene.zukunft = std::async(std::launch::async, [tonOrdner] { return LiesToene(tonOrdner); });
    v.toene.ordner = tonOrdner;
    return 1;
  } catch (const std::system_error&) {  // no thread to be had: read when asked
    return 0;
  }
}

int LadeSchriften() {
  const Schriften s = VorlaufDaten().schriften.Nimm(SonstPfad, LiesSchriften);
  ComicFont20 = s.comic20;
  ComicFont36 = s.comic36;
  ComicFont50 = s.comic50;
  ArialFont13 = s.arial13;
  return 0;
}

namespace {

// The two pixmaps that dress the first window are decoded on a helper thread
// while the sounds are read and the window is built; WarteAufFensterBilder
// hands them over before the window needs them.
struct FensterBilder {
  draw::PixmapPtr leer, namensbox;
};
// Made on first use, after the archive is registered: so it is destroyed
// first at the end of the process, and its destructor lets a decoding still
// under way finish while the archive is still there.
std::future<FensterBilder>& FensterBilderZukunft() {
  static std::future<FensterBilder> zukunft;
  return zukunft;
}
// The picture folder the running decoding reads from.
u16& FensterBilderOrdner() {
  static u16 ordner;
  return ordner;
}

}  // namespace

int StarteFensterBilder(const u16& ordner) {
  if (FensterBilderZukunft().valid()) {
    if (FensterBilderOrdner() == ordner) return 0;
    FensterBilderZukunft().get();  // another folder's pictures: not wanted
  }
  const u16 leer = ordner + u"HinterLeer2.png", namensbox = ordner + u"Namensbox2.png";
  try {
    FensterBilderZukunft() = std::async(std::launch::async, [leer, namensbox] {
      return FensterBilder{draw::Pixmap::Load(leer), draw::Pixmap::Load(namensbox)};
    });
    FensterBilderOrdner() = ordner;
    return 1;
  } catch (const std::system_error&) {  // no thread to be had: LadeBilder decodes them
    FensterBilderOrdner().clear();
    return 0;
  }
}

int WarteAufFensterBilder() {
  if (!FensterBilderZukunft().valid()) return 0;
  FensterBilder b = FensterBilderZukunft().get();
  LeerHintergrundPixmap = b.leer;
  NamensboxPixmap = b.namensbox;
  return 0;
}

int LadeBilder() {
  // The game's pictures are read now and decoded when a game needs them
  // (SpielAssetsBereithalten).
  auto bild = [](const u16& name) { return draw::Image::LoadDeferred(BilderPfad + name); };
  HintergrundBild = bild(u"Hintergrund.png");
  LeerHintergrundBild = bild(u"HinterLeer2.png");
  for (int n = 1; n <= 5; ++n) PfeilBild[n - 1] = bild(u"Pfeil " + text::Num(n) + u".png");
  for (int n = 0; n <= 9; ++n) ZaehlerBild[n] = bild(u"Counter" + text::Num(n) + u".png");
  for (int n = 0; n <= 9; ++n) ZifferBild[n] = bild(u"Counter " + text::Num(n) + u".png");
  HighScoreBild = bild(u"HighScore.png");
  LoecherigBild = bild(u"loecherig.png");
  BlackRahmenBild = bild(u"BlackRahmen.png");
  LeerHintergrundPixmap = nullptr;
  NamensboxPixmap = nullptr;
  // Usually under way since the start of the program (ProgrammStart).
  if (!FensterBilderZukunft().valid() || FensterBilderOrdner() != BilderPfad) {
    if (!StarteFensterBilder(BilderPfad)) {  // no thread to be had: decode here
      LeerHintergrundPixmap = draw::Pixmap::Load(BilderPfad + u"HinterLeer2.png");
      NamensboxPixmap = draw::Pixmap::Load(BilderPfad + u"Namensbox2.png");
    }
  }
  return 0;
}

int LadeToene() {
  Toene t = VorlaufDaten().toene.Nimm(TonPfad, LiesToene);
  for (auto& [slot, ton] : t) Ton[slot] = std::move(ton);
  return 0;
}

namespace {

// The pictures of a game's first frames: the empty background and the
// announcement with its counter. They are kept decoded in every mode, so
// that a game starts without waiting for them.
std::vector<draw::ImagePtr> AnsageBilder() {
  std::vector<draw::ImagePtr> v = {HighScoreBild, LeerHintergrundBild, LoecherigBild, BlackRahmenBild};
  v.insert(v.end(), ZaehlerBild.begin(), ZaehlerBild.end());
  v.insert(v.end(), ZifferBild.begin(), ZifferBild.end());
  return v;
}

// The pictures of the question screen, decoded while a game mode is shown
// (the background from the second half of the first announcement on).
std::vector<draw::ImagePtr> FrageBilder() {
  std::vector<draw::ImagePtr> v = {HintergrundBild};
  v.insert(v.end(), PfeilBild.begin(), PfeilBild.end());
  return v;
}

// The announcement's two sounds stay decoded from the start on, so the first
// turn's counter sound starts at once; a jingle is decoded when it is first
// played (a few milliseconds for a second and a half of sound) and stays
// decoded until the game is left.
constexpr int kAnsageToene[] = {31, 32};
constexpr int kJingles[] = {11, 12, 13, 14, 15, 16, 21, 22, 23, 24, 25, 26};

}  // namespace

int SpielAssetsBereithalten(int modus) {
  const bool spiel = modus == 1 || modus == 4;
  for (const auto& b : AnsageBilder()) {
    if (!b) continue;
    // Outside a game only the full-size pixels are kept (the canvas size
    // may change before the next game); a test game shows no fade.
    if (!spiel) b->DropScaledCopies();
    const bool gebraucht = b != LeerHintergrundBild || !spiel || Abblenden >= 0.05f;
    if (gebraucht)
      b->Prefetch();
    else
      b->DropCaches();
  }
  for (const auto& b : FrageBilder()) {
    if (!b) continue;
    // The question's background follows the turn (BilderFuerSchritt): a
    // game opens with an announcement, and it is decoded during its second half.
    if (spiel && b != HintergrundBild)
      b->Prefetch();
    else if (!spiel)
      b->DropCaches();
  }
  for (int slot : kAnsageToene) audio::Prefetch(Ton[slot]);
  if (!spiel)
    for (int slot : kJingles) audio::DropDecoded(Ton[slot]);
  return 0;
}

int BilderFuerSchritt(int schritt) {
  // The two large backgrounds of a turn take turns in memory: the
  // announcement's while it is shown, the question's while the question and
  // its solution are. The question's is decoded in the background during the
  // second half of the announcement; the announcement's when the next turn
  // begins (its first frame may wait a few milliseconds for it, on a screen
  // that changes anyway).
  switch (schritt) {
    case 1:  // the announcement begins
      if (HintergrundBild) HintergrundBild->DropCaches();
      if (HighScoreBild) HighScoreBild->Prefetch();
      break;
    case 2:  // its second half
      if (HintergrundBild) HintergrundBild->Prefetch();
      break;
    case 3:  // the question is shown
      if (HighScoreBild) HighScoreBild->DropCaches();
      break;
    default:
      break;
  }
  return 0;
}

int ErzeugeListenSpalten() {
  static const int spalten[3][4] = {{0, 0, 40, 290}, {40, 0, 150, 290}, {190, 0, 310, 290}};
  for (int i = 0; i < 3; ++i) {
    TextFelder[i] = TTextField::Create();
    TextFelder[i]->Make(spalten[i][0], spalten[i][1], spalten[i][2], spalten[i][3], ArialFont13);
  }
  return 0;
}

int LadeKatalog() {
  LadeAlleFragen();
  SammleThemen();
  return 0;
}

namespace {

// Like the window pictures' future: made after the archive is registered, so
// a loader still running when static objects are destroyed finishes first.
std::future<void>& KatalogZukunft() {
  static std::future<void> zukunft;
  return zukunft;
}

}  // namespace

int LadeKatalogImHintergrund() {
  WarteAufKatalog();
  try {
    KatalogZukunft() = std::async(std::launch::async, [] { LadeKatalog(); });
  } catch (const std::system_error&) {  // no thread to be had: load here
    LadeKatalog();
  }
  return 0;
}

int WarteAufKatalog() {
  if (KatalogZukunft().valid()) KatalogZukunft().get();
  return 0;
}

u16 TempPfad() {
  u16 t = fs::Env("TEMP");
  if (t.empty()) t = fs::Env("TMP");
  if (t.empty()) t = fs::Env("TMPDIR");
  if (t.empty()) t = u"/tmp";
  return t + u"\\";
}

u16 ProgrammName() {
  char buf[4096];
  ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  u16 name = n > 0 ? text::FromUtf8(std::string(buf, static_cast<size_t>(n))) : u16(u"parlavinto");
  name = fs::FileName(name);
  size_t dot = name.rfind(u'.');
  if (dot != u16::npos && dot > 0) name = name.substr(0, dot);
  return name;
}

int ZeigeHandbuch() {
  u16 quelle = SonstPfad + u"Parlavinto" + u".PDF";
  u16 ziel = TempPfad() + ProgrammName() + u" " + u"Parlavinto" + u".PDF";
  fs::CopyFile(quelle, ziel, true);
  gui::OpenDocument(text::FromUtf8(fs::NativePath(ziel)));
  return 0;
}

int ProgrammStart(int argc, char** argv) {
 
  // 1. the embedded archive
  fs::RegisterEmbeddedArchive();
  // The first window's two large pictures take longer to decode than the
  // toolkit takes to start: begin now, on a helper thread.
  StarteFensterBilder(fs::EmbeddedRoot() + u"Images/");
  StarteVorlauf(fs::EmbeddedRoot() + u"Sonst/", fs::EmbeddedRoot() + u"Sounds/");
  // 2. platform layers
  gui::Init(argc, argv);
  VerbindeLokalisierung();
  audio::Init();
  // 3. fixed-size tables
  for (auto& s : Spieler) s = std::make_shared<SpielerTyp>();
  EditorFrage = QuizType::Create();
  for (auto& q : AlleFragen) q = QuizType::Create();
  // 4. application title
  gui::SetAppTitle(u"Parlavinto");
  // 5. random generator
  Zufallsgenerator.seed(static_cast<unsigned>(gui::Millisecs()));
  // 6., 7. paths and the first-run copy
  SetzePfade();
  EntferneVerwaisteTempDateien();
  KopiereBenutzerDateien();
  // 8. interface texts
  SetLocalizationMode(3);
  SetLanguage(LoadLanguage(SonstPfad + u"English.ini"));
  // 9., 10. settings file and start time
  IniDatei = DatenPfad + u"Parlavinto.Ini";
  StempleStartzeit();
  // 11. assets
  LadeSchriften();
  LadeBilder();
  LadeToene();
  // 12. windows, hidden
  Mdi::FormLoad();
  InfoFenster::FormLoad();
  // 13., 14. catalogue and the list view's columns
  LadeKatalogImHintergrund();
  ErzeugeListenSpalten();
  // 15., 16. event hook and the 20 Hz timer
  gui::AddHook(EreignisHaken, 0, nullptr);
  gui::CreateTimer(20);
  // 17. start screen
  Mdi::StartAls(0);
  // 18., 19. first shape of the window
  if (HauptFenster) {
    int w = std::min(gui::DesktopWidth() - 40, 1024);
    int h = std::min(gui::DesktopHeight() - 180, 768);
    HauptFenster->SetShape(20, 120, w, h);
  }
  PasseLayoutAn();
  // Menu bar, toolbar and status line need room too: the whole window stays
  // on the screen (a screen too small even for the least client area keeps
  // the window's top in view).
  if (HauptFenster) {
    HauptFenster->KeepOnScreen(450, 450);
    PasseLayoutAn();
  }
  // 20. the event loop
  return EreignisSchleife();
}
