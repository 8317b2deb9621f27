// Figures of the well room on a log of a million rows: reading and
// evaluating must take under 1 s and under 100 bytes per row.
#include "bohrung_figuren.h"

#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Bohrungsauswertung.h"
#include "LasLesen.h"
#include "LasSchreiben.h"
#include "TextFormat.h"

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kZeilen = 1000000;
constexpr int kLaeufe = 5;
constexpr double kStep = 0.1524;
// The FWL below the deepest row: the model is evaluated at every row.
constexpr double kFwl = 1000.0 + kStep * kZeilen + 10.0;

// A Leverett J model of fixed coefficients, as the real models will cost.
double JModell(double kMd, double phi, double h) {
  const double pc = h * 0.25 * 1000.0 * 9.80665;
  const double j = pc / (0.030 * 0.8660254) * std::sqrt(kMd * 9.869233e-16 / phi);
  return std::min(1.0, 0.25 * std::pow(j, -0.5));
}

// Six curves as a logging company writes them, depths every 0.1524 m from
// 1000 m, with a few NULL stretches.
void Erzeugen(const std::string& pfad) {
  std::ofstream aus(pfad, std::ios::binary);
  aus << "~VERSION INFORMATION\n VERS.   2.0 : CWLS LOG ASCII STANDARD - VERSION 2.0\n"
         " WRAP.   NO  : ONE LINE PER DEPTH STEP\n~WELL INFORMATION\n"
         " STRT.M   1000.0000 : START DEPTH\n"
      << text::Format(" STOP.M   %.4f : STOP DEPTH\n", 1000.0 + kStep * (kZeilen - 1))
      << " STEP.M   0.1524 : STEP\n NULL.    -999.2500 : NULL VALUE\n WELL.    BENCH-1 : WELL\n"
         "~CURVE INFORMATION\n DEPT.M : DEPTH\n GR  .GAPI : GAMMA RAY\n RHOB.G/C3 : BULK DENSITY\n"
         " NPHI.V/V : NEUTRON POROSITY\n PHIE.V/V : EFFECTIVE POROSITY\n PERM.MD : PERMEABILITY\n"
         "~A  DEPT  GR  RHOB  NPHI  PHIE  PERM\n";
  std::string block;
  for (std::size_t i = 0; i < kZeilen; ++i) {
    const double t = 1000.0 + kStep * static_cast<double>(i);
    const double phi = 0.05 + 0.25 * (0.5 + 0.5 * std::sin(static_cast<double>(i) * 0.001));
    const double k = std::pow(10.0, -1.0 + 12.0 * phi);
    const bool null = i % 50000 < 20;
    block += text::Format("%10.4f %9.3f %8.4f %8.4f %8.4f %12.4f\n", t, 40.0 + 60.0 * phi, 2.65 - phi, phi + 0.02,
                          null ? -999.25 : phi, k);
    if (block.size() > (1u << 20)) {
      aus << block;
      block.clear();
    }
  }
  aus << block;
}

