// The reservoir conditions, the saturation height and the pore radii: any
// six condition values (as doubles, extremes included, or as typed texts)
// are accepted within their ranges or refused with the message naming the
// field and its range; under accepted conditions every result of a small run
// (a few measurements from the bytes) is finite or shown as missing.
//
// Input: byte 0 chooses the form of the conditions (bit 0: texts) and of
// the measurements (bit 1: points sorted by pressure and saturation).
//   Doubles: per field a selector byte and 8 bytes (the raw double, an
//   edge value, a value inside the range, or the default).
//   Texts: the six fields as lines, up to a 0 byte.
// Then up to six measurements: a byte with the point count, the
// permeability and each point's pressure and saturation as raw floats.
#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzPlattform.h"
#include "KadrelDoc.h"
#include "Lagerstaettenbedingungen.h"
#include "Lagerstaettenpruefung.h"

namespace {

using namespace lagerstaette;

class Bytes {
 public:
  Bytes(const std::uint8_t* daten, std::size_t laenge) : daten_(daten), laenge_(laenge) {}
  bool Leer() const { return pos_ >= laenge_; }
  std::uint8_t Byte() { return pos_ < laenge_ ? daten_[pos_++] : 0; }
  template <typename T>
  T Roh() {
    unsigned char puffer[sizeof(T)] = {};
    for (unsigned char& b : puffer) b = Byte();
    T w;
    std::memcpy(&w, puffer, sizeof(T));
    return w;
  }
  // The bytes up to a 0 byte (or the end), without it.
  std::string_view BisNull() {
    const std::size_t anfang = pos_;
    while (pos_ < laenge_ && daten_[pos_] != 0) ++pos_;
    const std::string_view t(reinterpret_cast<const char*>(daten_) + anfang, pos_ - anfang);
    if (pos_ < laenge_) ++pos_;
    return t;
  }

