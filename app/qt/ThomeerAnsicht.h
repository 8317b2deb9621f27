#pragma once

class CMainFrame;

// Registers the Thomeer analysis in the menu "A&uswertung": the check item
// "Thomeer-Parameter" with the Thomeer list, the Thomeer chart and the
// choice of the chart's measurement by a double-click on its row.
void ThomeerAnsichtEinrichten(CMainFrame& frame);
