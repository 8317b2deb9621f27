#include "Kurvenauswahl.h"

#include <algorithm>

Kurvenauswahl Kurvenauswahl::Alle(std::size_t anzahl) {
  Kurvenauswahl a;
  a.gewaehlt.assign(anzahl, true);
  return a;
}

int Kurvenauswahl::Anzahl() const { return static_cast<int>(std::count(gewaehlt.begin(), gewaehlt.end(), true)); }

std::optional<std::vector<std::string>> KernlisteLesen(const std::string& text) {
  std::vector<std::string> kerne;
  std::size_t von = 0;
  while (true) {
    const std::size_t komma = text.find(',', von);
    std::string kern = text.substr(von, komma == std::string::npos ? std::string::npos : komma - von);
    if (kern.empty()) return std::nullopt;
    kerne.push_back(std::move(kern));
    if (komma == std::string::npos) return kerne;
    von = komma + 1;
  }
}

bool KerneWaehlen(const std::vector<Messkurve>& kurven, const std::vector<std::string>& kerne, Kurvenauswahl& auswahl,
                  std::string& fehler) {
  Kurvenauswahl neu;
  neu.x = auswahl.x;
  neu.gewaehlt.assign(kurven.size(), false);
  for (const std::string& kern : kerne) {
    bool gefunden = false;
    for (std::size_t i = 0; i < kurven.size(); ++i) {
      if (kurven[i].Kern != kern) continue;
      neu.gewaehlt[i] = true;
      gefunden = true;
    }
    if (!gefunden) {
      fehler = "Keine Messung mit dem Kern " + kern;
      return false;
    }
  }
  auswahl = std::move(neu);
  return true;
}
