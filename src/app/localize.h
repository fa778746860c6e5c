// SPDX-License-Identifier: GPL-3.0-or-later
// Interface texts: English tokens in double braces, translated through the
// language file when a gadget is created.
#pragma once
#include <functional>
#include <map>
#include <memory>
#include <string>

using u16 = std::u16string;

struct TLanguage {
  u16 Name;                   // value of the entry "LanguageId"
  std::map<u16, u16> Tokens;  // lower-cased token -> translation ("" is kept)
  // The translation of the lower-cased token; the token itself, unchanged,
  // when the language has no entry for it.
  u16 LookupToken(const u16& token) const;
};
using TLanguagePtr = std::shared_ptr<TLanguage>;

// Reads and parses a language file (archive entry or native file); nullptr
// when it cannot be read or lacks "[LanguageDefinition]" / "LanguageId".
TLanguagePtr LoadLanguage(const u16& path);
// Parses the bytes of a language file as LoadLanguage does.
TLanguagePtr ParseLanguage(const std::string& bytes);

// Mode bits: 1 = localization on, 2 = texts given at gadget creation are
// taken as localization sources.
void SetLocalizationMode(int mode);
int LocalizationMode();
void SetLanguage(TLanguagePtr language);
TLanguagePtr ActiveLanguage();

// The localized form of a text: every "{{token}}" replaced by its translation
// (translations may hold tokens again). Unchanged while mode bit 1 is off.
// A cyclic translation gives "!ERROR!" and a warning line on standard output.
u16 LocalizeString(const u16& text);

// Called (when set) whenever every registered gadget has to be localized
// again: when SetLocalizationMode changes bit 1 and on every SetLanguage.
// The gadget layer installs it; an empty function removes it.
void SetRelocalizeHandler(std::function<void()> handler);

// Lower-casing used for tokens (ASCII and Latin-1 letters).
u16 LowerToken(const u16& token);
