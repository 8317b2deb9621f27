#pragma once

class CMainFrame;

// "Kopieren" (Ctrl+C, Ctrl+Insert) at the top of "&Bearbeiten" and in the
// context menu: puts the shown list on the clipboard as text (its chosen
// lines, if any), or the shown chart as an image and as SVG.
void KopierbefehlEinrichten(CMainFrame& frame);

// The command itself, for the shown view.
void Kopieren(CMainFrame& frame);
