// SPDX-License-Identifier: GPL-3.0-or-later
// Direct access to INI-style text files, without a cache: every read scans the
// file from its start, every write reads the whole file, changes it and writes
// it back. Files are 8-bit text (one byte per character), written with CR LF.
#pragma once
#include <string>
#include <vector>

#include "platform/fs/fs.h"

using u16 = std::u16string;

// The file the operations work on; a call with a non-empty file argument
// replaces it for the duration of that call.
inline u16 IniDatei;
// Line buffer of a write; lines at 1..n, index 0 unused. Grows as needed.
inline std::vector<u16> IniZeilen(1000);

struct Ini {
  // Value of key in section; "" when the file, the section or the key is missing.
  static u16 Lesen(u16 section, u16 key, u16 file);
  // Lesen converted by the integer rule ($ hex, % binary, decimal); 0 when missing.
  static int Value(u16 section, u16 key, u16 file);
  // Sets key=value in section, creating file, section or entry as needed.
  // 0 on success; non-zero when the file could not be written, in which case
  // the old file is left untouched.
  static int Schreiben(u16 section, u16 key, u16 value, u16 file);
  static int FileExists(u16 path);

  static u16 XLiesWert(u16 section, u16 key);
  static u16 SucheNachEintrag(fs::Stream& stream, u16 key);
  static int XSchreibeWert(u16 section, u16 key, u16 value);
  static u16 LinkerTeil(u16 line);
  static u16 TrenneWert(u16 line);
};
