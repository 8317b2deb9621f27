#pragma once

#include <memory>

#include <QStringList>

class CMainFrame;
class QCommandLineParser;

// The application: its names and settings key, the command line, and the
// main frame with the document, shown once the command line is carried out.
class CKadrelApp {
 public:
  CKadrelApp();
  ~CKadrelApp();

  // Sets the names under which the settings are kept and the version that
  // --version prints; needs no window system.
  static void AnwendungBenennen();
  // Declares --help, --version and the optional document file.
  static void BefehlszeileEinrichten(QCommandLineParser& parser);

  // Creates the main frame with a new document, opens the file named on the
  // command line (its loading opens the data dialog) and shows the window.
  // False when the file cannot be opened: the program then ends.
  bool InitInstance(const QStringList& dateien);

  CMainFrame* GetMainWnd() const { return frame_.get(); }

 private:
  std::unique_ptr<CMainFrame> frame_;
};
