#pragma once

#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
#include <QString>

// Counts the pages of a PDF written by Qt: one page object each.
inline int PdfSeiten(const QByteArray& pdf) {
  static const QRegularExpression seite(QStringLiteral("/Type\\s*/Page(?!s)"));
  return static_cast<int>(QString::fromLatin1(pdf).count(seite));
}

// The same for a file; -1 when it cannot be read.
inline int PdfSeiten(const QString& pfad) {
  QFile datei(pfad);
  if (!datei.open(QIODevice::ReadOnly)) return -1;
  return PdfSeiten(datei.readAll());
}
