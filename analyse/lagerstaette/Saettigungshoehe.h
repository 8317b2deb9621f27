#pragma once

#include <string>
#include <vector>

#include "Datendiagramm.h"
#include "Lagerstaettenbedingungen.h"
#include "Scharparameter.h"
#include "Textliste.h"

class CKadrelDoc;

// The curve family of a run turned into water saturation against height
// above the free-water level. Plain data, read by the lists, the charts, the
// batch output and the CSV export.

// The heights of the table, m.
constexpr int kTabellenhoehen = 16;
constexpr double kTabellenhoehe[kTabellenhoehen] = {0, 0.5, 1, 2, 3, 5, 7.5, 10, 15, 20, 30, 50, 75, 100, 150, 200};

struct Saettigungshoehenkurve {
  int iSchar = 0;                 // row of the family: K = 10^(iSchar - 2) mD
  double K = 0.0;                 // mD
  Scharparameter parameter;       // as the family computed them
  std::vector<double> Sw;         // the family's 31 saturations (XK)
  std::vector<double> Hoehe;      // their heights (from YK), m
  double Eintrittshoehe = 0.0;    // height of the entry pressure PcSperr, m; Sw = 1 below it
  std::vector<double> SwTabelle;  // Sw at each of the table's heights
};

struct Saettigungshoehe {
  Lagerstaettenbedingungen bedingungen;
  double F = 0.0;
  double Dichtedifferenz = 0.0;                // g/cm³
  std::vector<double> Hoehen;                  // the table's heights, m
  std::vector<Saettigungshoehenkurve> kurven;  // the curves the family computed, K ascending
  // Why the family has fewer than five curves (lines of the family's
  // message); empty when it has all five.
  Textliste fehlend;
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

Saettigungshoehe SaettigungshoeheBerechnen(const CKadrelDoc& doc, const Lagerstaettenbedingungen& b);

// The list "Sättigungshöhe" and its chart.
Textliste SaettigungshoeheListe(const Saettigungshoehe& s);
Datendiagramm SaettigungshoeheDiagramm(const Saettigungshoehe& s);

}  // namespace lagerstaette
