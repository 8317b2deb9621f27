// Measures the peak memory of kadrel-cli on large inputs: 20 MB of empty
// lines as text and as a document file, plain runs and runs that save the
// lines. Each run is a child process; its peak resident size comes from
// wait4. Not a test: it prints figures.
//
//   bench-speicher [PFAD-ZU-KADREL-CLI]   (default: kadrel-cli beside this program)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kZeilen = 20u << 20;  // 20 MB of line ends

// Runs the program with its output discarded; returns the child's peak
// resident size in bytes, or -1.
long long Spitze(const std::string& programm, const std::vector<std::string>& argumente, int& status) {
  std::fflush(stdout);
  const pid_t kind = fork();
  if (kind < 0) return -1;
  if (kind == 0) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(programm.c_str()));
    for (const auto& a : argumente) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::freopen("/dev/null", "w", stdout);
    std::freopen("/dev/null", "w", stderr);
    execv(programm.c_str(), argv.data());
    _exit(127);
  }
  int s = 0;
  rusage nutzung{};
  if (wait4(kind, &s, 0, &nutzung) != kind) return -1;
  status = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
  return static_cast<long long>(nutzung.ru_maxrss) * 1024;  // kB on Linux
}

void Schreiben(const fs::path& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }

// Writes the two inputs; their bytes are gone again before any child
// starts, since a child's peak counts the memory it was forked with.
void Eingaben(const fs::path& text, const fs::path& dokument) {
  // A measurement first, so that the run has something to evaluate before
  // it stops at the first empty line.
  const std::string messung = "PERMEABILITAET: 1 A\n0.1 0\n0.5 0.3\n2 0.6\n4 0.7\nENDE\n";
  Schreiben(text, messung + std::string(kZeilen, '\n'));
  // A document of empty lines: count 0xFFFF and 32 bits, one zero length
  // byte per line, so its count is its size but for six bytes.
  std::string kdr("\xFF\xFF", 2);
  for (int i = 0; i < 4; ++i) kdr += static_cast<char>((kZeilen >> (8 * i)) & 0xFF);
  kdr += std::string(kZeilen, '\0');
  Schreiben(dokument, kdr);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string programm =
      argc > 1 ? std::string(argv[1]) : (fs::read_symlink("/proc/self/exe").parent_path() / "kadrel-cli").string();
  const fs::path ordner = fs::temp_directory_path() / ("kadrel-speicher-" + std::to_string(getpid()));
  fs::create_directories(ordner);

  const fs::path text = ordner / "leer.txt";
  const fs::path dokument = ordner / "leer.kdr";
  Eingaben(text, dokument);
  int status = 0;
  const long long grund = Spitze(programm, {"--version"}, status);
  std::printf("kadrel-cli: %s\n", programm.c_str());
  std::printf("baseline (--version): %.1f MB\n\n", grund / 1e6);
  struct Fall {
    const char* name;
    std::vector<std::string> argumente;
    std::uintmax_t bytes;
  };
  const Fall faelle[] = {
      {"text, plain run", {text.string()}, fs::file_size(text)},
      {"text, --speichern", {"--speichern", (ordner / "aus1.kdr").string(), text.string()}, fs::file_size(text)},
      {"document, plain run", {dokument.string()}, fs::file_size(dokument)},
      {"document, --speichern",
       {"--speichern", (ordner / "aus2.kdr").string(), dokument.string()},
       fs::file_size(dokument)},
  };
  for (const auto& f : faelle) {
    const long long spitze = Spitze(programm, f.argumente, status);
    const double proByte = static_cast<double>(spitze - grund) / static_cast<double>(f.bytes);
    std::printf("%-24s input %5.1f MB  peak %7.1f MB  exit %d  per input byte: %.2f\n", f.name, f.bytes / 1e6,
                spitze / 1e6, status, proByte);
  }
  fs::remove_all(ordner);
  return 0;
}
