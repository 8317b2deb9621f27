#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Datendiagramm.h"
#include "Lagerstaettenbedingungen.h"
#include "SaettigungshoehenWahl.h"
#include "Scharparameter.h"
#include "Textliste.h"

class CKadrelDoc;
struct Saettigungshoehenmodelle;

// A saturation-height model turned into water saturation against height
// above the free-water level at the chosen rocks: by default Kadrel's own
// model at the curve family's five permeabilities. Plain data, read by the
// lists, the charts, the batch output and the CSV export.

// The heights of the table, m (cut at the greatest height of the choice).
constexpr int kTabellenhoehen = 16;
constexpr double kTabellenhoehe[kTabellenhoehen] = {0, 0.5, 1, 2, 3, 5, 7.5, 10, 15, 20, 30, 50, 75, 100, 150, 200};

// One rock the model could evaluate.
struct Saettigungshoehenkurve {
  int iSchar = 0;                    // the rock's row in the choice; with the default rocks the family's
                                     // row, K = 10^(iSchar - 2) mD
  double K = 0.0;                    // mD
  std::optional<double> Porositaet;  // fraction, as chosen
  std::string Legende;               // "K mD", with the J and Thomeer models "K mD, φ"
  Scharparameter parameter;          // the Kadrel model's parameters at K
  // The Kadrel model: the family's 31 saturations at K and their heights
  // (from the pressures stored as float, as the family stores them); the
  // other models: the chart's points.
  std::vector<double> Sw;
  std::vector<double> Hoehe;      // m
  double Eintrittsdruck = 0.0;    // bar, laboratory: Sw = 1 up to it (Kadrel: the entry pressure PcSperr)
  double Eintrittshoehe = 0.0;    // m, the height of that pressure
  std::vector<double> SwTabelle;  // Sw at each of the table's heights
  // The chart's curve: Sw against height from 0 to the greatest height.
  std::vector<double> DiagrammSw;
  std::vector<double> DiagrammHoehe;
};

// A rock the model cannot evaluate, and why.
struct NichtAuswertbaresGestein {
  int iSchar = 0;
  std::string Legende;
  std::string Grund;
};

struct Saettigungshoehe {
  Lagerstaettenbedingungen bedingungen;
  double F = 0.0;
  double Dichtedifferenz = 0.0;                // g/cm³
  std::vector<double> Hoehen;                  // the table's heights, m
  std::vector<Saettigungshoehenkurve> kurven;  // the rocks the model evaluated, in the choice's order
  // Why the model gives no curve at all (lines of the reason); empty when
  // it has a fit.
  Textliste fehlend;

  SaettigungshoehenWahl wahl = lagerstaette::StandardWahl({});
  // The default choice: the list keeps today's layout.
  bool standard = true;
  // The rocks the model cannot evaluate, with the reason.
  std::vector<NichtAuswertbaresGestein> nichtAuswertbar;
  // The lines that describe the model in the list's heading (its fit and
  // the number of measurements it holds); empty for the default choice on a
  // regression that took every measurement.
  Textliste modell;
};

namespace lagerstaette {

// Normalised saturation Snorm in [0, 1] at which the family's model
// ((1 − Snorm)^alfa + (1 − Snorm)·beta) / (1 + beta) equals pNorm in [0, 1];
// solved by bisection to 1e-12 (the model falls monotonically from 1 to 0).
double SnormAusPnorm(double alfa, double beta, double pNorm);
// The model itself, for the check of the inversion.
double PnormAusSnorm(double alfa, double beta, double sNorm);
// Water saturation of a family curve at a laboratory pressure Pc (bar).
double SwAusDruck(const Scharparameter& p, double pcLabor);

// The chosen model at the chosen rocks and heights.
Saettigungshoehe SaettigungshoeheBerechnen(const Saettigungshoehenmodelle& m, const SaettigungshoehenWahl& w);
// The default choice: Kadrel's model of the document at the family's
// permeabilities up to 200 m.
Saettigungshoehe SaettigungshoeheBerechnen(const CKadrelDoc& doc, const Lagerstaettenbedingungen& b);

// The list "Sättigungshöhe" and its chart.
Textliste SaettigungshoeheListe(const Saettigungshoehe& s);
Datendiagramm SaettigungshoeheDiagramm(const Saettigungshoehe& s);

// The pen of the rock in row i of the choice: the family's pens for the
// first five, then further colours.
Stift Gesteinsstift(int i);

}  // namespace lagerstaette
