#pragma once

#include <string>
#include <vector>

#include "Datendiagramm.h"
#include "Textliste.h"
#include "Thomeer.h"

class CKadrelDoc;

// The Thomeer results of a document's last run, fitted when first asked for
// after a run and kept while the run count stands; and the measurement the
// chart shows.
class ThomeerAuswertung {
 public:
  explicit ThomeerAuswertung(const CKadrelDoc& doc) : doc_(doc) {}

  const std::vector<ThomeerErgebnis>& Ergebnisse();
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

  const CKadrelDoc& doc_;
  int lauf_ = -1;
  int anpassungen_ = 0;
  std::vector<ThomeerErgebnis> ergebnisse_;
  std::vector<std::string> hinweise_;
  Textliste liste_;
  int gewaehlt_ = -1;
  int diagrammVon_ = -2;  // measurement the stored chart shows
  Datendiagramm diagramm_;
};
