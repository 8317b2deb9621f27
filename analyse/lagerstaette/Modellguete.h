#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "Datendiagramm.h"
#include "Messkurve.h"
#include "Saettigungshoehenmodelle.h"
#include "Textliste.h"

// How well each saturation-height model describes the measurements: the
// modelled Sw at each measured point (the measurement's own k and φ, at the
// height its pressure stands for under the conditions,
// h = F·Pc·10^5 / ((ρ_W − ρ_KW)·1000·g)) against the measured Sw = 1 − S_Hg.

constexpr int kShfModelle = 3;
inline constexpr ShfModell kAlleShfModelle[kShfModelle] = {ShfModell::Kadrel, ShfModell::JFunktion, ShfModell::Thomeer};

// One measurement under every model.
struct Guetemessung {
  int iMessung = 0;  // index into the run's measurements
  std::string Kern;
  double K = 0.0;  // mD
  std::optional<double> Porositaet;
  int Punkte = 0;  // points with a finite pressure and saturation
  // Per model (in the order of kAlleShfModelle): the RMS over the points, or
  // none and the reason where the model cannot evaluate the measurement.
  std::array<std::optional<double>, kShfModelle> RMS;
  std::array<std::string, kShfModelle> Grund;
};

// One model over every measurement it can evaluate.
struct Guetemodell {
  ShfModell modell = ShfModell::Kadrel;
  std::string Grund;  // why the model has no fit; empty when it has one
  double RMS = 0.0;
  int Punkte = 0;
  int Messungen = 0;
  // Every evaluated point: measured and modelled Sw, for the chart.
  std::vector<double> SwGemessen;
  std::vector<double> SwModell;
};

struct Modellguete {
  std::optional<int> gesteinstyp;  // only measurements of this rock type, as the models were fitted
  std::array<Guetemodell, kShfModelle> modelle;
  std::vector<Guetemessung> messungen;
};

namespace lagerstaette {

// Evaluates every model at every measurement (those of the models' rock
// type when they were fitted on one; a measurement without porosity has no
// type then).
Modellguete GueteBerechnen(const Saettigungshoehenmodelle& m, const std::vector<Messkurve>& kurven);

// The list "Modellgüte" and its chart: measured against modelled Sw, one
// series per model with its RMS in the legend, and the 1:1 line.
Textliste ModellgueteListe(const Modellguete& g);
Datendiagramm ModellgueteDiagramm(const Modellguete& g);

}  // namespace lagerstaette
