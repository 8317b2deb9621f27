#pragma once

#include <vector>

#include "Datendiagramm.h"
#include "Kurvenauswahl.h"
#include "Messkurve.h"
#include "Textliste.h"

class CKadrelDoc;

// The chart "Kapillardruckkurven" of a document's last run with its list,
// and the choice of curves: every measurement after each run until chosen
// otherwise, kept while the run stands; the x axis stays as chosen across
// runs. The views ask at every paint.
class Kurvenauswertung {
 public:
  explicit Kurvenauswertung(const CKadrelDoc& doc) : doc_(doc) {}

  // The run's measurements, which the choice counts.
  const std::vector<Messkurve>& Kurven() const;
  const Kurvenauswahl& Auswahl();
  // Takes a choice for the present run; entries beyond its measurements
  // are dropped, missing ones count as not chosen.
  void SetAuswahl(const Kurvenauswahl& auswahl);

  const Textliste& Liste();
  const Datendiagramm& Diagramm();

 private:
  void Aktualisieren();

  const CKadrelDoc& doc_;
  int lauf_ = -1;
  Kurvenauswahl auswahl_;
  bool berechnet_ = false;
  Textliste liste_;
  Datendiagramm diagramm_;
};
