#pragma once

#include <memory>

#include "Datendiagramm.h"
#include "Korrekturauswertung.h"
#include "Lagerstaettenbedingungen.h"
#include "Petrophysik.h"
#include "Petrophysikbericht.h"
#include "Textliste.h"
#include "ThomeerAuswertung.h"

class CKadrelDoc;

// The petrophysics of a document's last run, computed on first request and
// kept while the corrected curves (and with them the Thomeer fit) and the
// laboratory conditions stand; and the chart chosen of the three.
class Petrophysikauswertung {
 public:
  // Works on curves and a fit of its own (the measurements' own closure
  // pressures only).
  explicit Petrophysikauswertung(const CKadrelDoc& doc);
  // Takes the corrected curves and the Thomeer fit of analyses shared with
  // the others, which must outlive this one.
  Petrophysikauswertung(Korrekturauswertung& korrektur, ThomeerAuswertung& thomeer);

  const Lagerstaettenbedingungen& Bedingungen() const { return bedingungen_; }
  void SetBedingungen(const Lagerstaettenbedingungen& b);

  const Petrophysik& Ergebnis();
  const Textliste& Liste();
  std::vector<csv::Tabelle> Tabellen();

  Petrophysikgrafik Grafik() const { return grafik_; }
  void SetGrafik(Petrophysikgrafik g);
  // The chosen chart.
  const Datendiagramm& Diagramm();

 private:
  void Pruefen();

  std::unique_ptr<Korrekturauswertung> eigeneKorrektur_;
  std::unique_ptr<ThomeerAuswertung> eigenerThomeer_;
  Korrekturauswertung* korrektur_;
  ThomeerAuswertung* thomeer_;
  Lagerstaettenbedingungen bedingungen_;
  int stand_ = -1;
  bool gueltig_ = false;
  Petrophysik ergebnis_;
  Textliste liste_;
  Petrophysikgrafik grafik_ = Petrophysikgrafik::PorositaetPermeabilitaet;
  bool diagrammGueltig_ = false;
  Datendiagramm diagramm_;
};
