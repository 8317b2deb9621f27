#pragma once

class CMainFrame;

// Registers the petrophysics in the menu "&Auswertung": the check item
// "P&etrophysik" with the list "Petrophysik" and the chosen chart, and the
// submenu "Petrophysik-&Grafik" whose three radio items choose the chart
// (choosing one shows it); its tables (and those of the closure correction)
// go to the CSV export.
void PetrophysikAnsichtEinrichten(CMainFrame& frame);
