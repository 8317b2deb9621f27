#include "MessdatenOeffnen.h"

#include "Archiv.h"
#include "CMainFrame.h"
#include "DateiImport.h"
#include "Plattform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <string>

bool MessdatenLaden(CMainFrame& frame, const QString& pfad) {
  CKadrelDoc& doc = frame.GetDocument();
  Plattform& plattform = doc.GetPlattform();
  if (!QFileInfo::exists(pfad)) {
    plattform.Meldung(QStringLiteral("Die Datei %1 wurde nicht gefunden.").arg(pfad).toStdString());
    return false;
  }
  Textliste zeilen;
  std::string fehler;
  if (!TextdateiLesen(QFile::encodeName(pfad).toStdString(), zeilen, fehler)) {
    plattform.Meldung(fehler);
    return false;
  }
  // The lines take the way of a document file, so that they are opened
  // exactly as a document is; what the file cannot hold is said here.
  Archiv ar = Archiv::ZumSpeichern();
  if (!ar.ListeSchreiben(zeilen)) {
    plattform.Meldung(QStringLiteral("Die Datei %1 kann nicht als Kadrel-Dokument geöffnet werden.\n%2")
                          .arg(pfad, QString::fromStdString(ar.Fehler()))
                          .toStdString());
    return false;
  }
  const std::string bytes(ar.Bytes());
  if (!doc.DokumentLaden(bytes, fehler)) {
    plattform.Meldung(QStringLiteral("Die Datei %1 kann nicht geöffnet werden.\n%2")
                          .arg(pfad, QString::fromStdString(fehler))
                          .toStdString());
    return false;
  }
  // New and unnamed: its lines are not saved anywhere yet.
  doc.SetPathName("");
  doc.SetModifiedFlag(!doc.Eingabezeilen.empty());
  const QFileInfo info(pfad);
  frame.SetNamensvorschlag(QDir(info.absolutePath()).filePath(info.completeBaseName() + QStringLiteral(".kdr")));
  frame.AnsichtenAktualisieren();
  return true;
}
