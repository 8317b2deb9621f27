#pragma once

#include <functional>
#include <vector>

#include "CsvSchreiber.h"

class CMainFrame;
class QString;

// "Labordaten importieren..." in "&Datei" after "Öffnen..." and
// "Ergebnisse als CSV..." in "&Bearbeiten": laboratory tables in,
// spreadsheets out.
void TabellenbefehleEinrichten(CMainFrame& frame);

// Adds an analysis's tables (Thomeer, reservoir conditions) to "Ergebnisse
// als CSV...": `quelle` is asked at every export; its tables follow the
// document's own. An analysis registers it where it sets up its view.
void CsvTabellenquelleHinzufuegen(CMainFrame& frame, std::function<std::vector<csv::Tabelle>()> quelle);

// The two commands without their file dialogs, for a path already chosen.
void LabordatenImportieren(CMainFrame& frame, const QString& pfad);
bool ErgebnisseAlsCsv(CMainFrame& frame, const QString& pfad, bool deutschesExcel);
