// Interface texts: English tokens in double braces, translated through the
// language file when a gadget is created.
#pragma once
#include <map>
#include <memory>
#include <string>

using u16 = std::u16string;

struct TLanguage {
  u16 Name;
  std::map<u16, u16> Tokens;  // lower-cased token -> translation
  u16 LookupToken(const u16& token) const;
};
using TLanguagePtr = std::shared_ptr<TLanguage>;

TLanguagePtr LoadLanguage(const u16& path);
void SetLocalizationMode(int mode);
int LocalizationMode();
void SetLanguage(TLanguagePtr language);
TLanguagePtr ActiveLanguage();
u16 LocalizeString(const u16& text);