double Sekunden(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// A value in kB of /proc/self/status ("VmRSS:", "VmHWM:"); -1 when unknown.
long long Status(const char* feld) {
  std::ifstream ein("/proc/self/status");
  for (std::string zeile; std::getline(ein, zeile);) {
    if (zeile.rfind(feld, 0) == 0) return std::atoll(zeile.c_str() + std::strlen(feld));
  }
  return -1;
}

// Reads and evaluates once in a child process and returns the growth of
// its resident memory from the start of the work to its peak, in bytes;
// -1 when the system does not tell.
long long Spitzenspeicher(const std::string& pfad) {
  int rohr[2];
  if (pipe(rohr) != 0) return -1;
  std::fflush(stdout);
  const pid_t kind = fork();
  if (kind < 0) return -1;
  if (kind == 0) {
    close(rohr[0]);
    // Free memory goes back to the system and the peak starts from now.
    malloc_trim(0);
    long long ergebnis = -1;
    std::ofstream("/proc/self/clear_refs") << "5";
    const long long vorher = Status("VmRSS:");
    // The peak was reset when it now stands next to the resident size.
    if (vorher > 0 && Status("VmHWM:") - vorher < 1024) {
      bohrung::Bohrung b;
      bohrung::Auswertung a;
      std::string fehler;
      if (bohrung::LasLesenDatei(pfad, {}, b, fehler) && bohrung::Auswerten(b, kFwl, JModell, "J", a, fehler)) {
        ergebnis = (Status("VmHWM:") - vorher) * 1024;
      }
    }
    if (write(rohr[1], &ergebnis, sizeof ergebnis) != sizeof ergebnis) _exit(1);
    _exit(0);
  }
  close(rohr[1]);
  long long ergebnis = -1;
  if (read(rohr[0], &ergebnis, sizeof ergebnis) != sizeof ergebnis) ergebnis = -1;
  close(rohr[0]);
  int status = 0;
  waitpid(kind, &status, 0);
  return ergebnis;
}

}  // namespace

void BohrungFiguren() {
  const fs::path ordner = fs::temp_directory_path() / ("kadrel-bohrung-" + std::to_string(getpid()));
  fs::create_directories(ordner);
  const std::string ein = (ordner / "bench.las").string();
  const std::string aus = (ordner / "aus.las").string();
  Erzeugen(ein);

  std::vector<double> lesen;
  std::vector<double> auswerten;
  std::vector<double> schreiben;
  std::size_t zeilen = 0;
  double kw = 0.0;
  for (int l = 0; l < kLaeufe; ++l) {
    bohrung::Bohrung b;
    bohrung::Auswertung a;
    std::string fehler;
    const auto t0 = std::chrono::steady_clock::now();
    if (!bohrung::LasLesenDatei(ein, {}, b, fehler)) {
      std::printf("well: %s\n", fehler.c_str());
      break;
    }
    const auto t1 = std::chrono::steady_clock::now();
    bohrung::Auswerten(b, kFwl, JModell, "J", a, fehler);
    const auto t2 = std::chrono::steady_clock::now();
    if (!bohrung::LasSpeichern(aus, b, a, fehler)) std::printf("well: %s\n", fehler.c_str());
    const auto t3 = std::chrono::steady_clock::now();
    lesen.push_back(Sekunden(t1 - t0));
    auswerten.push_back(Sekunden(t2 - t1));
    schreiben.push_back(Sekunden(t3 - t2));
    zeilen = b.Zeilen();
    kw = a.summe.kwPorenmaechtigkeit;
  }
  if (zeilen > 0) {
    std::vector<double> zusammen;
    for (std::size_t i = 0; i < lesen.size(); ++i) zusammen.push_back(lesen[i] + auswerten[i]);
    const double sekunden = Median(zusammen);
    std::printf("well log: %zu rows, %.1f MB LAS, 6 curves (hydrocarbon pore thickness %.3f m)\n", zeilen,
                static_cast<double>(fs::file_size(ein)) / 1e6, kw);
    std::printf("  read:                   %.0f ms (median of %d)\n", Median(lesen) * 1e3, kLaeufe);
    std::printf("  evaluate:               %.0f ms\n", Median(auswerten) * 1e3);
    std::printf("  read and evaluate:      %.0f ms, %.2f million rows/s\n", sekunden * 1e3,
                static_cast<double>(zeilen) / sekunden / 1e6);
    std::printf("  write LAS (SW, HAFWL):  %.0f ms\n", Median(schreiben) * 1e3);
    const long long spitze = Spitzenspeicher(ein);
    if (spitze >= 0) {
      std::printf("  peak memory:            %.1f MB, %.1f bytes per row\n", static_cast<double>(spitze) / 1e6,
                  static_cast<double>(spitze) / static_cast<double>(zeilen));
    } else {
      std::printf("  peak memory:            not measurable here (/proc/self/clear_refs)\n");
    }
    std::printf("\n");
  }
  fs::remove_all(ordner);
}
