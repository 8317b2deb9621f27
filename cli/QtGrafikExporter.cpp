#include "QtGrafikExporter.h"

#include <memory>

#include "GrafikExport.h"

#include <QGuiApplication>

namespace {

// The batch program reports its own failures; the toolkit's notes about its
// environment (runtime folders, fonts) would only clutter the error stream.
void StilleMeldungen(QtMsgType art, const QMessageLogContext&, const QString& text) {
  if (art == QtCriticalMsg || art == QtFatalMsg) fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

}  // namespace

GrafikExporter QtGrafikExporter() {
  return [](const CKadrelDoc& doc, const Datendiagramm* daten, const Grafikoptionen& optionen, const std::string& pfad,
            std::string& fehler) {
    if (!QGuiApplication::instance()) {
      qInstallMessageHandler(StilleMeldungen);
      if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
      static int qtArgc = 1;
      static char name[] = "kadrel-cli";
      static char* qtArgv[] = {name, nullptr};
      // Lives until the process ends, like any application object.
      static std::unique_ptr<QGuiApplication> anwendung = std::make_unique<QGuiApplication>(qtArgc, qtArgv);
    }
    return GrafikExportieren(doc, daten, optionen, pfad, fehler);
  };
}
