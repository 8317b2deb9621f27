#pragma once

#include <optional>

#include "SaettigungshoehenWahl.h"

class CMainFrame;

// Registers the choice of the saturation-height model in the menu
// "A&uswertung": the command "Sättigungshöhenmodell..." (its choice goes into
// the document's study and the settings, see Auswertungsgrundlage; the list
// "Sättigungshöhe" and its chart follow it) and the view "Modellgüte", the
// three models' fit to the measurements, list and chart.
void SaettigungshoehenAnsichtEinrichten(CMainFrame& frame);

// The user's last choice kept in the settings, for new documents; none when
// none is kept or the kept one is not allowed.
std::optional<SaettigungshoehenWahl> SaettigungshoehenwahlLaden();
void SaettigungshoehenwahlSpeichern(const SaettigungshoehenWahl& w);
