#pragma once

#include "CAuswertungMenue.h"
#include "CGrafik.h"
#include "CKadrelView.h"
#include "CMainFrame.h"

#include <QAction>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// A main window on settings of its own, cleared, in a temporary folder.
class FrameFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ordner.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ordner.filePath(QStringLiteral("einstellungen")));
    QSettings().clear();
    frame = std::make_unique<CMainFrame>();
  }

  // The item of the menu "A&uswertung" with this text (its mnemonic
  // aside), or null.
  QAction* Punkt(const QString& text) const {
    for (QAction* a : frame->Auswertung()->Menue()->actions()) {
      if (QString(a->text()).remove(QLatin1Char('&')) == text) return a;
    }
    return nullptr;
  }
  const Textliste* GezeigteListe() const { return frame->TextAnsicht()->Liste(); }
  // The chart the chart view drew at its last paint.
  const Datendiagramm* GezeigtesDiagramm() const {
    frame->GrafikAnsicht()->viewport()->grab();
    return frame->GrafikAnsicht()->GetDiagramm().GetDatendiagramm();
  }

  QTemporaryDir ordner;
  std::unique_ptr<CMainFrame> frame;
};
