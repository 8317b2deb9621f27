#pragma once

#include "KadrelDoc.h"

#include <cmath>

// Fills the three charts of a document with a small plausible example and
// chooses one of them by iTabelle/iGrafik.
inline void BeispielFuellen(CKadrelDoc& doc, int iTabelle, int iGrafik) {
  doc.iTabelle = iTabelle;
  doc.iGrafik = iGrafik;
  doc.Titel = iGrafik == 4 ? "Kapillardruckkurven" : "Kapillardruckkurve";
  doc.Untertitel = "Kern 1";
  doc.XText = "Normierte Sättigung Snorm(-)";
  doc.YText = "Kadrel(-)";
  doc.Legende1 = " Messwerte ";
  doc.Legende2 = "Rechenwerte";
  doc.Info = "Alfa: 8.4 Beta:0.14";
  doc.Maxwerte = 20;
  doc.iMax2Werte = 8;
  for (int i = 0; i < 20; ++i) {
    const float s = static_cast<float>(i) / 19;
    doc.X[i] = s;
    doc.Y[i] = std::pow(1 - s, 6.0f) + 0.02f * static_cast<float>(i % 3);
    doc.Y1[i] = std::pow(1 - s, 6.0f);
  }
  for (int k = 0; k < 8; ++k) {
    doc.X2[k] = -1.5f + 0.5f * static_cast<float>(k);
    doc.Y2[k] = 8 - 2 * doc.X2[k] + 0.3f * static_cast<float>(k % 2);
    doc.Y3[k] = 8 - 2 * doc.X2[k];
  }
  doc.MaxPchg = 155;
  for (int j = 0; j < 5; ++j) {
    const float swmin = 0.4f - 0.08f * static_cast<float>(j);
    for (int q = 0; q < 31; ++q) {
      const float snorm = static_cast<float>(q) / 30;
      doc.XK[j][q] = swmin + (1 - swmin) * snorm;
      doc.YK[j][q] = 152 * std::pow(1 - snorm, 6.0f) + 3;
    }
  }
}
