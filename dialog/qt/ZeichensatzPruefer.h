#pragma once

#include <QString>
#include <QValidator>

#include <functional>
#include <string>

// Refuses, as it is typed or pasted, any character of the line edit that
// the document file's code page cannot hold, and hands the reason to
// `abgelehnt`. Characters the edit already held when its text was last set
// (a line from the list) stay, so that such a line can still be mended.
class ZeichensatzPruefer : public QValidator {
 public:
  ZeichensatzPruefer(std::function<void(const std::string&)> abgelehnt, QObject* eltern);

  // Takes the edit's text as it stands now as the text to compare with.
  void Merken(const QString& text);

  State validate(QString& eingabe, int& pos) const override;

 private:
  std::function<void(const std::string&)> abgelehnt_;
  QString vorher_;
};
