#include "Kurvenauswertung.h"

#include "Kapillardruckkurven.h"
#include "KadrelDoc.h"

const std::vector<Messkurve>& Kurvenauswertung::Kurven() const { return doc_.Messkurven; }

void Kurvenauswertung::Aktualisieren() {
  if (lauf_ == doc_.iLauf && auswahl_.gewaehlt.size() == doc_.Messkurven.size()) return;
  lauf_ = doc_.iLauf;
  const Saettigungsachse x = auswahl_.x;
  auswahl_ = Kurvenauswahl::Alle(doc_.Messkurven.size());
  auswahl_.x = x;
  berechnet_ = false;
}

const Kurvenauswahl& Kurvenauswertung::Auswahl() {
  Aktualisieren();
  return auswahl_;
}

void Kurvenauswertung::SetAuswahl(const Kurvenauswahl& auswahl) {
  Aktualisieren();
  auswahl_.x = auswahl.x;
  for (std::size_t i = 0; i < auswahl_.gewaehlt.size(); ++i) auswahl_.gewaehlt[i] = auswahl.Gewaehlt(i);
  berechnet_ = false;
}

const Textliste& Kurvenauswertung::Liste() {
  Aktualisieren();
  if (!berechnet_) {
    liste_ = KapillardruckkurvenListe(doc_.Messkurven, auswahl_);
    diagramm_ = KapillardruckkurvenDiagramm(doc_.Messkurven, auswahl_);
    berechnet_ = true;
  }
  return liste_;
}

const Datendiagramm& Kurvenauswertung::Diagramm() {
  Liste();
  return diagramm_;
}
