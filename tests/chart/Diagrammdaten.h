#pragma once

#include <vector>

#include "KadrelDoc.h"

// Fills the curve chart: measured (x, y) and computed (x, y1).
inline void KurveFuellen(CKadrelDoc& doc, const std::vector<float>& x, const std::vector<float>& y,
                         const std::vector<float>& y1) {
  doc.iTabelle = 0;
  doc.iGrafik = 0;
  doc.Maxwerte = static_cast<int>(x.size());
  for (std::size_t i = 0; i < x.size(); ++i) {
    doc.X[i] = x[i];
    doc.Y[i] = y[i];
    doc.Y1[i] = y1[i];
  }
}

// Fills the parameter chart with given values y2 and regression values y3
// under the chosen table and chart options.
inline void ParameterFuellen(CKadrelDoc& doc, int iTabelle, int iGrafik, const std::vector<float>& x,
                             const std::vector<float>& y2, const std::vector<float>& y3) {
  doc.iTabelle = iTabelle;
  doc.iGrafik = iGrafik;
  doc.iMax2Werte = static_cast<int>(x.size());
  for (std::size_t k = 0; k < x.size(); ++k) {
    doc.X2[k] = x[k];
    doc.Y2[k] = y2[k];
    doc.Y3[k] = y3[k];
  }
}
