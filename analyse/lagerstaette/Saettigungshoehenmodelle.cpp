#include "Saettigungshoehenmodelle.h"

#include <cmath>

Saettigungshoehenmodelle Saettigungshoehenmodelle::Anpassen(const CKadrelDoc& doc, const std::vector<Messkurve>& kurven,
                                                            const std::vector<ThomeerErgebnis>& thomeer,
                                                            const Lagerstaettenbedingungen& b,
                                                            std::optional<int> gesteinstyp) {
  Saettigungshoehenmodelle m;
  m.kadrel = KadrelModell::AusDokument(doc, b);
  m.j = JModell::Anpassen(kurven, b, gesteinstyp);
  m.thomeer = ThomeerModell::Anpassen(kurven, thomeer, b, gesteinstyp);
  m.gesteinstyp = gesteinstyp;
  return m;
}

const Lagerstaettenbedingungen& Saettigungshoehenmodelle::Bedingungen(ShfModell m) const {
  switch (m) {
    case ShfModell::JFunktion:
      return j.Bedingungen();
    case ShfModell::Thomeer:
      return thomeer.Bedingungen();
    default:
      return kadrel.Bedingungen();
  }
}

const std::string& Saettigungshoehenmodelle::Grund(ShfModell m) const {
  switch (m) {
    case ShfModell::JFunktion:
      return j.Grund();
    case ShfModell::Thomeer:
      return thomeer.Grund();
    default:
      return kadrel.Grund();
  }
}

std::string Saettigungshoehenmodelle::GesteinGrund(ShfModell m, double kMd, std::optional<double> phi) const {
  switch (m) {
    case ShfModell::JFunktion:
      return j.GesteinGrund(kMd, phi);
    case ShfModell::Thomeer:
      return thomeer.GesteinGrund(kMd);
    default:
      return kadrel.GesteinGrund(kMd);
  }
}

double Saettigungshoehenmodelle::Sw(ShfModell m, double kMd, std::optional<double> phi, double hMeter) const {
  switch (m) {
    case ShfModell::JFunktion:
      return j.Sw(kMd, phi, hMeter);
    case ShfModell::Thomeer:
      return thomeer.Sw(kMd, hMeter);
    default:
      return kadrel.Sw(kMd, hMeter);
  }
}

double Saettigungshoehenmodelle::Eintrittsdruck(ShfModell m, double kMd, std::optional<double> phi) const {
  switch (m) {
    case ShfModell::JFunktion:
      return j.Eintrittsdruck(kMd, phi);
    case ShfModell::Thomeer:
      return thomeer.Eintrittsdruck(kMd);
    default:
      return kadrel.Eintrittsdruck(kMd);
  }
}

std::function<double(double, double, double)> Saettigungshoehenmodelle::Rueckruf(ShfModell m) const {
  switch (m) {
    case ShfModell::JFunktion:
      return [modell = j](double k, double phi, double h) {
        return modell.Sw(k, std::isnan(phi) ? std::nullopt : std::optional<double>(phi), h);
      };
    case ShfModell::Thomeer:
      return [modell = thomeer](double k, double, double h) { return modell.Sw(k, h); };
    default:
      return [modell = kadrel](double k, double, double h) { return modell.Sw(k, h); };
  }
}
