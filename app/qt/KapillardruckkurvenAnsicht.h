#pragma once

class CMainFrame;

// Registers the chart "Kapillardruckkurven" in the menu "A&uswertung": the
// check item "Kapillardruckkurven" with the measured curves of the run in
// one chart and their list, and the command "Kurven wählen..." whose dialog
// chooses the curves (all after every run) and the x axis; its OK shows the
// chart's item checked.
void KapillardruckkurvenAnsichtEinrichten(CMainFrame& frame);
