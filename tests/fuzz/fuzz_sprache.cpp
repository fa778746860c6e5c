// SPDX-License-Identifier: GPL-3.0-or-later
// The language file: parsing, then translating texts through it (with the
// tokens it defines, which may refer to each other).
#include "app/localize.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TLanguagePtr sprache = ParseLanguage(std::string(reinterpret_cast<const char*>(data), size));
  if (!sprache) return 0;
  SetLocalizationMode(1);
  SetLanguage(sprache);
  size_t n = 0;
  for (const auto& [token, wert] : sprache->Tokens) {
    LocalizeString(u"{{" + token + u"}}");
    LocalizeString(u"a {{" + token + u"}} b {{" + wert + u"}}");
    if (++n == 50) break;
  }
  LocalizeString(u"{{Help}} {{}} {{ {{x}");
  SetLanguage(nullptr);
  SetLocalizationMode(0);
  return 0;
}
