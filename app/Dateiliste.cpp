#include "Dateiliste.h"

#include <algorithm>

Dateiliste::Dateiliste(int groesse) : groesse_(std::max(groesse, 0)) {}

void Dateiliste::Hinzufuegen(const std::string& pfad) {
  if (pfad.empty() || groesse_ == 0) return;
  Entfernen(pfad);
  eintraege_.insert(eintraege_.begin(), pfad);
  if (eintraege_.size() > static_cast<std::size_t>(groesse_)) eintraege_.resize(static_cast<std::size_t>(groesse_));
}

void Dateiliste::Entfernen(const std::string& pfad) {
  eintraege_.erase(std::remove(eintraege_.begin(), eintraege_.end(), pfad), eintraege_.end());
}

void Dateiliste::Setzen(const std::vector<std::string>& pfade) {
  eintraege_.clear();
  for (const auto& pfad : pfade) {
    if (eintraege_.size() == static_cast<std::size_t>(groesse_)) break;
    if (pfad.empty() || std::find(eintraege_.begin(), eintraege_.end(), pfad) != eintraege_.end()) continue;
    eintraege_.push_back(pfad);
  }
}
