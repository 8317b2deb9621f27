#pragma once

class CMainFrame;

// "Druckachse logarithmisch" in "&Ansicht": draws the pressure axis of the
// curve chart (the measured and computed curve of one measurement)
// logarithmically, on screen, in print and on the clipboard. Off by
// default; remembered in the settings. The Thomeer chart and the chart
// "Kapillardruckkurven" always draw the pressure so.
void DruckachsenbefehlEinrichten(CMainFrame& frame);
