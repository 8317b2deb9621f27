#pragma once

#include <QDialog>

// The about box: the application icon, "Kadrel, Version 2.0" and OK.
class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
};
