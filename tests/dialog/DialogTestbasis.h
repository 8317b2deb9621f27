#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Dateneingabe.h"
#include "EingabeDaten.h"
#include "FakeFenster.h"
#include "FakePlattform.h"

// The dialog logic on a scripted window and a scripted user, opened on
// given lines, with helpers that act as the user does.
class DialogTest : public ::testing::Test {
 protected:
  void Oeffnen(const std::vector<std::string>& zeilen, int bNeuRechnen = 0) {
    EingabeDaten daten;
    daten.Eingabezeilen = zeilen;
    daten.bNeuRechnen = bNeuRechnen;
    dlg.SetDaten(daten);
    dlg.OnInitDialog();
  }

  // Double-click on the line with the given number (from 1).
  void Doppelklick(int nummer) {
    fenster.auswahl = nummer - 1;
    dlg.OnDblclkListe();
  }
  void Tippen(const std::string& text) { fenster.felder.Zeile = text; }
  // Clicks a mode radio.
  void Modus(int option) {
    fenster.felder.Option = option;
    if (option == Dateneingabe::kAendern) dlg.OnZeileAendern();
    if (option == Dateneingabe::kAnhaengen) dlg.OnZeileAnhaengen();
    if (option == Dateneingabe::kEinfuegen) dlg.OnZeileEinfuegen();
    if (option == Dateneingabe::kLoeschen) dlg.OnZeileLoeschen();
  }
  // Leaves the line edit.
  void Verlassen() { dlg.OnKillfocusZeile(); }

  // Checks that the list box, the working list and the window agree.
  void ListeIst(const std::vector<std::string>& erwartet) {
    EXPECT_EQ(dlg.Liste, erwartet);
    EXPECT_EQ(fenster.liste, erwartet);
  }

  FakePlattform plattform;
  FakeFenster fenster;
  Dateneingabe dlg{plattform, fenster};
};

// Protocol entries for comparisons.
inline FakePlattform::Eintrag Ok(const std::string& text) { return {"ok", text}; }
inline FakePlattform::Eintrag Frage(const std::string& text) { return {"yesno", text}; }

inline bool operator==(const FakePlattform::Eintrag& a, const FakePlattform::Eintrag& b) {
  return a.art == b.art && a.text == b.text;
}

inline void PrintTo(const FakePlattform::Eintrag& e, std::ostream* os) { *os << e.art << ": \"" << e.text << '"'; }
