#include "app/localize.h"

// Placeholder until the language file support lands: texts pass unchanged.
namespace {
int g_mode = 0;
TLanguagePtr g_language;
}  // namespace

u16 TLanguage::LookupToken(const u16& token) const { return token; }
TLanguagePtr LoadLanguage(const u16&) { return nullptr; }
void SetLocalizationMode(int mode) { g_mode = mode; }
int LocalizationMode() { return g_mode; }
void SetLanguage(TLanguagePtr language) { g_language = std::move(language); }
TLanguagePtr ActiveLanguage() { return g_language; }
u16 LocalizeString(const u16& text) { return text; }
