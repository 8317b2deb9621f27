#pragma once

class CMainFrame;
class QString;

// "Datei → Öffnen" on a file of measurement lines ("Messdaten (*.txt)"): the
// file's lines, decoded as "Datei einlesen" decodes them (UTF-8 or
// Windows-1252), become a new, unnamed document, and the data dialog opens
// on them as it does when a document is opened. Saving then asks for a name
// (offering the file's name with .kdr), so the text file is never replaced
// by a document. Returns false, after a message naming the file, when it
// cannot be read or holds a character a document cannot store; the
// document is then left as it was.
bool MessdatenLaden(CMainFrame& frame, const QString& pfad);
