#include "CKadrelApp.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstring>

namespace {

// Tells whether the command line only asks for help or the version, which
// must answer on a terminal without a window system.
bool NurAuskunft(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version"}) {
      if (std::strcmp(argv[i], option) == 0) return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (NurAuskunft(argc, argv)) {
    QCoreApplication auskunft(argc, argv);
    CKadrelApp::AnwendungBenennen();
    QCommandLineParser parser;
    CKadrelApp::BefehlszeileEinrichten(parser);
    parser.process(auskunft);  // prints and exits
    return 0;
  }

  QApplication anwendung(argc, argv);
  CKadrelApp::AnwendungBenennen();
  // The program speaks German throughout; so should the toolkit's own
  // dialogs (print, file, message box buttons) where their translation is
  // installed.
  QTranslator qtTexte;
  if (qtTexte.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    anwendung.installTranslator(&qtTexte);
  }
  QCommandLineParser parser;
  CKadrelApp::BefehlszeileEinrichten(parser);
  parser.process(anwendung);

  CKadrelApp app;
  if (!app.InitInstance(parser.positionalArguments())) return 1;
  return anwendung.exec();
}
