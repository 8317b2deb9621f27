#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Datendiagramm.h"
#include "Korrekturauswertung.h"
#include "Textliste.h"
#include "Thomeer.h"

class CKadrelDoc;

// The Thomeer results of a document's last run, fitted when first asked for
// after a run and kept while the curves stand; and the measurement the chart
// shows. The curves are those of the closure correction: corrected where a
// closure pressure applies, else as measured.
class ThomeerAuswertung {
 public:
  // Corrects the curves at their own closure pressures only.
  explicit ThomeerAuswertung(const CKadrelDoc& doc);
  // Fits the curves of a correction shared with other analyses, which must
  // outlive this one.
  explicit ThomeerAuswertung(Korrekturauswertung& korrektur) : korrektur_(&korrektur) {}

  const std::vector<ThomeerErgebnis>& Ergebnisse();
  // The curves fitted, in the order of the results, with how each was corrected.
  const KorrigierteKurven& Kurven();
  const Textliste& Liste();
  // The marks of each fit (ThomeerHinweis), in the order of Ergebnisse.
  const std::vector<std::string>& Hinweise();
  // The chart of the chosen measurement.
  const Datendiagramm& Diagramm();

  // Chooses the measurement of a row of the list (0-based, header lines
  // included); false, choosing nothing, for a line that is no row.
  bool ZeileWaehlen(int zeile);
  // Chooses the first measurement with this core label; false when none has it.
  bool KernWaehlen(const std::string& kern);
  // Index of the measurement the chart shows: the one chosen since the run,
  // else the last one fitted (the last one when none was); -1 without any.
  int Gewaehlt();

  // How often the measurements were fitted so far.
  int Anpassungen() const { return anpassungen_; }

 private:
  void Aktualisieren();

  std::unique_ptr<Korrekturauswertung> eigene_;
  Korrekturauswertung* korrektur_;
  int stand_ = -1;  // of the curves last fitted
  int anpassungen_ = 0;
  std::vector<ThomeerErgebnis> ergebnisse_;
  std::vector<std::string> hinweise_;
  Textliste liste_;
  int gewaehlt_ = -1;
  int diagrammVon_ = -2;  // measurement the stored chart shows
  Datendiagramm diagramm_;
};
