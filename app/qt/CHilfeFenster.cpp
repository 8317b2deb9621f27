#include "CHilfeFenster.h"

#include <QFileInfo>
#include <QUrl>

CHilfeFenster::CHilfeFenster(QWidget* parent) : QTextBrowser(parent) {
  setWindowFlag(Qt::Window);
  setWindowTitle(QStringLiteral("Kadrel – Hilfe"));
  setOpenExternalLinks(true);
  resize(680, 600);
}

bool CHilfeFenster::Zeigen(const QString& datei) {
  const QFileInfo info(datei);
  if (!info.isFile() || !info.isReadable()) return false;
  setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
  if (document()->isEmpty()) return false;
  show();
  raise();
  activateWindow();
  return true;
}
