#include "ThomeerAuswertung.h"

#include "KadrelDoc.h"
#include "ThomeerBericht.h"

void ThomeerAuswertung::Aktualisieren() {
  if (lauf_ == doc_.iLauf) return;
  lauf_ = doc_.iLauf;
  ergebnisse_ = ThomeerAnpassen(doc_.Messkurven);
  ++anpassungen_;
  hinweise_ = ThomeerHinweise(doc_.Messkurven, ergebnisse_);
  liste_ = ThomeerListe(ergebnisse_, hinweise_);
  gewaehlt_ = -1;
  diagrammVon_ = -2;
}

const std::vector<ThomeerErgebnis>& ThomeerAuswertung::Ergebnisse() {
  Aktualisieren();
  return ergebnisse_;
}

const std::vector<std::string>& ThomeerAuswertung::Hinweise() {
  Aktualisieren();
  return hinweise_;
}

const Textliste& ThomeerAuswertung::Liste() {
  Aktualisieren();
  return liste_;
}

bool ThomeerAuswertung::ZeileWaehlen(int zeile) {
  Aktualisieren();
  const int k = zeile - kThomeerKopfzeilen;
  if (k < 0 || k >= static_cast<int>(ergebnisse_.size())) return false;
  gewaehlt_ = k;
  return true;
}

bool ThomeerAuswertung::KernWaehlen(const std::string& kern) {
  Aktualisieren();
  for (std::size_t k = 0; k < ergebnisse_.size(); ++k) {
    if (ergebnisse_[k].Kern == kern) {
      gewaehlt_ = static_cast<int>(k);
      return true;
    }
  }
  return false;
}

int ThomeerAuswertung::Gewaehlt() {
  Aktualisieren();
  if (gewaehlt_ >= 0) return gewaehlt_;
  for (int k = static_cast<int>(ergebnisse_.size()) - 1; k >= 0; --k) {
    if (ergebnisse_[k].Angepasst()) return k;
  }
  return static_cast<int>(ergebnisse_.size()) - 1;
}

const Datendiagramm& ThomeerAuswertung::Diagramm() {
  const int k = Gewaehlt();
  if (k != diagrammVon_) {
    diagrammVon_ = k;
    diagramm_ = k < 0 ? ThomeerDiagrammOhneMessung() : ThomeerDiagramm(doc_.Messkurven[k], ergebnisse_[k]);
  }
  return diagramm_;
}
