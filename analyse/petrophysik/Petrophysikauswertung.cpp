#include "Petrophysikauswertung.h"

Petrophysikauswertung::Petrophysikauswertung(const CKadrelDoc& doc)
    : eigeneKorrektur_(std::make_unique<Korrekturauswertung>(doc)),
      eigenerThomeer_(std::make_unique<ThomeerAuswertung>(*eigeneKorrektur_)),
      korrektur_(eigeneKorrektur_.get()),
      thomeer_(eigenerThomeer_.get()) {}

Petrophysikauswertung::Petrophysikauswertung(Korrekturauswertung& korrektur, ThomeerAuswertung& thomeer)
    : korrektur_(&korrektur), thomeer_(&thomeer) {}

void Petrophysikauswertung::SetBedingungen(const Lagerstaettenbedingungen& b) {
  if (b == bedingungen_) return;
  bedingungen_ = b;
  gueltig_ = false;
}

void Petrophysikauswertung::SetGrafik(Petrophysikgrafik g) {
  if (g == grafik_) return;
  grafik_ = g;
  diagrammGueltig_ = false;
}

void Petrophysikauswertung::Pruefen() {
  const int stand = korrektur_->Stand();
  if (stand == stand_ && gueltig_) return;
  stand_ = stand;
  ergebnis_ = petrophysik::Berechnen(korrektur_->Kurven(), thomeer_->Ergebnisse(), bedingungen_);
  liste_ = petrophysik::Liste(ergebnis_);
  gueltig_ = true;
  diagrammGueltig_ = false;
}

const Petrophysik& Petrophysikauswertung::Ergebnis() {
  Pruefen();
  return ergebnis_;
}

const Textliste& Petrophysikauswertung::Liste() {
  Pruefen();
  return liste_;
}

std::vector<csv::Tabelle> Petrophysikauswertung::Tabellen() { return petrophysik::Tabellen(Ergebnis()); }

const Datendiagramm& Petrophysikauswertung::Diagramm() {
  Pruefen();
  if (!diagrammGueltig_) {
    diagramm_ = petrophysik::Diagramm(ergebnis_, grafik_);
    diagrammGueltig_ = true;
  }
  return diagramm_;
}
