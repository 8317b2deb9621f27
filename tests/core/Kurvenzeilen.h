#pragma once

#include <string>
#include <vector>

#include "KadrelDoc.h"
#include "TextFormat.h"
#include "TextScan.h"

// The numbers of one summary row of the parameter list.
struct Kurve {
  float K, alfa, beta, sperrdruck, minSw, maxDruck, fehler;
  std::string kern;
};

inline std::string Summenzeile(const Kurve& k) {
  return text::Format(" %7.3f %12.4f %7.4f %8.3f %10.5f %9.3f %8.4f  %s", k.K, k.alfa, k.beta, k.sperrdruck, k.minSw,
                      k.maxDruck, k.fehler, k.kern);
}

inline const char* const kKopf = " PERMEABILITÄT  ALFA    BETA   SPERRDRUCK Min.Sw   Max.DRUCK  FEHLER  KERN";

// Replaces the parameter list by its header and the rows of the curves.
inline void ParameterlisteSetzen(CKadrelDoc& doc, const std::vector<Kurve>& kurven) {
  doc.Parameterliste = {"", kKopf, ""};
  for (const auto& k : kurven) doc.Parameterliste.push_back(Summenzeile(k));
}

// Three curves on exact power laws of K: Alfa = 4 + log10(K),
// Beta = 0.1/K, Sperrdruck = 1/K, Min.Sw = 0.001/K.
inline std::vector<Kurve> DreiGenaueKurven() {
  return {{0.1f, 3.0f, 1.0f, 10.0f, 0.01f, 100.0f, 0.01f, "K1"},
          {1.0f, 4.0f, 0.1f, 1.0f, 0.001f, 150.0f, 0.01f, "K2"},
          {10.0f, 5.0f, 0.01f, 0.1f, 0.0001f, 120.0f, 0.01f, "K3"}};
}

// The mean errors of the function report, in pass order.
inline std::vector<double> MittlereFehler(const Textliste& bericht) {
  const std::string marke = "     Mittlerer Fehler:";
  std::vector<double> fehler;
  for (const auto& zeile : bericht) {
    if (zeile.rfind(marke, 0) != 0) continue;
    float f = -1.0f;
    text::Scan(zeile.substr(marke.size()), "%f", &f);
    fehler.push_back(f);
  }
  return fehler;
}
