#pragma once

class CMainFrame;

// "An Fenster anpassen" in "&Ansicht": the chart view's option that scales
// the chart to the window (besides the magnifier's 1 and 1.5). It is enabled
// while the chart is shown, carries the view's state as its check mark and
// is remembered in the settings for the next start.
void AnsichtsbefehleEinrichten(CMainFrame& frame);
