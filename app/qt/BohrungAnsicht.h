#pragma once

#include <QString>

#include "Bohrungsauswertung.h"
#include "LasLesen.h"

class CMainFrame;

// The well: "Bohrung laden..." and "Bohrung speichern als LAS..." in
// "&Datei" after the import, the view "Bohrung" in "A&uswertung" (list,
// depth track, CSV tables) and the well kept in the document's study block
// (bohrung::Bohrungsstudie): loading one marks the document modified, and a
// document that names one loads it again when it is opened. The Sw follow
// the saturation-height model and conditions in force (Auswertungsgrundlage)
// and are evaluated again whenever these change.
void BohrungAnsichtEinrichten(CMainFrame& frame);

// The commands without their file dialogs, for a path already chosen:
// reads the header, shows the dialog, and on OK takes the log; a log the
// reader refuses is reported and nothing changes. True when a log was taken.
bool BohrungLaden(CMainFrame& frame, const QString& pfad);
// Writes the log with SW and HAFWL; reports a failure and returns false.
bool BohrungSpeichernAlsLas(CMainFrame& frame, const QString& pfad);

// The well of the frame's document and its evaluation, or null without one.
const bohrung::Bohrung* GeladeneBohrung(CMainFrame& frame);
const bohrung::Auswertung* BohrungAuswertung(CMainFrame& frame);