 private:
  const std::uint8_t* daten_;
  std::size_t laenge_;
  std::size_t pos_ = 0;
};

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kUnendlich = std::numeric_limits<double>::infinity();

// Values at and around the bounds, and the sizes of the first findings.
const double kKanten[] = {0.0,
                          -0.0,
                          kSpannungMin,
                          std::nextafter(kSpannungMin, 0.0),
                          std::nextafter(kSpannungMin, 1.0),
                          kSpannungMax,
                          std::nextafter(kSpannungMax, 0.0),
                          std::nextafter(kSpannungMax, kUnendlich),
                          kDichteMax,
                          std::nextafter(kDichteMax, 0.0),
                          std::nextafter(kDichteMax, kUnendlich),
                          kDichteMax - kDichtedifferenzMin,
                          kDichtedifferenzMin,
                          90.0,
                          std::nextafter(90.0, 0.0),
                          std::nextafter(90.0, 180.0),
                          180.0,
                          std::nextafter(180.0, kUnendlich),
                          1e-293,
                          1e300,
                          1050.0,
                          1500.0,
                          5e-324,
                          DBL_MIN,
                          DBL_MAX,
                          FLT_MAX,
                          kUnendlich,
                          -kUnendlich,
                          kNaN};

// The range a value inside is drawn from, per field.
void Bereich(int feld, double& unten, double& oben) {
  switch (feld) {
    case 0:
    case 2:
      unten = kSpannungMin;
      oben = kSpannungMax;
      return;
    case 1:
    case 3:
      unten = 0.0;
      oben = 180.0;
      return;
    default:
      unten = 0.0;
      oben = kDichteMax;
      return;
  }
}

Lagerstaettenbedingungen AusDoubles(Bytes& bytes) {
  Lagerstaettenbedingungen b;
  bool wasserInnen = false;
  double wasserAnteil = 0.0;
  for (int feld = 0; feld < kFelder; ++feld) {
    const std::uint8_t wahl = bytes.Byte();
    const auto roh = bytes.Roh<std::uint64_t>();
    double& w = Wert(b, feld);
    const double anteil = static_cast<double>(roh >> 11) * 0x1p-53;
    if (feld == 4 && wahl % 4 == 2) {
      // Inside for water depends on the hydrocarbon: placed below.
      wasserInnen = true;
      wasserAnteil = anteil;
      continue;
    }
    switch (wahl % 4) {
      case 0:
        std::memcpy(&w, &roh, sizeof w);
        break;
      case 1:
        w = kKanten[roh % std::size(kKanten)];
        break;
      case 2: {
        double unten = 0.0;
        double oben = 0.0;
        Bereich(feld, unten, oben);
        w = unten + anteil * (oben - unten);
        break;
      }
      default:
        break;  // the default
    }
  }
  if (wasserInnen) {
    const double unten = b.RhoKW + kDichtedifferenzMin;
    b.RhoWasser = unten + wasserAnteil * (kDichteMax - unten);
  }
  return b;
}

// The ranges once more, written out independently of Pruefen.
bool ImBereich(const Lagerstaettenbedingungen& b) {
  auto spannung = [](double w) { return w >= 0.01 && w <= 1000.0; };
  auto winkel = [](double w) { return w >= 0.0 && w <= 180.0 && w != 90.0; };
  return spannung(b.SigmaLabor) && spannung(b.SigmaLagerstaette) && winkel(b.ThetaLabor) &&
         winkel(b.ThetaLagerstaette) && b.RhoKW >= 0.0 && b.RhoKW <= 3.0 && b.RhoWasser <= 3.0 &&
         b.RhoWasser - b.RhoKW >= 0.01 - 1e-12;
}

bool BeginntMit(const std::string& text, const std::string& anfang) { return text.rfind(anfang, 0) == 0; }

// The refusal names the field and its range, and the unit only above the bound.
void MeldungPruefen(const Lagerstaettenbedingungen& b, const std::string& fehler, int feld) {
  FUZZ_PRUEFEN(feld >= 0 && feld < kFelder);
  const std::string name = std::string("\"") + Feldname(feld) + "\"";
  FUZZ_PRUEFEN(BeginntMit(fehler, "Der Wert im Feld " + name + " ist nicht erlaubt!\nErlaubt: ") ||
               BeginntMit(fehler, "Im Feld " + name + " steht keine Zahl!\nErlaubt: "));
  const bool einheit = fehler.find("eingegeben?)") != std::string::npos;
  const double w = Wert(b, feld);
  const bool zuGross = feld == 0 || feld == 2 ? w > kSpannungMax : feld >= 4 && w > kDichteMax;
  FUZZ_PRUEFEN(einheit == (zuGross && BeginntMit(fehler, "Der Wert")));
}

std::string Zahltext(float w) {
  char puffer[32];
  const auto r = std::to_chars(puffer, puffer + sizeof puffer, w);
  return std::string(puffer, r.ptr);
}

std::vector<std::string> Messungen(Bytes& bytes, bool sortiert) {
  std::vector<std::string> zeilen;
  for (int m = 0; m < 6 && !bytes.Leer(); ++m) {
    const int n = bytes.Byte() % 13;
    const auto perm = bytes.Roh<float>();
    std::vector<std::pair<float, float>> punkte;
    for (int i = 0; i < n; ++i) {
      const auto pc = bytes.Roh<float>();
      punkte.emplace_back(pc, bytes.Roh<float>());
    }
    if (sortiert) {
      std::vector<float> pc;
      std::vector<float> s;
      for (const auto& [p, q] : punkte) {
        pc.push_back(std::fabs(p));
        s.push_back(std::fabs(q));
      }
      std::sort(pc.begin(), pc.end());
      std::sort(s.begin(), s.end());
      for (std::size_t i = 0; i < punkte.size(); ++i) punkte[i] = {pc[i], s[i]};
    }
    zeilen.push_back("PERMEABILITAET: " + Zahltext(perm) + " M" + std::to_string(m));
    for (const auto& [pc, s] : punkte) zeilen.push_back(Zahltext(pc) + " " + Zahltext(s));
    zeilen.push_back("ENDE");
  }
  return zeilen;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
  Bytes bytes(daten, laenge);
  const std::uint8_t form = bytes.Byte();

  Lagerstaettenbedingungen b;
  bool erlaubt = false;
  if ((form & 1) != 0) {
    const std::string_view text = bytes.BisNull();
    Feldtexte texte;
    std::size_t anfang = 0;
    for (int feld = 0; feld < kFelder && anfang <= text.size(); ++feld) {
      const std::size_t ende = std::min(text.find('\n', anfang), text.size());
      texte[feld] = std::string(text.substr(anfang, ende - anfang));
      anfang = ende + 1;
    }
    const Lagerstaettenbedingungen vorher{1, 2, 3, 4, 5, 6};
    b = vorher;
    std::string fehler;
    int feld = -1;
    erlaubt = FelderLesen(texte, b, fehler, &feld);
    if (erlaubt) {
      FUZZ_PRUEFEN(ImBereich(b));
      Lagerstaettenbedingungen wieder;
      std::string nochmal;
      FUZZ_PRUEFEN(FelderLesen(FelderTexte(b), wieder, nochmal) && wieder == b);
    } else {
      FUZZ_PRUEFEN(b == vorher);
      // The message speaks of the value as typed: read it for the unit check.
      Lagerstaettenbedingungen getippt;
      for (int f = 0; f <= feld && f < kFelder; ++f) ZahlLesen(texte[f], Wert(getippt, f));
      MeldungPruefen(getippt, fehler, feld);
    }
  } else {
    b = AusDoubles(bytes);
    std::string fehler;
    erlaubt = Pruefen(b, fehler);
    FUZZ_PRUEFEN(erlaubt == ImBereich(b));
    FUZZ_PRUEFEN(erlaubt == (UngueltigesFeld(b) < 0));
    if (!erlaubt) MeldungPruefen(b, fehler, UngueltigesFeld(b));
  }
  // Refused conditions never reach the analyses; the run is checked under the defaults then.
  if (!erlaubt) b = Lagerstaettenbedingungen{};

  FuzzPlattform plattform;
  CKadrelDoc doc(plattform);
  doc.OnNewDocument();
  doc.Eingabezeilen = Messungen(bytes, (form & 2) != 0);
  doc.Berechnung();
  const std::string befund = lagerstaettenpruefung::Pruefen(doc, b);
  if (!befund.empty()) std::fprintf(stderr, "%s\n", befund.c_str());
  FUZZ_PRUEFEN(befund.empty());
  return 0;
}
