#pragma once

#include <string>

// What the controls of the data dialog hold, in the order in which the
// fields are exchanged: the status line, the mode radios, the line edit, the
// single-measurement box, the permeability edit (as typed), the chart radios,
// the table radios and the polynomial box. A radio group with no radio
// checked holds -1.
struct DialogFelder {
  std::string Hinweis;
  int Option = -1;
  std::string Zeile;
  int bEinzelmessung = 0;
  std::string Permeabilitaet;
  int iGrafik = -1;
  int iTabelle = -1;
  int bPolynom3 = 0;
};
