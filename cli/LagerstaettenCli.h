#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "Lagerstaettenbedingungen.h"

class Lagerstaettenauswertung;

// The batch program's options of the reservoir analyses: the conditions
// (never taken from the desktop's settings) and which list to print.
struct LagerstaettenOptionen {
  Lagerstaettenbedingungen bedingungen;
  bool saettigungshoehe = false;
  bool porenradien = false;
};

// Reads arg[i] (and its value, advancing i) when it is one of the reservoir
// options; returns false when it is none. A bad value leaves its message,
// naming the option, in `fehler`.
bool LagerstaettenOptionLesen(const std::vector<std::string>& arg, std::size_t& i, LagerstaettenOptionen& o,
                              std::optional<std::string>& fehler);
// Checks the conditions once all options are read: they depend on each other.
std::optional<std::string> LagerstaettenOptionenPruefen(const LagerstaettenOptionen& o);

// Adds the keys "Saettigungshoehe" and/or "Porenradien" as the options ask.
void LagerstaettenJson(nlohmann::ordered_json& j, const LagerstaettenOptionen& o, Lagerstaettenauswertung& a);
