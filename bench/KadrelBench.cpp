// Times full calculation runs over generated measurements and compares them
// with a plain loop of the pow calls the Alfa/Beta fit cannot avoid.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "EingabeDaten.h"
#include "FitStatistik.h"
#include "KadrelDoc.h"
#include "StillePlattform.h"
#include "TextFormat.h"
#include "bohrung_figuren.h"
#include "shf_figuren.h"
#include "petrophysik_figuren.h"

namespace {

// Measurements of the model's shape with a little noise on the pressures,
// permeabilities spread over 0.01 to 100 mD.
Textliste Erzeugen(int messungen, int punkte, unsigned saat) {
  std::mt19937 zufall(saat);
  std::uniform_real_distribution<double> gleich(0.0, 1.0);
  Textliste z;
  for (int m = 0; m < messungen; ++m) {
    const double perm = std::pow(10.0, -2.0 + 4.0 * (m + 0.5) / messungen);
    const double alfa = 2.0 + 6.0 * gleich(zufall);
    const double beta = 0.01 + 0.3 * gleich(zufall);
    const double sperr = 0.2 + 4.0 * gleich(zufall);
    const double maxP = 100.0 + 300.0 * gleich(zufall);
    const double shgMax = 0.6 + 0.35 * gleich(zufall);
    z.push_back(text::Format("PERMEABILITAET: %g M%d", perm, m + 1));
    z.push_back(text::Format("%9.4f %15.5f", 0.5 * sperr, 0.0));
    z.push_back(text::Format("%9.4f %15.5f", sperr, 0.0));
    for (int i = 2; i < punkte; ++i) {
      const double x = static_cast<double>(i - 1) / (punkte - 2);
      const double pnorm = (std::pow(x, alfa) + beta * x) / (1.0 + beta);
      const double p = (sperr + pnorm * (maxP - sperr)) * (1.0 + 0.02 * (gleich(zufall) - 0.5));
      z.push_back(text::Format("%9.4f %15.5f", std::max(p, sperr * 1.001), shgMax * x));
    }
    z.push_back("ENDE");
  }
  return z;
}

double Sekunden(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

void Szenario(int messungen, int punkte, int laeufe) {
  const Textliste zeilen = Erzeugen(messungen, punkte, 42u + static_cast<unsigned>(messungen));
  StillePlattform plattform;

  // One recorded run gives the floor of pow evaluations and their values.
  FitStatistik statistik;
  gFitStatistik = &statistik;
  {
    CKadrelDoc doc(plattform);
    doc.Eingabezeilen = zeilen;
    doc.Berechnung();
  }
  gFitStatistik = nullptr;
  std::uint64_t boden = 0;
  for (std::size_t m = 0; m < statistik.punkte.size(); ++m) {
    boden += statistik.punkte[m].size() * statistik.exponenten[m].size();
  }

  // Run and pow loop in turns (A B A B ...), so that a busy spell of a
  // shared machine hits both sides of a pair; the ratio is the median of the
  // pair-by-pair ratios.
  std::vector<double> zeiten;
  std::vector<double> potenzZeiten;
  std::vector<double> verhaeltnisse;
  std::size_t zeilenDetail = 0;
  volatile double senke = 0.0;
  for (int l = 0; l < laeufe; ++l) {
    CKadrelDoc doc(plattform);
    doc.Eingabezeilen = zeilen;
    const auto t0 = std::chrono::steady_clock::now();
    doc.Berechnung();
    zeiten.push_back(Sekunden(std::chrono::steady_clock::now() - t0));
    zeilenDetail = doc.Detailergebnisse.size();

    double summe = 0.0;
    const auto t1 = std::chrono::steady_clock::now();
    for (std::size_t m = 0; m < statistik.punkte.size(); ++m) {
      for (const double a : statistik.exponenten[m]) {
        for (const double x : statistik.punkte[m]) summe += std::pow(x, a);
      }
    }
    potenzZeiten.push_back(Sekunden(std::chrono::steady_clock::now() - t1));
    senke = senke + summe;
    verhaeltnisse.push_back(zeiten.back() / potenzZeiten.back());
  }

  const double lauf = Median(zeiten);
  const double potenz = Median(potenzZeiten);
  const auto [kleinstes, groesstes] = std::minmax_element(verhaeltnisse.begin(), verhaeltnisse.end());
  std::printf("%d measurements x %d points (%zu input lines, %zu detail lines)\n", messungen, punkte, zeilen.size(),
              zeilenDetail);
  std::printf("  median time per run:   %.2f ms over %d runs\n", lauf * 1e3, laeufe);
  std::printf("  pow floor:             %llu evaluations\n", static_cast<unsigned long long>(boden));
  std::printf("  pow calls made:        %llu\n", static_cast<unsigned long long>(statistik.potenzAufrufe));
  std::printf("  plain pow loop:        %.2f ms\n", potenz * 1e3);
  std::printf("  pair ratios:           %.3f .. %.3f\n", *kleinstes, *groesstes);
  std::printf("ratio: %.3f\n\n", Median(verhaeltnisse));
}

}  // namespace

int main() {
  Szenario(100, 99, 15);
  Szenario(1000, 20, 15);
  BohrungFiguren();
  ShfFiguren();
  PetrophysikFiguren();
  return 0;
}
