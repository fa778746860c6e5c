// SPDX-License-Identifier: GPL-3.0-or-later
// Direct access to INI-style text files, without a cache: every read scans the
// file from its start, every write reads the whole file, changes it and writes
// it back in one piece (a temporary file renamed over the old one). Files are
// 8-bit text (one byte per character), written with CR LF; a leading UTF-8
// byte-order mark is kept and is not part of the first line.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/fs/fs.h"

using u16 = std::u16string;

// The file the operations work on; a call with a non-empty file argument
// replaces it for the duration of that call.
inline u16 IniDatei;

// One entry of a write: key=value in section.
struct IniWert {
  u16 section;
  u16 key;
  u16 value;
};

struct Ini {
  // Value of key in section; "" when the file, the section or the key is missing.
  static u16 Lesen(u16 section, u16 key, u16 file);
  // Lesen converted by the integer rule ($ hex, % binary, decimal); 0 when missing.
  static int Value(u16 section, u16 key, u16 file);
  // Sets key=value in section, creating file, section or entry as needed.
  // 0 on success; non-zero when the file could not be written (fs::LastError
  // tells why), in which case the old file is left untouched. An existing
  // file that cannot be read is never replaced.
  static int Schreiben(u16 section, u16 key, u16 value, u16 file);
  // Sets every entry in turn, giving exactly the bytes that one Schreiben
  // call per entry would give, but reads and writes the file once, so that
  // the file holds either all of them or none. Result as Schreiben.
  static int SchreibenAlle(const std::vector<IniWert>& werte, u16 file);
  // The same on the bytes of a file in memory (empty: no file yet).
  static std::string Anwenden(std::string_view bytes, const std::vector<IniWert>& werte);
  static int FileExists(u16 path);

  static u16 XLiesWert(u16 section, u16 key);
  static u16 SucheNachEintrag(fs::Stream& stream, u16 key);
  static int XSchreibeWert(u16 section, u16 key, u16 value);
  static u16 LinkerTeil(u16 line);
  static u16 TrenneWert(u16 line);
};
