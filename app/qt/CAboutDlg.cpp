#include "CAboutDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Info über Kadrel"));
  auto* symbol = new QLabel(this);
  symbol->setPixmap(QIcon(QStringLiteral(":/symbole/kadrel.svg")).pixmap(32, 32));
  symbol->setAlignment(Qt::AlignTop);
  auto* text = new QLabel(QStringLiteral("Kadrel, Version 2.0"), this);
  text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  ok->setObjectName(QStringLiteral("ok"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* knoepfe = new QVBoxLayout;
  knoepfe->addWidget(ok);
  knoepfe->addStretch();
  auto* zeile = new QHBoxLayout(this);
  zeile->addWidget(symbol);
  zeile->addSpacing(12);
  zeile->addWidget(text, 1);
  zeile->addLayout(knoepfe);
  // 217 x 86 dialog units of the classic 8-point dialog font.
  resize(326, 140);
}
