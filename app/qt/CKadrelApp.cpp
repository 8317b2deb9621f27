#include "CKadrelApp.h"

#include "CMainFrame.h"

#include <QCommandLineParser>
#include <QCoreApplication>

CKadrelApp::CKadrelApp() = default;

CKadrelApp::~CKadrelApp() = default;

void CKadrelApp::AnwendungBenennen() {
  QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
  QCoreApplication::setApplicationName(QStringLiteral("Kadrel"));
  QCoreApplication::setApplicationVersion(QStringLiteral("2.0"));
}

void CKadrelApp::BefehlszeileEinrichten(QCommandLineParser& parser) {
  parser.setApplicationDescription(
      QStringLiteral("Kadrel wertet Kapillardruckmessungen an Bohrkernen aus (Quecksilberinjektion)."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("datei"),
                               QStringLiteral("Kadrel-Dokument (*.kdr) oder Messdaten (*.txt), beim Start geöffnet."),
                               QStringLiteral("[datei]"));
}

bool CKadrelApp::InitInstance(const QStringList& dateien) {
  frame_ = std::make_unique<CMainFrame>();
  if (!dateien.isEmpty() && !frame_->Oeffnen(dateien.first())) return false;
  frame_->show();
  return true;
}
