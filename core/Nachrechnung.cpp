#include <cmath>

#include "KadrelDoc.h"
#include "Plattform.h"
#include "TextFormat.h"

void CKadrelDoc::Nachrechnung(int status) {
  auto zeile = [this](std::string text) { Detailergebnisse.push_back(std::move(text)); };
  zeile("");
  zeile("   NACHRECHNUNG DER KAPILLARDRUCKKURVE");
  zeile("");
  zeile("   Snorm  = 1  -  S(Hg)/S(Hg)max");
  zeile("   Pcber. =([1-Snorm]**alfa +[1-Snorm]*beta)/(1+beta)");
  zeile("");
  zeile(text::Format("   mit Alfa: %g Beta: %g Fehler:%g", Alfa, Beta, Error));
  zeile("");
  zeile(text::Format("   Kern:%s", Kern));
  zeile(text::Format("   Permeabilität          (mD): %g", Perm));
  zeile(text::Format("   Max. Kapillardruck Hg (bar): %f", Ymax));
  zeile(text::Format("   Kapillarer Sperrdruck (bar): %g", PcSperrdruck));
  zeile(text::Format("   Max. Hg- Sättigung      (-): %f", ShgMax));
  zeile("");
  zeile("  S(Hg)       Pc(Hg)      Snorm      Kadrel      Pcber.");
  zeile("   (-)        (bar)        (-)         (-)         (-)");
  zeile("");

  double potenz[100];
  AlfaPotenzen(potenz);
  for (int i = 0; i < Maxwerte; ++i) {
    const double x = X[i];
    const double pcber = x > 0.0 ? (potenz[i] + x * Beta) / (1.0 + Beta) : 0.0;
    Y1[i] = static_cast<float>(pcber);
    const double snorm = 1.0 - x;
    zeile(text::Format(" %f   %8.4f     %f   %f     %f", Shg[i], Pc[i], snorm, Y[i], pcber));
    X[i] = static_cast<float>(snorm);
  }

  Meldung = text::Format(" %7.3f %12.4f %7.4f %8.3f %10.5f %9.3f %8.4f  %s", Perm, Alfa, Beta, PcSperrdruck,
                         1.0 - ShgMax, Ymax, Error, Kern);
  if (status != 0) return;
  // Extreme inputs can drive the fit beyond the float range. Such a row would
  // carry "nan" into the regression; leave it out and say why.
  if (!std::isfinite(Alfa) || !std::isfinite(Beta) || !std::isfinite(Error)) {
    zeile("");
    zeile(" FEHLER bei der Anpassung!");
    zeile(" Alfa, Beta oder Fehler sind keine endlichen Zahlen; die Messung fehlt in der Parameterliste!");
    plattform_.Meldung(text::Format(
        "Die Anpassung der Messung %s ergibt keine endlichen Werte!\nDie Messung fehlt in der Parameterliste.", Kern));
    return;
  }
  Parameterliste.push_back(Meldung);
}
