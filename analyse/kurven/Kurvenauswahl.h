#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Messkurve.h"

// What the x axis of the chart "Kapillardruckkurven" shows.
enum class Saettigungsachse {
  Hg,     // the Hg saturation as measured
  Wasser  // Sw = 1 - Hg saturation
};

// Which of a run's measurements the chart "Kapillardruckkurven" draws, and
// its x axis: the value the choice dialog edits. `gewaehlt` has one entry
// per measurement of the run, in their order.
struct Kurvenauswahl {
  std::vector<bool> gewaehlt;
  Saettigungsachse x = Saettigungsachse::Hg;

  // Every one of `anzahl` measurements, with the Hg saturation on x.
  static Kurvenauswahl Alle(std::size_t anzahl);
  // Tells whether measurement `i` is chosen (false beyond the entries).
  bool Gewaehlt(std::size_t i) const { return i < gewaehlt.size() && gewaehlt[i]; }
  int Anzahl() const;
  bool operator==(const Kurvenauswahl&) const = default;
};

// The labels of "KERN,..." (as --kurven-grafik takes them): the entries
// between the commas; nothing when an entry is empty.
std::optional<std::vector<std::string>> KernlisteLesen(const std::string& text);

// Chooses every measurement whose label is one of `kerne` (a label that two
// measurements carry chooses both). A label no measurement carries gives
// "Keine Messung mit dem Kern …" in `fehler`, for the first such label in
// the order given, and false.
bool KerneWaehlen(const std::vector<Messkurve>& kurven, const std::vector<std::string>& kerne, Kurvenauswahl& auswahl,
                  std::string& fehler);
