#pragma once

#include <memory>

#include "Datendiagramm.h"
#include "Korrekturauswertung.h"
#include "Lagerstaettenbedingungen.h"
#include "Porenradien.h"
#include "Saettigungshoehe.h"
#include "Textliste.h"

class CKadrelDoc;

// What "Ergebnisse ausgeben" says after writing the lists to aus.txt.
inline constexpr const char* kSaettigungshoeheAusgegeben = "Die Sättigungshöhe wurde in die Datei aus.txt geschrieben!";
inline constexpr const char* kPorenradienAusgegeben = "Die Porenradien wurden in die Datei aus.txt geschrieben!";

// The reservoir analyses of a document, computed on first request and kept
// while the document's run (iLauf), the corrected curves and the conditions
// stay the same; the views ask for them at every paint. The pore radii are
// those of the closure-corrected curves.
class Lagerstaettenauswertung {
 public:
  // Corrects the curves at their own closure pressures only.
  explicit Lagerstaettenauswertung(const CKadrelDoc& doc);
  // Takes the curves of a correction shared with other analyses, which must
  // outlive this one.
  Lagerstaettenauswertung(const CKadrelDoc& doc, Korrekturauswertung& korrektur);

  const Lagerstaettenbedingungen& Bedingungen() const { return bedingungen_; }
  void SetBedingungen(const Lagerstaettenbedingungen& b);

  const Saettigungshoehe& SaettigungshoeheErgebnis();
  const Textliste& SaettigungshoeheListe();
  const Datendiagramm& SaettigungshoeheDiagramm();

  const Porenradien& PorenradienErgebnis();
  const Textliste& PorenradienListe();
  // The chart of the chosen curve (by default the last one).
  const Datendiagramm& PorenradienDiagramm();
  // Chooses the curve whose block holds line `zeile` of the list; lines
  // outside every block leave the choice as it is.
  void PorenradienZeileGewaehlt(int zeile);
  // The chosen curve: an index into PorenradienErgebnis().kurven, -1 for none.
  int GewaehlteKurve();

 private:
  // Drops every result when the run or the conditions changed since.
  void Pruefen();

  const CKadrelDoc& doc_;
  std::unique_ptr<Korrekturauswertung> eigene_;
  Korrekturauswertung* korrektur_;
  Lagerstaettenbedingungen bedingungen_;
  int iLauf_ = -1;
  int korrekturStand_ = -1;

  bool bSaettigung_ = false;
  Saettigungshoehe saettigung_;
  Textliste saettigungListe_;
  Datendiagramm saettigungDiagramm_;

  bool bPoren_ = false;
  Porenradien poren_;
  Textliste porenListe_;
  bool bPorenDiagramm_ = false;
  Datendiagramm porenDiagramm_;
  int iKurve_ = -1;  // -1: the last curve
};
