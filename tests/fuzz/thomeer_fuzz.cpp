// The Thomeer fit on arbitrary curves: every fit it reports has finite
// parameters with Pd > 0, G > 0, Sinf > 0 (ascending Pd) and a finite RMS
// and R²; a curve it does not fit is named with one of its reasons.
//
// Input: byte 0 chooses the shape (bit 0: pressures ascending, bit 1:
// saturations from 0 and not falling, as the reader lets them through; bit
// 2: values without a number allowed), byte 1 the number of points (1 ...
// 99), then 2 bytes of pressure and 2 bytes of saturation per point.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

#include "FuzzPlattform.h"
#include "Thomeer.h"

namespace {

class Bytes {
 public:
  Bytes(const std::uint8_t* daten, std::size_t laenge) : daten_(daten), laenge_(laenge) {}
  std::uint8_t Byte() { return pos_ < laenge_ ? daten_[pos_++] : 0; }
  unsigned Wort() { return static_cast<unsigned>(Byte()) << 8 | Byte(); }

 private:
  const std::uint8_t* daten_;
  std::size_t laenge_;
  std::size_t pos_ = 0;
};

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

// A pressure: mostly 0.01 ... 10 000 bar, else one of the values at the
// edges of float, or the one before (equal, doubled, a hair above).
float Druck(unsigned w, float vorher, bool ohneZahl) {
  const unsigned art = w >> 13;
  const double anteil = (w & 0x1FFF) / 8191.0;
  static constexpr float kRand[] = {0.0f, -1.0f, -FLT_MAX, 1.4e-45f, FLT_MIN, 1e-30f, 1e-10f, 1e-4f,
                                    1.0f, 1e4f,  1e10f,    1e30f,    FLT_MAX, 0.1f,   0.111f, 1818.7156f};
  switch (art) {
    case 0: {
      const unsigned k = w & 0x1F;
      if (k < std::size(kRand)) return kRand[k];
      if (k == 16) return vorher;
      if (k == 17) return vorher * 2.0f;
      if (k == 18) return std::nextafter(vorher, FLT_MAX);
      if (ohneZahl && k == 19) return kNaN;
      if (ohneZahl && k == 20) return kInf;
      return -vorher;
    }
    case 1:
      return static_cast<float>(std::pow(10.0, -45.0 + 83.5 * anteil));
    case 2:
      return vorher;
    default:
      return static_cast<float>(std::pow(10.0, -2.0 + 6.0 * anteil));
  }
}

// A saturation: mostly 0 ... 1, else 0, 1, values at the edges of float,
// percent-sized ones, or the one before (a flat curve).
float Saettigung(unsigned w, float vorher, bool ohneZahl) {
  const unsigned art = w >> 13;
  const float anteil = static_cast<float>((w & 0x1FFF) / 8191.0);
  static constexpr float kRand[] = {0.0f, 1.0f,   1.4e-45f, FLT_MIN, 1e-6f,  1e-5f, 0.5f,     1.5f,
                                    2.0f, 100.0f, 1e10f,    FLT_MAX, -1e-5f, -1.0f, -FLT_MAX, 0.99999f};
  switch (art) {
    case 0: {
      const unsigned k = w & 0x1F;
      if (k < std::size(kRand)) return kRand[k];
      if (ohneZahl && k == 16) return kNaN;
      if (ohneZahl && k == 17) return -kInf;
      return vorher;
    }
    case 1:
      return vorher;
    case 2:
      return vorher + anteil * 1e-5f;
    default:
      return anteil;
  }
}

bool Endlich(double x) { return std::isfinite(x); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
  Bytes b(daten, laenge);
  const std::uint8_t form = b.Byte();
  const bool aufsteigend = (form & 1) != 0;
  const bool wieGelesen = (form & 2) != 0;
  const bool ohneZahl = (form & 4) != 0;
  const std::size_t n = 1 + b.Byte() % 99;

  Messkurve k;
  k.Kern = "FUZZ";
  float p = 1.0f;
  float s = 0.0f;
  for (std::size_t i = 0; i < n; ++i) {
    p = Druck(b.Wort(), p, ohneZahl);
    s = Saettigung(b.Wort(), s, ohneZahl);
    k.Pc.push_back(p);
    k.Shg.push_back(s);
  }
  if (aufsteigend) std::sort(k.Pc.begin(), k.Pc.end());
  if (wieGelesen) {
    k.Shg[0] = 0.0f;
    for (std::size_t i = 1; i < n; ++i) k.Shg[i] = std::max(k.Shg[i], k.Shg[i - 1]);
  }
  for (std::size_t i = 0; i < n; ++i) {
    if (k.Shg[i] == 0.0f) k.PcSperrdruck = k.Pc[i];
  }

  const ThomeerErgebnis e = ThomeerAnpassen(k);
  const bool endlich = std::all_of(k.Pc.begin(), k.Pc.end(), [](float x) { return std::isfinite(x); }) &&
                       std::all_of(k.Shg.begin(), k.Shg.end(), [](float x) { return std::isfinite(x); });
  if (!e.Angepasst()) {
    FUZZ_PRUEFEN(e.Grund == kThomeerZuWenigePunkte || e.Grund == kThomeerKeineKonvergenz);
    return 0;
  }
  FUZZ_PRUEFEN(endlich);
  FUZZ_PRUEFEN(e.Grund.empty());
  FUZZ_PRUEFEN(e.Systeme.size() == 1 || e.Systeme.size() == 2);
  for (const ThomeerSystem& sys : e.Systeme) {
    FUZZ_PRUEFEN(Endlich(sys.Pd) && sys.Pd > 0.0);
    FUZZ_PRUEFEN(Endlich(sys.G) && sys.G > 0.0);
    FUZZ_PRUEFEN(Endlich(sys.Sinf) && sys.Sinf > 0.0);
  }
  if (e.Systeme.size() == 2) FUZZ_PRUEFEN(e.Systeme[0].Pd < e.Systeme[1].Pd);
  FUZZ_PRUEFEN(Endlich(e.RMS) && e.RMS >= 0.0);
  FUZZ_PRUEFEN(Endlich(e.R2));
  return 0;
}
