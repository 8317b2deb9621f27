#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <locale.h>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "TextFormat.h"
#include "TextScan.h"

namespace {

// strtof of the C locale, whatever the process locale is.
struct CStrtof {
  CStrtof() : c(newlocale(LC_ALL_MASK, "C", nullptr)) {}
  ~CStrtof() { freelocale(c); }
  float operator()(const std::string& s, std::size_t& ende) const {
    char* e = nullptr;
    const float f = strtof_l(s.c_str(), &e, c);
    ende = static_cast<std::size_t>(e - s.c_str());
    return f;
  }
  locale_t c;
};

bool GleicheBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

struct Zahlfall {
  const char* name;
  std::string text;
  text::ZahlArt art;
};

class ZahlRegel : public ::testing::TestWithParam<Zahlfall> {};

// Every number read agrees bit for bit and in its length with strtof; every
// refused one is what strtof gives as infinity or NaN.
TEST_P(ZahlRegel, StimmtMitStrtofUeberein) {
  const auto& f = GetParam();
  std::size_t pos = 0;
  float wert = -99.0f;
  ASSERT_EQ(text::ZahlErkennen(f.text, pos, wert), f.art) << f.text;
  std::size_t ende = 0;
  const float c = CStrtof()(f.text, ende);
  if (f.art == text::ZahlArt::Gelesen) {
    EXPECT_TRUE(GleicheBits(wert, c)) << wert << " " << c;
    EXPECT_EQ(pos, ende);
  } else if (f.art == text::ZahlArt::Ausserhalb) {
    EXPECT_FALSE(std::isfinite(c)) << c;
    EXPECT_EQ(pos, 0u);
  }
}

const std::string kLangeNull = "0." + std::string(330, '0') + "1";
const std::string kLangeEins = "1" + std::string(400, '0') + "e-400";
const std::string kGrosserExponent = "1e" + std::string(30, '9');

INSTANTIATE_TEST_SUITE_P(
    Faelle, ZahlRegel,
    ::testing::Values(
        Zahlfall{"GroessterFloat", "3.4028235e38", text::ZahlArt::Gelesen},
        Zahlfall{"RundetNochAufGroesstenFloat", "3.4028235677973366e38", text::ZahlArt::Gelesen},
        Zahlfall{"RundetUeberDenBereich", "3.40282357e38", text::ZahlArt::Ausserhalb},
        Zahlfall{"ZuGross", "1e39", text::ZahlArt::Ausserhalb},
        Zahlfall{"ZuGrossNegativ", "-1e39", text::ZahlArt::Ausserhalb},
        Zahlfall{"ZuGrossMitVielenZiffern", "1" + std::string(50, '0'), text::ZahlArt::Ausserhalb},
        Zahlfall{"RiesigerExponent", kGrosserExponent, text::ZahlArt::Ausserhalb},
        Zahlfall{"LangeNull", kLangeNull, text::ZahlArt::Gelesen},
        Zahlfall{"LangeMantisseWirdEins", kLangeEins, text::ZahlArt::Gelesen},
        Zahlfall{"UnterlaufExponent", "1e-400", text::ZahlArt::Gelesen},
        Zahlfall{"UnterlaufNegativ", "-1e-400", text::ZahlArt::Gelesen},
        Zahlfall{"KleinsterSubnormaler", "1.4e-45", text::ZahlArt::Gelesen},
        Zahlfall{"UnterHalbemSubnormalen", "7e-46", text::ZahlArt::Gelesen},
        Zahlfall{"Subnormal", "1e-40", text::ZahlArt::Gelesen},
        Zahlfall{"RiesigerNegativerExponent", "1e-" + std::string(30, '9'), text::ZahlArt::Gelesen},
        Zahlfall{"NullMitRiesigemExponent", "0e999999", text::ZahlArt::Gelesen},
        Zahlfall{"Inf", "inf", text::ZahlArt::Ausserhalb}, Zahlfall{"InfGross", "-INF 3", text::ZahlArt::Ausserhalb},
        Zahlfall{"Infinity", "+Infinity", text::ZahlArt::Ausserhalb}, Zahlfall{"Nan", "nan", text::ZahlArt::Ausserhalb},
        Zahlfall{"NanMitKlammer", "NaN(123),", text::ZahlArt::Ausserhalb},
        Zahlfall{"InfMitKomma", "inf,5", text::ZahlArt::Ausserhalb}, Zahlfall{"WortInfo", "Info", text::ZahlArt::Keine},
        Zahlfall{"WortNanometer", "nanometer", text::ZahlArt::Keine},
        Zahlfall{"WortInf1", "inf1", text::ZahlArt::Keine}, Zahlfall{"Punkt", ".", text::ZahlArt::Keine}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ZahlRegel, ZufaelligeDezimalzahlenWieStrtof) {
  std::mt19937 zufall(9);
  const CStrtof c;
  for (int i = 0; i < 20000; ++i) {
    std::string s;
    if (zufall() % 3 == 0) s += zufall() % 2 ? '-' : '+';
    const int vor = static_cast<int>(zufall() % 12);
    for (int k = 0; k < vor; ++k) s += static_cast<char>('0' + zufall() % 10);
    if (zufall() % 2) s += '.';
    const int nach = static_cast<int>(zufall() % 12);
    for (int k = 0; k < nach; ++k) s += static_cast<char>('0' + zufall() % 10);
    if (zufall() % 2) s += text::Format("e%d", static_cast<int>(zufall() % 120) - 60);
    std::size_t pos = 0;
    float wert = 0.0f;
    const text::ZahlArt art = text::ZahlErkennen(s, pos, wert);
    std::size_t ende = 0;
    const float soll = c(s, ende);
    if (ende == 0) {
      EXPECT_EQ(art, text::ZahlArt::Keine) << s;
    } else if (!std::isfinite(soll)) {
      EXPECT_EQ(art, text::ZahlArt::Ausserhalb) << s;
    } else {
      ASSERT_EQ(art, text::ZahlArt::Gelesen) << s;
      EXPECT_TRUE(GleicheBits(wert, soll)) << s;
      EXPECT_EQ(pos, ende) << s;
    }
  }
}

TEST(ScanGeprueft, MeldetDieZahlAusserhalbUndHaeltDort) {
  float a = 0, b = 0;
  std::string w, k;
  bool ausserhalb = false;
  EXPECT_EQ(text::ScanGeprueft("1e39 0.6", "%f %f", ausserhalb, &a, &b), 0);
  EXPECT_TRUE(ausserhalb);
  EXPECT_EQ(text::ScanGeprueft("0.5 nan", "%f %f", ausserhalb, &a, &b), 1);
  EXPECT_TRUE(ausserhalb);
  EXPECT_EQ(text::ScanGeprueft("PERMEABILITAET: 1e39 B", "%s %f %s", ausserhalb, &w, &a, &k), 1);
  EXPECT_TRUE(ausserhalb);
  EXPECT_EQ(text::ScanGeprueft("PERMEABILITAET: 12 B", "%s %f %s", ausserhalb, &w, &a, &k), 3);
  EXPECT_FALSE(ausserhalb);
  EXPECT_EQ(text::ScanGeprueft("Info 12", "%f %f", ausserhalb, &a, &b), 0);
  EXPECT_FALSE(ausserhalb);
}

// %g above 57 digits needs more room than a fixed buffer gave; every digit
// comes out as the C library prints it.
TEST(Format, HoheGenauigkeitWieSnprintf) {
  const double werte[] = {0.1, 1.0 / 3.0, 123456.789, 1e-300, 1.7976931348623157e308, 4.9e-324, -2.5};
  const char* const formate[] = {"%.58g", "%.60g", "%.100g", "%.400g", "%.500f", "%.120e", "%#.70g"};
  for (const double w : werte) {
    for (const char* f : formate) {
      char c[2048];
      std::snprintf(c, sizeof c, f, w);
      std::string soll = c;
      // The program's exponents have at least three digits.
      const auto e = soll.find_first_of("eE");
      if (e != std::string::npos && soll.size() - e == 4) soll.insert(e + 2, "0");
      EXPECT_EQ(text::Format(f, w), soll) << f << " " << w;
    }
  }
}

}  // namespace
