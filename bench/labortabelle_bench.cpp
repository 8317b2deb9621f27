// Peak memory and time of the laboratory-table import (as kadrel-cli
// --labordaten runs it: read the file, split, evaluate) on generated tables
// just below the 64 MB limit. Each import runs in a child process; its peak
// resident size comes from wait4, less that of a child that imports nothing.
// Not a test: it prints figures.
//
//   bench-labortabelle
#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "Labortabelle.h"

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kGroesse = labor::kMaxBytes - 4096;

// A comma table with `jeProbe` rows per sample: psia and percent, as a
// laboratory writes them. With jeProbe 1 every row names another sample
// than the row above, so every row is a sample of its own.
std::string Tabelle(int jeProbe) {
  std::string t = "Sample,Permeability (mD),Pc (psia),SHg (%)\n";
  char zeile[96];
  for (int probe = 0; t.size() < kGroesse - 2 * sizeof zeile; ++probe) {
    for (int i = 0; i < jeProbe && t.size() < kGroesse - sizeof zeile; ++i) {
      const int n =
          std::snprintf(zeile, sizeof zeile, "K%06d,%d.%d,%d.%04d,%d.%d\n", jeProbe == 1 ? probe % 2 : probe,
                        1 + probe % 997, probe % 10, 1 + i * 25, (i * 37) % 10000, i * 100 / (jeProbe + 1), i % 10);
      t.append(zeile, static_cast<std::size_t>(n));
    }
  }
  return t;
}

// The same text as a spreadsheet's "Unicode text": UTF-16 LE with byte order
// mark, tab-separated.
std::string Utf16(const std::string& t) {
  std::string u("\xFF\xFE", 2);
  u.reserve(2 * t.size() + 2);
  for (const char c : t) {
    u += c == ',' ? '\t' : c;
    u += '\0';
  }
  return u;
}

struct Messwerte {
  double lesen = 0;      // s
  double auswerten = 0;  // s
  long long messungen = 0;
  long long zeilen = 0;
  long long probleme = 0;
  long long ergebnisBytes = 0;  // the input lines handed back: the list and the heap blocks of its strings
  int gut = 0;
};

// Runs `arbeit` in a child; returns its peak resident size in bytes, or -1.
template <typename Arbeit>
long long Spitze(Arbeit arbeit, Messwerte& m) {
  int rohr[2];
  if (pipe(rohr) != 0) return -1;
  std::fflush(stdout);
  const pid_t kind = fork();
  if (kind < 0) return -1;
  if (kind == 0) {
    close(rohr[0]);
    Messwerte w;
    arbeit(w);
    const ssize_t n = write(rohr[1], &w, sizeof w);
    _exit(n == static_cast<ssize_t>(sizeof w) ? 0 : 1);
  }
  close(rohr[1]);
  const ssize_t n = read(rohr[0], &m, sizeof m);
  close(rohr[0]);
  int s = 0;
  rusage nutzung{};
  if (wait4(kind, &s, 0, &nutzung) != kind || n != static_cast<ssize_t>(sizeof m)) return -1;
  return static_cast<long long>(nutzung.ru_maxrss) * 1024;  // kB on Linux
}

void Importieren(const std::string& pfad, Messwerte& m) {
  const auto t0 = std::chrono::steady_clock::now();
  std::string bytes;
  std::string fehler;
  if (!labor::DateiLesen(pfad, bytes, fehler)) return;
  const auto t1 = std::chrono::steady_clock::now();
  labor::Rohtabelle tabelle;
  labor::Ergebnis ergebnis;
  m.gut =
      labor::TabelleZerlegen(bytes, 0, 0, tabelle, fehler) && labor::TabelleAuswerten(tabelle, {}, ergebnis, fehler);
  const auto t2 = std::chrono::steady_clock::now();
  m.lesen = std::chrono::duration<double>(t1 - t0).count();
  m.auswerten = std::chrono::duration<double>(t2 - t1).count();
  m.messungen = static_cast<long long>(ergebnis.messungen.size());
  m.zeilen = static_cast<long long>(ergebnis.zeilen.size());
  m.probleme = static_cast<long long>(ergebnis.probleme.size());
  m.ergebnisBytes = static_cast<long long>(ergebnis.zeilen.capacity() * sizeof(std::string));
  for (const std::string& z : ergebnis.zeilen) {
    // A heap block carries a size word besides what malloc_usable_size reports.
    if (z.capacity() > 15)
      m.ergebnisBytes += static_cast<long long>(malloc_usable_size(const_cast<char*>(z.data())) + 8);
  }
}

}  // namespace

int main() {
  const fs::path ordner = fs::temp_directory_path() / ("kadrel-labortabelle-" + std::to_string(getpid()));
  fs::create_directories(ordner);
  struct Fall {
    const char* name;
    fs::path pfad;
  };
  const Fall faelle[] = {
      {"CSV, 40 rows per sample", ordner / "vierzig.csv"},
      {"UTF-16 LE, tab, 40 rows per sample", ordner / "utf16.txt"},
      {"CSV, samples alternate every row", ordner / "wechsel.csv"},
      {"CSV, half of it one row of commas", ordner / "kommas.csv"},
  };
  // The tables are written and their bytes gone before any child starts,
  // since a child's peak counts the memory it was forked with.
  {
    const std::string vierzig = Tabelle(40);
    std::ofstream(faelle[0].pfad, std::ios::binary) << vierzig;
    const std::string haelfte = vierzig.substr(0, vierzig.rfind('\n', kGroesse / 2) + 1);
    std::ofstream(faelle[1].pfad, std::ios::binary) << Utf16(haelfte);
    std::ofstream(faelle[3].pfad, std::ios::binary)
        << haelfte << std::string(kGroesse - haelfte.size() - 1, ',') << '\n';
  }
  { std::ofstream(faelle[2].pfad, std::ios::binary) << Tabelle(1); }

  Messwerte leer;
  const long long grund = Spitze([](Messwerte&) {}, leer);
  std::printf("laboratory-table import (read, split, evaluate) of tables just below %d MB\n",
              static_cast<int>(labor::kMaxBytes >> 20));
  std::printf("baseline child: %.1f MB\n\n", grund / 1e6);
  for (const Fall& f : faelle) {
    Messwerte m;
    const std::string pfad = f.pfad.string();
    const long long spitze = Spitze([&pfad](Messwerte& w) { Importieren(pfad, w); }, m);
    const auto bytes = fs::file_size(f.pfad);
    std::printf("%-36s input %5.1f MB  peak %7.1f MB  per input byte %5.2f  read %.2f s  import %.2f s\n", f.name,
                static_cast<double>(bytes) / 1e6, static_cast<double>(spitze - grund) / 1e6,
                static_cast<double>(spitze - grund) / static_cast<double>(bytes), m.lesen, m.auswerten);
    std::printf("%-36s %s: %lld measurements, %lld input lines (%.1f MB, %.2f per input byte), %lld notes\n", "",
                m.gut ? "taken" : "refused", m.messungen, m.zeilen, static_cast<double>(m.ergebnisBytes) / 1e6,
                static_cast<double>(m.ergebnisBytes) / static_cast<double>(bytes), m.probleme);
  }
  fs::remove_all(ordner);
  return 0;
}
