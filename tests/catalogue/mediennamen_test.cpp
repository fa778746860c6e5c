// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/mediennamen.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct Fall {
  const char* was;
  std::u16string name, bild, klang;
  friend void PrintTo(const Fall& f, std::ostream* os) { *os << f.was; }
};

class MedienNamen : public ::testing::TestWithParam<Fall> {};

TEST_P(MedienNamen, GifMeansPngAndWavMeansOgg) {
  EXPECT_EQ(GetParam().bild, MedienBildName(GetParam().name));
  EXPECT_EQ(GetParam().klang, MedienKlangName(GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(
    Endungen, MedienNamen,
    ::testing::Values(Fall{"gif_lower", u"note.gif", u"note.PNG", u"note.gif"},
                      Fall{"gif_mixed", u"Note.GiF", u"Note.PNG", u"Note.GiF"},
                      Fall{"wav_upper", u"Ja 4.WAV", u"Ja 4.WAV", u"Ja 4.OGG"},
                      Fall{"wav_mixed", u"a.wAv", u"a.wAv", u"a.OGG"},
                      Fall{"only_the_ending", u".gif", u".PNG", u".gif"},
                      Fall{"too_short", u"gif", u"gif", u"gif"},
                      Fall{"longer_ending", u"x.wave", u"x.wave", u"x.wave"},
                      Fall{"png_stays", u"Instrument_Geige.png", u"Instrument_Geige.png", u"Instrument_Geige.png"},
                      Fall{"empty", u"", u"", u""},
                      Fall{"umlaut_before", u"Übung.gif", u"Übung.PNG", u"Übung.gif"}),
    [](const ::testing::TestParamInfo<Fall>& info) { return std::string(info.param.was); });

}  // namespace
