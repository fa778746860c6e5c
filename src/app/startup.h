// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the embedded archive, the path roots, the first-run copy into the
// user's data folder, the fixed assets, and the order in which everything is
// brought up before the event loop runs.
#pragma once
#include <array>
#include <memory>
#include <random>
#include <string>

#include "platform/audio/audio.h"
#include "platform/draw/draw.h"

using u16 = std::u16string;

// Path roots, set once by SetzePfade. Archive roots end in "/", folder roots in "\".
inline u16 BilderPfad;
inline u16 TonPfad;
inline u16 MusicalPfad;
inline u16 SonstPfad;
inline u16 VorlagenPfad;
inline u16 HerstellerPfad;
inline u16 DatenPfad;

// Fonts
inline draw::FontPtr ComicFont20;
inline draw::FontPtr ComicFont36;
inline draw::FontPtr ComicFont50;
inline draw::FontPtr ArialFont13;

// Images and pixmaps
inline draw::ImagePtr HintergrundBild;
inline draw::ImagePtr LeerHintergrundBild;
inline draw::PixmapPtr LeerHintergrundPixmap;
inline std::array<draw::ImagePtr, 6> PfeilBild;
inline std::array<draw::ImagePtr, 10> ZaehlerBild;
inline std::array<draw::ImagePtr, 10> ZifferBild;
inline draw::PixmapPtr NamensboxPixmap;
inline draw::ImagePtr HighScoreBild;
inline draw::ImagePtr LoecherigBild;
inline draw::ImagePtr BlackRahmenBild;

// The random generator, seeded at start with the millisecond counter.
inline std::mt19937 Zufallsgenerator;
// Uniform random integer from lo to hi, both included.
int Zufall(int lo, int hi);

// The process entry: start-up in its fixed order, then the event loop.
int ProgrammStart(int argc, char** argv);
// Hands the interface-text localization to the gadget layer.
int VerbindeLokalisierung();
int SetzePfade();
int KopiereBenutzerDateien();
// Writes the start time into the settings file ("Allgemein", "LastStart").
int StempleStartzeit();
// Removes what interrupted saves left in the data folder, its "Daten" folder
// and the list folder: the temporary files of the files the program writes
// there (".Fragen 0.dat.XXXXXX" and the like). Returns how many.
int EntferneVerwaisteTempDateien();
u16 StartzeitText(long long unixSeconds);  // "05 Mar 2010 14:07:33", local time
// Starts reading the fonts and the fixed sounds from these folders on helper
// threads; LadeSchriften and LadeToene take them over. 0 when no thread could be had.
int StarteVorlauf(const u16& schriftOrdner, const u16& tonOrdner);
int LadeSchriften();
// The game's pictures as handles decoded on first use; the first window's
// two pixmaps on a helper thread (WarteAufFensterBilder).
int LadeBilder();
// Waits for the first window's pixmaps of LadeBilder and sets
// LeerHintergrundPixmap and NamensboxPixmap.
int WarteAufFensterBilder();
// Starts decoding the first window's two pictures from the given folder on a
// helper thread (LadeBilder takes them over); 0 when no thread could be had.
int StarteFensterBilder(const u16& ordner);
int LadeToene();
// Keeps decoded what the mode shown (and a game started from it) needs,
// called after every mode switch: the pictures and sounds of a game's first
// seconds (empty background, announcement, counter, the announcement's two
// sounds) are decoded in the background from the start on; the question
// screen's pictures while a game mode (1 game, 4 test game) is shown; the
// jingles when first played. Leaving the game modes frees the question
// screen's pictures, the jingles and all scaled copies (the files' bytes stay).
int SpielAssetsBereithalten(int modus);
// Keeps in memory the large background the turn's step shows and has the
// next one decoded in the background (steps 1: announcement, 2: its second
// half, 3: question).
int BilderFuerSchritt(int schritt);
int ErzeugeListenSpalten();
int LadeKatalog();
// LadeKatalog on a helper thread (at start, so that the first frame does not
// wait for the question files); WarteAufKatalog hands the catalogue over and
// must be called before the question table, the topics or the question file
// reader are used on the main thread. Without a thread to be had the catalogue
// is loaded at once.
int LadeKatalogImHintergrund();
int WarteAufKatalog();
int ZeigeHandbuch();
u16 TempPfad();
// Executable's own file name without folder and extension.
u16 ProgrammName();
