#include "Tabellenbefehle.h"

#include "Befehlstexte.h"
#include "CLabordatenDlg.h"
#include "CMainFrame.h"
#include "CsvSchreiber.h"
#include "Ergebnistabellen.h"
#include "Labortabelle.h"
#include "Plattform.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>

namespace {

const QString kOrdner = QStringLiteral("Labordaten/Ordner");
const QString kCsvDeutsch = QStringLiteral("CSV/DeutschesExcel");
const QString kCsvOrdner = QStringLiteral("CSV/Ordner");
const QString kFilterUtf8 = QStringLiteral("CSV-Datei, UTF-8 mit Komma (*.csv)");
const QString kFilterDeutsch = QStringLiteral("CSV-Datei für deutsches Excel, Semikolon und Dezimalkomma (*.csv)");

QMenu* Menue(CMainFrame& frame, const QString& titel) {
  for (QAction* a : frame.menuBar()->actions()) {
    if (a->menu() && a->text() == titel) return a->menu();
  }
  return nullptr;
}

void Melden(CMainFrame& frame, const std::string& text) { frame.GetDocument().GetPlattform().Meldung(text); }

// The analyses' table sources, kept by the frame as long as it lives.
class Tabellenquellen : public QObject {
 public:
  explicit Tabellenquellen(QObject* eltern) : QObject(eltern) { setObjectName(QStringLiteral("CsvTabellenquellen")); }
  std::vector<std::function<std::vector<csv::Tabelle>()>> quellen;
};

Tabellenquellen* Quellen(CMainFrame& frame) {
  auto* q = frame.findChild<Tabellenquellen*>(QStringLiteral("CsvTabellenquellen"), Qt::FindDirectChildrenOnly);
  return q ? q : new Tabellenquellen(&frame);
}

}  // namespace

void LabordatenImportieren(CMainFrame& frame, const QString& pfad) {
  std::string bytes;
  std::string fehler;
  if (!labor::DateiLesen(pfad.toStdString(), bytes, fehler)) {
    Melden(frame, fehler);
    return;
  }
  // A file that is no table at all gets its message without the dialog.
  labor::Rohtabelle tabelle;
  if (!labor::TabelleZerlegen(bytes, 0, 0, tabelle, fehler)) {
    Melden(frame, pfad.toStdString() + "\n" + fehler);
    return;
  }
  CLabordatenDlg dialog(std::move(bytes), QFileInfo(pfad).fileName(), &frame);
  if (dialog.exec() != QDialog::Accepted) return;
  CKadrelDoc& doc = frame.GetDocument();
  Textliste zeilen = dialog.Anhaengen() ? doc.Eingabezeilen : Textliste{};
  zeilen.insert(zeilen.end(), dialog.Zeilen().begin(), dialog.Zeilen().end());
  // The data dialog shows the new working lines; its OK runs as "Daten ändern" does.
  doc.OnDatenAendern(zeilen);
  frame.AnsichtenAktualisieren();
}

void CsvTabellenquelleHinzufuegen(CMainFrame& frame, std::function<std::vector<csv::Tabelle>()> quelle) {
  Quellen(frame)->quellen.push_back(std::move(quelle));
}

bool ErgebnisseAlsCsv(CMainFrame& frame, const QString& pfad, bool deutschesExcel) {
  std::string fehler;
  const csv::Format format = deutschesExcel ? csv::Format::DeutschesExcel() : csv::Format{};
  std::vector<csv::Tabelle> tabellen = Ergebnistabellen(frame.GetDocument());
  for (const auto& quelle : Quellen(frame)->quellen) {
    for (csv::Tabelle& t : quelle()) tabellen.push_back(std::move(t));
  }
  if (!csv::DateiSchreiben(pfad.toStdString(), tabellen, format, fehler)) {
    Melden(frame, fehler);
    return false;
  }
  frame.statusBar()->showMessage(QStringLiteral("Die Ergebnisse wurden in die Datei %1 geschrieben.").arg(pfad));
  return true;
}

void TabellenbefehleEinrichten(CMainFrame& frame) {
  auto* import = new QAction(QStringLiteral("&Labordaten importieren..."), &frame);
  import->setStatusTip(QStringLiteral("Liest eine Labortabelle (CSV, Semikolon oder Tabulator) als Messungen ein"));
  if (QMenu* datei = Menue(frame, QStringLiteral("&Datei")))
    datei->insertAction(frame.Aktion(befehl::kSpeichern), import);
  QObject::connect(import, &QAction::triggered, &frame, [&frame] {
    QSettings s;
    const QString pfad =
        QFileDialog::getOpenFileName(&frame, QStringLiteral("Labordaten importieren"), s.value(kOrdner).toString(),
                                     QStringLiteral("Labortabellen (*.csv *.txt *.tsv *.tab);;Alle Dateien (*)"));
    if (pfad.isEmpty()) return;
    s.setValue(kOrdner, QFileInfo(pfad).absolutePath());
    LabordatenImportieren(frame, pfad);
  });

  auto* csv = new QAction(QStringLiteral("Ergebnisse als &CSV..."), &frame);
  csv->setStatusTip(QStringLiteral("Schreibt die Zahlen der Ergebnisse als Tabelle für eine Tabellenkalkulation"));
  if (QMenu* bearbeiten = Menue(frame, QStringLiteral("&Bearbeiten"))) bearbeiten->addAction(csv);
  QObject::connect(csv, &QAction::triggered, &frame, [&frame] {
    QSettings s;
    QString filter = s.value(kCsvDeutsch, false).toBool() ? kFilterDeutsch : kFilterUtf8;
    const QString vorschlag = QFileInfo(s.value(kCsvOrdner).toString(), QStringLiteral("ergebnisse.csv")).filePath();
    QString pfad = QFileDialog::getSaveFileName(&frame, QStringLiteral("Ergebnisse als CSV"), vorschlag,
                                                kFilterUtf8 + QStringLiteral(";;") + kFilterDeutsch, &filter);
    if (pfad.isEmpty()) return;
    if (QFileInfo(pfad).suffix().isEmpty()) pfad += QStringLiteral(".csv");
    const bool deutsch = filter == kFilterDeutsch;
    s.setValue(kCsvDeutsch, deutsch);
    s.setValue(kCsvOrdner, QFileInfo(pfad).absolutePath());
    ErgebnisseAlsCsv(frame, pfad, deutsch);
  });
}
