#pragma once

#include <memory>
#include <optional>

#include "Datendiagramm.h"
#include "Korrekturauswertung.h"
#include "Lagerstaettenbedingungen.h"
#include "Modellguete.h"
#include "Porenradien.h"
#include "Saettigungshoehe.h"
#include "SaettigungshoehenWahl.h"
#include "Saettigungshoehenmodelle.h"
#include "Textliste.h"

class CKadrelDoc;
class ThomeerAuswertung;

// What "Ergebnisse ausgeben" says after writing the lists to aus.txt.
inline constexpr const char* kSaettigungshoeheAusgegeben = "Die Sättigungshöhe wurde in die Datei aus.txt geschrieben!";
inline constexpr const char* kPorenradienAusgegeben = "Die Porenradien wurden in die Datei aus.txt geschrieben!";
inline constexpr const char* kModellgueteAusgegeben = "Die Modellgüte wurde in die Datei aus.txt geschrieben!";

// The reservoir analyses of a document, computed on first request and kept
// while the document's run (iLauf), the corrected curves, the conditions and
// the saturation-height choice stay the same; the views ask for them at
// every paint. The pore radii and the J and Thomeer models are those of the
// closure-corrected curves.
class Lagerstaettenauswertung {
 public:
  // Corrects the curves at their own closure pressures only and fits the
  // Thomeer systems the Thomeer model needs itself.
  explicit Lagerstaettenauswertung(const CKadrelDoc& doc);
  // Takes the curves of a correction shared with other analyses, which must
  // outlive this one.
  Lagerstaettenauswertung(const CKadrelDoc& doc, Korrekturauswertung& korrektur);
  // Also takes the Thomeer fit shared with the others (on the same
  // correction), which must outlive this one.
  Lagerstaettenauswertung(const CKadrelDoc& doc, Korrekturauswertung& korrektur, ThomeerAuswertung& thomeer);
  ~Lagerstaettenauswertung();

  const Lagerstaettenbedingungen& Bedingungen() const { return bedingungen_; }
  void SetBedingungen(const Lagerstaettenbedingungen& b);

  // The saturation-height choice in force: the one set, else the default
  // over the run's measurements (lagerstaette::StandardWahl).
  SaettigungshoehenWahl Wahl();
  // Sets a choice that lagerstaette::Pruefen allowed; none: back to the default.
  void SetWahl(const std::optional<SaettigungshoehenWahl>& wahl);
  bool WahlGesetzt() const { return wahl_.has_value(); }

  // The three models under the conditions, fitted on the rock type of the
  // choice.
  const Saettigungshoehenmodelle& Modelle();
  // How well each model describes the measurements: list and chart "Modellgüte".
  const Modellguete& Guete();
  const Textliste& GueteListe();
  const Datendiagramm& GueteDiagramm();

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

  // Drops the models and what follows them.
  void ModelleVerwerfen();

  const CKadrelDoc& doc_;
  std::unique_ptr<Korrekturauswertung> eigene_;
  Korrekturauswertung* korrektur_;
  std::unique_ptr<ThomeerAuswertung> eigenerThomeer_;
  ThomeerAuswertung* thomeer_;
  Lagerstaettenbedingungen bedingungen_;
  std::optional<SaettigungshoehenWahl> wahl_;
  int iLauf_ = -1;
  int korrekturStand_ = -1;

  bool bModelle_ = false;
  Saettigungshoehenmodelle modelle_;
  bool bGuete_ = false;
  Modellguete guete_;
  Textliste gueteListe_;
  Datendiagramm gueteDiagramm_;

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
