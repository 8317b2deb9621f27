#include "KadrelDoc.h"

int CKadrelDoc::Normieren() {
  ShgMax = Shg[0];
  Ymax = Pc[0];
  for (int i = 0; i < Maxwerte; ++i) {
    if (Shg[i] > ShgMax) ShgMax = Shg[i];
    if (Pc[i] > Ymax) Ymax = Pc[i];
  }
  if (Ymax > MaxPchg) MaxPchg = Ymax;

  const double shgMax = ShgMax;
  const double sperr = PcSperrdruck;
  const double spanne = static_cast<double>(Ymax) - sperr;
  for (int i = 0; i < Maxwerte; ++i) {
    // A zero divisor leaves the element as it was.
    if (shgMax != 0.0) X[i] = static_cast<float>(Shg[i] / shgMax);
    if (spanne != 0.0) Y[i] = static_cast<float>((Pc[i] - sperr) / spanne);
  }

  if (ShgMax == 0.0f) {
    Detailergebnisse.push_back("");
    Detailergebnisse.push_back(" FEHLER bei der Normierung!");
    Detailergebnisse.push_back(" Der max.Hg-Sättigung=0!");
    return 1;
  }
  if (Ymax == PcSperrdruck) {
    Detailergebnisse.push_back("");
    Detailergebnisse.push_back(" FEHLER bei der Normierung!");
    Detailergebnisse.push_back(" Der max.Kapillardruck=kapillarer Sperrdruck!");
    return 1;
  }
  return 0;
}
