// Prints how long the data dialog takes for a file of 100 000 lines: reading
// and splitting it, the import rules, the import into the dialog's lists,
// and (with the Qt dialog) filling the list box and committing one line.

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "Dateneingabe.h"
#include "DateiImport.h"
#include "EingabeDaten.h"
#include "EingabeFenster.h"
#include "StillePlattform.h"
#include "TextFormat.h"

#ifdef KADREL_BENCH_QT
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTimer>

#include "DlgInput.h"
#endif

namespace {

// A window without controls that only counts list operations.
class StillesFenster : public EingabeFenster {
 public:
  DialogFelder FelderAbfragen() override { return felder; }
  void FelderAnzeigen(const DialogFelder& f) override { felder = f; }
  void ListeEinfuegen(int, const std::string&) override { ++operationen; }
  void ListeErsetzen(int, const std::string&) override { ++operationen; }
  void ListeLoeschen(int) override { ++operationen; }
  void ListeLeeren() override { ++operationen; }
  void ListeAuswaehlen(int) override {}
  int ListenAuswahl() override { return -1; }
  void FokusWeiter() override {}
  void FokusAufPermeabilitaet() override {}
  std::optional<std::string> DateiWaehlen() override { return pfad; }
  void DialogBeenden() override {}
  DialogFelder felder;
  std::string pfad;
  long operationen = 0;
};

#ifdef KADREL_BENCH_QT
// Answers Yes like StillePlattform, but lets the event loop run at every
// box, as a real box does, so that the list box catches up each time.
class EreignisPlattform : public StillePlattform {
 public:
  void Meldung(const std::string& text) override {
    StillePlattform::Meldung(text);
    QApplication::processEvents();
  }
  bool Frage(const std::string& text) override {
    QApplication::processEvents();
    return StillePlattform::Frage(text);
  }
};
#endif

double Sekunden(std::chrono::steady_clock::time_point seit) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - seit).count();
}

// 5000 blocks of a title line, 18 value lines and an end line.
std::string Datei() {
  std::string text;
  for (int b = 0; b < 5000; ++b) {
    text += text::Format("Probe %d K%d\r\n", b + 1, b);
    for (int k = 0; k < 18; ++k) text += text::Format("%g %g\r\n", 0.1 * (k + 1), k / 20.0);
    text += "ENDE\r\n";
  }
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path pfad = std::filesystem::temp_directory_path() / "kadrel-bench-import.txt";
  {
    std::ofstream datei(pfad, std::ios::binary);
    datei << Datei();
  }

  auto start = std::chrono::steady_clock::now();
  Textliste zeilen;
  std::string fehler;
  TextdateiLesen(pfad.string(), zeilen, fehler);
  std::printf("read and split %zu lines:            %8.3f s\n", zeilen.size(), Sekunden(start));

  start = std::chrono::steady_clock::now();
  StillePlattform plattform;
  EingabeDaten daten;
  DateiImportieren(pfad.string(), plattform, daten);
  std::printf("DateiImportieren (%zu lines, %ld boxes): %8.3f s\n", daten.Eingabezeilen.size(),
              plattform.meldungen + plattform.fragen, Sekunden(start));

  start = std::chrono::steady_clock::now();
  StillesFenster fenster;
  fenster.pfad = pfad.string();
  Dateneingabe dlg(plattform, fenster);
  dlg.OnInitDialog();
  dlg.FileOpen();
  std::printf("FileOpen into the dialog's lists:        %8.3f s (%s)\n", Sekunden(start), dlg.Hinweis.c_str());

#ifdef KADREL_BENCH_QT
  QApplication app(argc, argv);
  DlgInput qtDialog(plattform);
  qtDialog.SetDaten(daten);
  start = std::chrono::steady_clock::now();
  qtDialog.show();
  QApplication::processEvents();
  std::printf("Qt dialog opened on %zu lines:        %8.3f s\n", daten.Eingabezeilen.size(), Sekunden(start));

  // One change commit on the full list: double-click the last value line,
  // leave the edit.
  auto* liste = qtDialog.findChild<QListView*>(QStringLiteral("liste"));
  auto* zeile = qtDialog.findChild<QLineEdit*>(QStringLiteral("zeile"));
  const QModelIndex index = liste->model()->index(liste->model()->rowCount() - 2, 0);
  liste->setCurrentIndex(index);
  QApplication::setActiveWindow(&qtDialog);
  emit liste->doubleClicked(index);
  zeile->setFocus(Qt::MouseFocusReason);
  QApplication::processEvents();
  const long boxen = plattform.meldungen + plattform.fragen;
  start = std::chrono::steady_clock::now();
  liste->setFocus(Qt::MouseFocusReason);
  QApplication::processEvents();
  std::printf("one commit on the full list (%ld box):    %8.3f s\n", plattform.meldungen + plattform.fragen - boxen,
              Sekunden(start));

  // The whole import through the Qt dialog's button and file dialog.
  EreignisPlattform ereignisse;
  DlgInput importDialog(ereignisse);
  importDialog.show();
  QApplication::setActiveWindow(&importDialog);
  QTimer datei;
  QObject::connect(&datei, &QTimer::timeout, [&pfad] {
    if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
      d->selectFile(QString::fromStdString(pfad.string()));
      static_cast<QDialog*>(d)->accept();
    }
  });
  datei.start(10);
  start = std::chrono::steady_clock::now();
  importDialog.findChild<QPushButton*>(QStringLiteral("dateiEinlesen"))->click();
  std::printf("Qt import with the event loop at each of %ld boxes: %8.3f s (file dialog included)\n",
              ereignisse.meldungen + ereignisse.fragen, Sekunden(start));
#else
  (void)argc;
  (void)argv;
#endif
  std::filesystem::remove(pfad);
  return 0;
}
