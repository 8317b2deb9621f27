#include "CliGrundlage.h"

#include "KadrelDoc.h"

void CliGrundlage::Beginnen(const CKadrelDoc& doc) {
  if (korrektur_) return;
  // A study whose conditions cannot be used gives way to the defaults, as
  // in the desktop program.
  bedingungen_ = lagerstaette::StudieLesen(doc.Studie).value_or(Studienbedingungen{});
  for (std::size_t i = 0; i < paare.size(); ++i) {
    if (!paare[i]) continue;
    lagerstaette::Wert(bedingungen_.bedingungen, static_cast<int>(2 * i)) = paare[i]->first;
    lagerstaette::Wert(bedingungen_.bedingungen, static_cast<int>(2 * i + 1)) = paare[i]->second;
  }
  if (schliessdruck) bedingungen_.schliessdruck = schliessdruck;

  // The same for the saturation-height choice: the study's, if usable, then
  // each option given over it.
  if (lagerstaette::StudieEnthaelt(doc.Studie)) {
    SaettigungshoehenWahl w = lagerstaette::StandardWahl(doc.Messkurven);
    std::string fehler;
    if (lagerstaette::StudieLesen(doc.Studie, w, fehler)) wahl_ = w;
  }
  if (WahlOptionen()) {
    SaettigungshoehenWahl w = wahl_.value_or(lagerstaette::StandardWahl(doc.Messkurven));
    if (modell) w.modell = *modell;
    if (!gesteine.empty()) w.gesteine = gesteine;
    if (gesteinstyp) w.gesteinstyp = gesteinstyp;
    if (hoeheMax) w.hoeheMax = *hoeheMax;
    // The options' values were checked before the run; what is left is the
    // J model on rocks without porosity (the default rocks carry none when
    // no measurement does).
    std::string fehler;
    if (lagerstaette::Pruefen(w, fehler)) {
      wahl_ = w;
    } else {
      for (char& c : fehler) {
        if (c == '\n') c = ' ';
      }
      wahlFehler_ = "--shf-modell j: ";
      wahlFehler_ += fehler;
      wahlFehler_ += " Die Gesteine gibt --shf-gestein K,PHI an.";
    }
  }

  korrektur_.emplace(doc);
  korrektur_->SetSchliessdruck(bedingungen_.schliessdruck);
  thomeer_.emplace(*korrektur_);
  lagerstaette_.emplace(doc, *korrektur_, *thomeer_);
  lagerstaette_->SetBedingungen(bedingungen_.bedingungen);
  lagerstaette_->SetWahl(wahl_);
}
