// Times the Thomeer fits of the real curves in tests/data (one document run
// reads them) and prints how the fits came out. Not a test.
#include <time.h>

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

// CPU time of this thread: on a busy machine it counts only the time the
// fits ran, not the time other programs had the processor.
double Rechenzeit() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
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
  if (doc.Messkurven.empty()) {
    std::fprintf(stderr, "%s: no curve\n", pfad.c_str());
    return 2;
  }

  constexpr int kLaeufe = 9;
  std::vector<double> uhr;
  std::vector<double> cpu;
  std::vector<ThomeerErgebnis> ergebnisse;
  for (int l = 0; l < kLaeufe; ++l) {
    const auto t0 = std::chrono::steady_clock::now();
    const double c0 = Rechenzeit();
    ergebnisse = ThomeerAnpassen(doc.Messkurven);
    cpu.push_back(Rechenzeit() - c0);
    uhr.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
  }

  std::vector<double> r2;
  int eins = 0;
  int zwei = 0;
  int ohne = 0;
  for (const auto& e : ergebnisse) {
    if (!e.Angepasst()) {
      ++ohne;
      std::printf("  not fitted: %s (%s)\n", e.Kern.c_str(), e.Grund.c_str());
      continue;
    }
    r2.push_back(e.R2);
    ++(e.Systeme.size() == 2 ? zwei : eins);
  }
  const double kurven = static_cast<double>(doc.Messkurven.size());
  std::printf("Thomeer fit of %zu curves (%s)\n", doc.Messkurven.size(), pfad.c_str());
  std::printf("  time per curve (median of %d runs): %.3f ms CPU, %.3f ms wall clock\n", kLaeufe,
              Median(cpu) / kurven * 1e3, Median(uhr) / kurven * 1e3);
  std::printf("  time for all curves: %.1f ms CPU, %.1f ms wall clock\n", Median(cpu) * 1e3, Median(uhr) * 1e3);
  std::printf("  fitted: %zu, one system: %d, two systems: %d, not fitted: %d\n", r2.size(), eins, zwei, ohne);
  if (!r2.empty()) {
    std::printf("  R2 median: %.5f, minimum: %.5f\n", Median(r2), *std::min_element(r2.begin(), r2.end()));
  }
  return 0;
}
