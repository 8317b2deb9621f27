// Times one screen paint of each chart: the scroll area of 250 x 220 mm at
// 96 dpi on an image, anti-aliased as on screen, with the largest point
// counts a chart can have.
#include "Diagramm.h"
#include "GrafikMalen.h"
#include "KadrelDoc.h"
#include "StillePlattform.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

void Fuellen(CKadrelDoc& doc) {
  doc.Titel = "Kapillardruckkurve";
  doc.Untertitel = "Kern 1";
  doc.XText = "Normierte Sättigung Snorm(-)";
  doc.YText = "Kadrel(-)";
  doc.Legende1 = " Messwerte ";
  doc.Legende2 = "Rechenwerte";
  doc.Info = "Alfa: 8.4 Beta:0.14";
  doc.Maxwerte = 100;
  doc.iMax2Werte = 100;
  for (int i = 0; i < 100; ++i) {
    const float s = static_cast<float>(i) / 99;
    doc.X[i] = s;
    doc.Y[i] = std::pow(1 - s, 8.4f) + 0.01f * std::sin(static_cast<float>(i));
    doc.Y1[i] = std::pow(1 - s, 8.4f);
    doc.X2[i] = -2 + 4 * s;
    doc.Y2[i] = 8 - 2 * doc.X2[i] + 0.3f * std::sin(static_cast<float>(3 * i));
    doc.Y3[i] = 8 - 2 * doc.X2[i];
  }
  doc.MaxPchg = 155;
  for (int j = 0; j < 5; ++j) {
    const float swmin = 0.4f - 0.08f * static_cast<float>(j);
    for (int q = 0; q < 31; ++q) {
      const float sw = swmin + (1 - swmin) * static_cast<float>(q) / 30;
      const float snorm = (sw - swmin) / (1 - swmin);
      doc.XK[j][q] = sw;
      doc.YK[j][q] = (155 - 3) * std::pow(1 - snorm, 8.4f) + 3;
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QGuiApplication app(argc, argv);

  StillePlattform plattform;
  CKadrelDoc doc(plattform);
  Fuellen(doc);
  Diagramm d(doc);
  d.OnInitialUpdate();

  constexpr double kDpi = 96;
  const double s = kDpi / 254.0;
  QImage bild(static_cast<int>(std::lround(2500 * s)), static_cast<int>(std::lround(2200 * s)),
              QImage::Format_ARGB32_Premultiplied);
  std::printf("Bild %d x %d Pixel (%g dpi), je Diagramm %d Zeichnungen nach %d zum Aufwärmen\n", bild.width(),
              bild.height(), kDpi, 200, 20);

  const struct {
    const char* name;
    int tabelle;
    int grafik;
  } arten[] = {{"Kapillardruckkurve", 0, 0}, {"Normierungsparameter", 1, 0}, {"Kurvenschar", 0, 4}};
  for (const auto& art : arten) {
    doc.iTabelle = art.tabelle;
    doc.iGrafik = art.grafik;
    std::vector<double> ms;
    for (int n = 0; n < 220; ++n) {
      const auto anfang = std::chrono::steady_clock::now();
      bild.fill(Qt::white);
      QPainter painter(&bild);
      painter.setRenderHint(QPainter::Antialiasing);
      painter.setRenderHint(QPainter::TextAntialiasing);
      GrafikMalen(d, painter, s, s);
      painter.end();
      const auto ende = std::chrono::steady_clock::now();
      if (n >= 20) ms.push_back(std::chrono::duration<double, std::milli>(ende - anfang).count());
    }
    std::sort(ms.begin(), ms.end());
    double summe = 0;
    for (const double m : ms) summe += m;
    std::printf("%-22s Mittel %6.3f ms  Median %6.3f ms  Minimum %6.3f ms  Maximum %6.3f ms  (Ziel < 5 ms)\n", art.name,
                summe / static_cast<double>(ms.size()), ms[ms.size() / 2], ms.front(), ms.back());
  }
  return 0;
}
