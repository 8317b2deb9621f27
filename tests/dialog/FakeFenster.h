#pragma once

#include <optional>
#include <string>
#include <vector>

#include "DialogFelder.h"
#include "EingabeFenster.h"

// A scripted window for the dialog logic: holds what its controls show,
// mirrors the list box, and records focus moves and the end of the dialog.
// Tests type into `felder` and call the logic's handlers, as the user's
// clicks would.
class FakeFenster : public EingabeFenster {
 public:
  DialogFelder FelderAbfragen() override { return felder; }
  void FelderAnzeigen(const DialogFelder& f) override {
    felder = f;
    ++angezeigt;
  }
  void ListeEinfuegen(int index, const std::string& zeile) override {
    liste.insert(liste.begin() + index, zeile);
    if (auswahl >= index) ++auswahl;
  }
  void ListeErsetzen(int index, const std::string& zeile) override {
    liste.at(static_cast<std::size_t>(index)) = zeile;
  }
  void ListeLoeschen(int index) override {
    liste.erase(liste.begin() + index);
    if (auswahl == index) auswahl = -1;
    if (auswahl > index) --auswahl;
  }
  void ListeLeeren() override {
    liste.clear();
    auswahl = -1;
  }
  void ListeAuswaehlen(int index) override { auswahl = index; }
  int ListenAuswahl() override { return auswahl; }
  void FokusWeiter() override { ++fokusWeiter; }
  void FokusAufPermeabilitaet() override { ++fokusPermeabilitaet; }
  std::optional<std::string> DateiWaehlen() override { return datei; }
  void DialogBeenden() override { ++beendet; }

  DialogFelder felder;
  std::vector<std::string> liste;
  int auswahl = -1;
  int angezeigt = 0;
  int fokusWeiter = 0;
  int fokusPermeabilitaet = 0;
  std::optional<std::string> datei;
  int beendet = 0;
};
