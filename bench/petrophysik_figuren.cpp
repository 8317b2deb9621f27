// Times the petrophysics of 10 000 generated measurements with porosity,
// the Thomeer fit excluded (its results are given), and prints the figures.
// Not a test.
#include "petrophysik_figuren.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "Petrophysikbericht.h"

namespace {

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

template <typename F>
double Millisekunden(F&& f) {
  const auto t0 = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

}  // namespace

void PetrophysikFiguren() {
  constexpr int kMessungen = 10000;
  constexpr int kPunkte = 20;
  constexpr int kLaeufe = 15;
  std::mt19937 zufall(18u);
  std::uniform_real_distribution<double> gleich(0.0, 1.0);

  // One Thomeer system each, sampled at doubling pressures; k from 0.001 to
  // 5000 mD, φ from 0.02 to 0.35.
  KorrigierteKurven kurven;
  std::vector<ThomeerErgebnis> thomeer;
  for (int m = 0; m < kMessungen; ++m) {
    Messkurve k;
    k.Kern = "M";
    k.Kern += std::to_string(m + 1);
    k.Perm = static_cast<float>(std::pow(10.0, -3.0 + 6.7 * gleich(zufall)));
    k.Zusatz.Porositaet = static_cast<float>(0.02 + 0.33 * gleich(zufall));
    const ThomeerSystem s{0.05 + 5.0 * gleich(zufall), 0.05 + 1.5 * gleich(zufall), 0.5 + 0.5 * gleich(zufall)};
    double pc = 0.05;
    for (int i = 0; i < kPunkte; ++i, pc *= 2.0) {
      k.Pc.push_back(static_cast<float>(pc));
      k.Shg.push_back(static_cast<float>(ThomeerSaettigung({s}, pc)));
    }
    kurven.kurven.push_back(std::move(k));
    kurven.korrektur.emplace_back();
    ThomeerErgebnis e;
    e.Systeme = {s};
    thomeer.push_back(std::move(e));
  }

  const Lagerstaettenbedingungen b;
  std::vector<double> werte;
  std::vector<double> liste;
  std::vector<double> diagramme;
  std::size_t jPunkte = 0;
  for (int l = 0; l < kLaeufe; ++l) {
    Petrophysik p;
    werte.push_back(Millisekunden([&] { p = petrophysik::Berechnen(kurven, thomeer, b); }));
    liste.push_back(Millisekunden([&] { petrophysik::Liste(p); }));
    diagramme.push_back(Millisekunden([&] {
      for (int g = 0; g < kPetrophysikgrafiken; ++g) petrophysik::Diagramm(p, static_cast<Petrophysikgrafik>(g));
    }));
    jPunkte = 0;
    for (const auto& w : p.messungen) jPunkte += w.J.size();
  }
  std::printf("Petrophysics of %d measurements with porosity x %d points (%zu J points), Thomeer fit excluded\n",
              kMessungen, kPunkte, jPunkte);
  std::printf("  median time of the values:       %.2f ms over %d runs (target: below 50 ms)\n", Median(werte),
              kLaeufe);
  std::printf("  median time of the list:         %.2f ms\n", Median(liste));
  std::printf("  median time of the three charts: %.2f ms\n\n", Median(diagramme));
}
