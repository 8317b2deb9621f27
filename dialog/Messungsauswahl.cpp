#include "Messungsauswahl.h"

#include "Dateneingabe.h"
#include "TextScan.h"

namespace {

constexpr float kPermeabilitaetMax = 1000000.0f;

}  // namespace

std::vector<Messungseintrag> MessungenAuflisten(const Textliste& zeilen) {
  std::vector<Messungseintrag> messungen;
  for (const std::string& zeile : zeilen) {
    std::string wort;
    float perm = 0.0f;
    std::string kern;
    bool ausserhalb = false;
    const int n = text::ScanGeprueft(zeile, "%s %f %s", ausserhalb, &wort, &perm, &kern);
    if (ausserhalb || n < 2 || wort != "PERMEABILITAET:" || !(perm > 0.0f) || perm > kPermeabilitaetMax) continue;
    Messungseintrag m;
    m.kern = n >= 3 ? kern : std::string();
    m.perm = perm;
    const std::string wert = Dateneingabe::PermeabilitaetText(perm) + " mD";
    m.text = m.kern.empty() ? wert : m.kern + ": " + wert;
    messungen.push_back(std::move(m));
  }
  return messungen;
}

int MessungFinden(const std::vector<Messungseintrag>& messungen, float perm) {
  for (std::size_t i = 0; i < messungen.size(); ++i) {
    if (messungen[i].perm == perm) return static_cast<int>(i);
  }
  return -1;
}
