#pragma once

#include <string>
#include <vector>

// The input lines and options that the data dialog edits on a copy of the
// document's state ("Daten ändern"). Lines are UTF-8 inside the program.
struct EingabeDaten {
  std::vector<std::string> Eingabezeilen;
  int bTestwerte = 0;
  int bPolynom3 = 0;
  int bEinzelmessung = 0;
  float PermAuswahl = 0.0f;
  int iGrafik = 0;
  int iTabelle = 0;
  int bNeuRechnen = 0;
};
