// Times the Thomeer fits of the real curves in tests/data (one document run
// reads them) and prints how the fits came out. Not a test.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "EingabeDaten.h"
#include "KadrelDoc.h"
#include "StillePlattform.h"
#include "Textdatei.h"
#include "Thomeer.h"

namespace {

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0.0 : v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const std::string pfad = argc > 1 ? argv[1] : KADREL_ARAB_D;
  std::string bytes;
  std::string fehler;
  if (!text::DateiLesen(pfad, bytes, fehler)) {
    std::fprintf(stderr, "%s\n", fehler.c_str());
    return 2;
  }
  StillePlattform plattform;
  CKadrelDoc doc(plattform);
  doc.Eingabezeilen = text::ZeilenAusBytes(bytes);
  doc.Berechnung();

  constexpr int kLaeufe = 5;
  std::vector<double> zeiten;
  std::vector<ThomeerErgebnis> ergebnisse;
  for (int l = 0; l < kLaeufe; ++l) {
    const auto t0 = std::chrono::steady_clock::now();
    ergebnisse = ThomeerAnpassen(doc.Messkurven);
    zeiten.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
  }

  std::vector<double> r2;
  int zwei = 0;
  int ohne = 0;
  for (const auto& e : ergebnisse) {
    if (!e.Angepasst()) {
      ++ohne;
      std::printf("  not fitted: %s (%s)\n", e.Kern.c_str(), e.Grund.c_str());
      continue;
    }
    r2.push_back(e.R2);
    if (e.Systeme.size() == 2) ++zwei;
  }
  std::printf("Thomeer fit of %zu curves (%s)\n", doc.Messkurven.size(), pfad.c_str());
  std::printf("  median time per fit of all curves: %.1f ms over %d runs\n", Median(zeiten) * 1e3, kLaeufe);
  std::printf("  fitted: %zu, two systems: %d, not fitted: %d\n", r2.size(), zwei, ohne);
  if (!r2.empty()) {
    std::printf("  R2 median: %.5f, minimum: %.5f\n", Median(r2), *std::min_element(r2.begin(), r2.end()));
  }
  return 0;
}
