// SPDX-License-Identifier: GPL-3.0-or-later
// INI access: reading values and integers from any file, and writing into it.
#include "fuzz_support.h"
#include "ini/ini.h"
#include "platform/text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Bereite();
  const u16 datei = text::FromUtf8(fuzz::Schreibe("test.ini", data, size));
  const char16_t* sektionen[] = {u"Quiz 1", u"Grade", u"Start", u"DieseNicht", u"", u"[", u"Quiz 100"};
  const char16_t* schluessel[] = {u"Frage", u"Antwort 1", u"0", u"Data", u"", u"=", u"Lösung"};
  for (const char16_t* s : sektionen)
    for (const char16_t* k : schluessel) {
      Ini::Lesen(s, k, datei);
      Ini::Value(s, k, datei);
    }
  // a key and value taken from the input itself, written and read back
  const u16 text = fuzz::Latin1(data, size < 64 ? size : 64);
  Ini::Schreiben(u"Quiz 1", u"Frage", text, datei);
  Ini::Schreiben(text, u"Data", u"1", datei);
  Ini::Lesen(u"Quiz 1", u"Frage", datei);
  Ini::Lesen(text, u"Data", datei);
  return 0;
}
