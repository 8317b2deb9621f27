#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Blockspalte.h"
#include "LasLesen.h"

// A saturation-height model applied to a well: the water saturation at
// every depth row of a log from its porosity and permeability and the
// height above the free-water level (FWL), and the hydrocarbon pore
// thickness of the interval above the FWL.
namespace bohrung {

// A saturation-height model: the water saturation (fraction) of a rock of
// permeability `kMd` (mD) and porosity `phi` (fraction) at `hMeter` metres
// above the FWL (always above 0 here); NaN where it cannot evaluate.
using Modell = std::function<double(double kMd, double phi, double hMeter)>;

// The interval above the FWL, over the rows with a depth above it (h > 0).
struct Zusammenfassung {
  std::size_t zeilenUeberFwl = 0;    // rows above the FWL
  std::size_t zeilenOhneSw = 0;      // of those, rows without Sw (left out below)
  double kwPorenmaechtigkeit = 0.0;  // Σ φ·(1 − Sw)·Δz, m
  std::optional<double> swMittel;    // Σ φ·Δz·Sw / Σ φ·Δz; none without a row
  // Δz: |STEP| of ~W (in metres) when STEP is not 0 and every spacing of
  // the depths agrees with it to 1 %; otherwise each row's share of the
  // spacing: half the distance between its neighbours, at the ends the
  // distance to the one neighbour.
  bool deltaZAusStep = false;
};

struct Auswertung {
  double fwl = 0.0;          // the free-water level, in the log's depth unit
  std::string modell;        // the model's name, for the list and the chart
  Blockspalte<double> sw;    // per row; NaN where there is none
  Blockspalte<Grund> grund;  // per row: why it gives no Sw (the reader's reason or the model's)
  Zusammenfassung summe;
};

// The height above the FWL of row `i`, in metres: (FWL − depth), feet
// times 0.3048; NaN where the depth is NULL.
double HoeheMeter(const Bohrung& b, double fwl, std::size_t i);

// Evaluates the model at every row: Sw = 1 at and below the FWL (h ≤ 0)
// for rows with a porosity and permeability; no Sw where the reader found
// none or the model gives none (NaN) or gives a value outside 0 … 1. False
// with the message when the FWL is not a finite number.
bool Auswerten(const Bohrung& b, double fwl, const Modell& modell, std::string modellName, Auswertung& a,
               std::string& fehler);

// Consecutive rows that give no Sw for the same reason.
struct Luecke {
  std::size_t erste = 0;  // rows of the log, from 0
  std::size_t letzte = 0;
  Grund grund = Grund::Keiner;
  bool operator==(const Luecke&) const = default;
};

// The rows without Sw, a run of rows with one reason as one entry: for the
// dialog before the evaluation (the reader's reasons, `b.grund`) and after
// it (`a.grund`).
std::vector<Luecke> Luecken(const Blockspalte<Grund>& gruende);

// An entry as the dialog and the list show it: "Zeilen 40–52 (Tiefe 1000.5
// bis 1002 M): Porosität ist NULL".
std::string Lueckentext(const Bohrung& b, const Luecke& l);

}  // namespace bohrung
