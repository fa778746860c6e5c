// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/mediennamen.h"

#include "platform/text.h"

namespace {

std::u16string ErsetzeEndung(const std::u16string& name, const std::u16string& alt, const std::u16string& neu) {
  if (name.size() < alt.size() || text::ToUpperAscii(name.substr(name.size() - alt.size())) != alt) return name;
  return name.substr(0, name.size() - neu.size()) + neu;
}

}  // namespace

std::u16string MedienBildName(const std::u16string& name) { return ErsetzeEndung(name, u".GIF", u"PNG"); }

std::u16string MedienKlangName(const std::u16string& name) { return ErsetzeEndung(name, u".WAV", u"OGG"); }

std::u16string MusicalBildName(char16_t zeichen) { return u"Musical" + text::Num(static_cast<int>(zeichen)) + u".png"; }
