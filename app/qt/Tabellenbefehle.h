#pragma once

class CMainFrame;
class QString;

// "Labordaten importieren..." in "&Datei" after "Öffnen..." and
// "Ergebnisse als CSV..." in "&Bearbeiten": laboratory tables in,
// spreadsheets out.
void TabellenbefehleEinrichten(CMainFrame& frame);

// The two commands without their file dialogs, for a path already chosen.
void LabordatenImportieren(CMainFrame& frame, const QString& pfad);
bool ErgebnisseAlsCsv(CMainFrame& frame, const QString& pfad, bool deutschesExcel);
