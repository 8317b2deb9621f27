#include "Textdatei.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "Cp1252.h"
#include "TextFormat.h"
#include "TextScan.h"

namespace text {

namespace {

bool IstLeerzeile(std::string_view zeile) {
  for (const char c : zeile) {
    if (!IstLeer(c)) return false;
  }
  return true;
}

std::string Grund(int fehlernummer) { return std::strerror(fehlernummer); }

// Closes a descriptor when it goes out of scope.
class Deskriptor {
 public:
  explicit Deskriptor(int fd) : fd_(fd) {}
  Deskriptor(const Deskriptor&) = delete;
  Deskriptor& operator=(const Deskriptor&) = delete;
  ~Deskriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  // Hands the descriptor on; it is no longer closed here.
  void Loesen() { fd_ = -1; }
  // Closes now; returns the errno of a failing close, else 0.
  int Schliessen() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0 ? 0 : errno;
  }

 private:
  int fd_;
};

// Reads up to `grenze` bytes; `mehr` tells whether the file holds more. With
// `ganz` a regular file larger than that is not read at all.
bool Einlesen(const std::string& pfad, std::size_t grenze, bool ganz, std::string& bytes, bool& mehr,
              std::string& fehler) {
  Deskriptor fd(::open(pfad.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) {
    fehler = Format("Die Datei %s kann nicht geöffnet werden: %s", pfad, Grund(errno));
    return false;
  }
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) {
    fehler = Format("Die Datei %s kann nicht gelesen werden: %s", pfad, Grund(errno));
    return false;
  }
  if (S_ISDIR(st.st_mode)) {
    fehler = Format("Die Datei %s kann nicht geöffnet werden: %s", pfad, Grund(EISDIR));
    return false;
  }
  mehr = false;
  if (ganz && S_ISREG(st.st_mode) && static_cast<std::uintmax_t>(st.st_size) > grenze) {
    mehr = true;
    return true;
  }
  std::string inhalt;
  // A regular file says its size; anything else grows as it is read.
  if (S_ISREG(st.st_mode) && st.st_size > 0) {
    inhalt.reserve(std::min<std::size_t>(static_cast<std::size_t>(st.st_size), grenze) + 1);
  }
  std::size_t gelesen = 0;
  for (;;) {
    // One byte beyond the bound tells a longer file from one of exactly that size.
    const std::size_t ziel = grenze + 1;
    if (gelesen == ziel) break;
    if (inhalt.size() == gelesen) {
      inhalt.resize(std::min(ziel, std::max({std::size_t{4096}, 2 * gelesen, inhalt.capacity()})));
    }
    const ssize_t n =
        ::read(fd.get(), inhalt.data() + gelesen, std::min<std::size_t>(inhalt.size() - gelesen, 1 << 20));
    if (n < 0) {
      if (errno == EINTR) continue;
      fehler = Format("Die Datei %s kann nicht gelesen werden: %s", pfad, Grund(errno));
      return false;
    }
    if (n == 0) break;
    gelesen += static_cast<std::size_t>(n);
  }
  if (gelesen > grenze) {
    mehr = true;
    gelesen = grenze;
  }
  inhalt.resize(gelesen);
  bytes = std::move(inhalt);
  return true;
}

// Follows symbolic links from `pfad` to the path that is finally written.
bool ZielAufloesen(const std::string& pfad, std::string& ziel, std::string& fehler) {
  ziel = pfad;
  for (int schritte = 0;; ++schritte) {
    struct stat st {};
    if (::lstat(ziel.c_str(), &st) != 0) {
      if (errno == ENOENT) return true;  // a new file, or a link to one
      fehler = Format("Die Datei %s kann nicht geschrieben werden: %s", pfad, Grund(errno));
      return false;
    }
    if (!S_ISLNK(st.st_mode)) return true;
    if (schritte >= 40) {
      fehler = Format("Die Datei %s kann nicht geschrieben werden: %s", pfad, Grund(ELOOP));
      return false;
    }
    std::vector<char> puffer(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1);
    const ssize_t n = ::readlink(ziel.c_str(), puffer.data(), puffer.size());
    if (n < 0 || static_cast<std::size_t>(n) >= puffer.size()) {
      fehler = Format("Die Datei %s kann nicht geschrieben werden: %s", pfad, Grund(n < 0 ? errno : ENAMETOOLONG));
      return false;
    }
    std::string verweis(puffer.data(), static_cast<std::size_t>(n));
    if (!verweis.empty() && verweis.front() != '/') {
      // A relative link counts from the folder that holds the link.
      const auto schnitt = ziel.rfind('/');
      if (schnitt != std::string::npos) verweis = ziel.substr(0, schnitt + 1) + verweis;
    }
    ziel = verweis;
  }
}

const char* Art(mode_t modus) {
  if (S_ISDIR(modus)) return "ein Verzeichnis";
  if (S_ISFIFO(modus)) return "eine benannte Pipe (FIFO)";
  if (S_ISCHR(modus) || S_ISBLK(modus)) return "ein Gerät";
  if (S_ISSOCK(modus)) return "ein Socket";
  return "keine gewöhnliche Datei";
}

bool AllesSchreiben(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), std::min<std::size_t>(bytes.size(), 1 << 20));
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

mode_t NeueRechte() {
  // The permission bits a newly created file gets. The kernel tells the
  // process mask without changing it; otherwise it is only readable by
  // setting it, and set back at once.
  mode_t maske = 0;
  bool gelesen = false;
  if (std::FILE* status = std::fopen("/proc/self/status", "re")) {
    char zeile[256];
    while (!gelesen && std::fgets(zeile, sizeof zeile, status) != nullptr) {
      if (std::strncmp(zeile, "Umask:", 6) == 0) {
        char* ende = nullptr;
        maske = static_cast<mode_t>(std::strtoul(zeile + 6, &ende, 8));
        gelesen = ende != zeile + 6;
      }
    }
    std::fclose(status);
  }
  if (!gelesen) {
    maske = ::umask(022);
    ::umask(maske);
  }
  return static_cast<mode_t>(0666 & ~maske & 0777);
}

}  // namespace

Zeilenleser::Zeilenleser(std::string_view bytes)
    // Without any LF the file may come from a system that ends lines with CR.
    : bytes_(bytes), ende_(bytes.find('\n') == std::string_view::npos ? '\r' : '\n') {}

bool Zeilenleser::Naechste(std::string_view& roh) {
  if (pos_ >= bytes_.size()) return false;
  std::size_t e = bytes_.find(ende_, pos_);
  const bool letzte = e == std::string_view::npos;
  if (letzte) e = bytes_.size();
  std::size_t inhalt = e;
  if (ende_ == '\n' && inhalt > pos_ && bytes_[inhalt - 1] == '\r') --inhalt;
  roh = bytes_.substr(pos_, inhalt - pos_);
  pos_ = letzte ? bytes_.size() : e + 1;
  return true;
}

bool Zeilenleser::Naechste(std::string& zeile) {
  std::string_view roh;
  if (!Naechste(roh)) return false;
  zeile = Cp1252NachUtf8(roh);
  return true;
}

Textliste ZeilenAusBytes(std::string_view bytes, bool bisLeerzeile) {
  // Counting first gives the list its exact size, not up to twice of it.
  std::size_t anzahl = 0;
  std::string_view roh;
  for (Zeilenleser zaehler(bytes); zaehler.Naechste(roh);) {
    ++anzahl;
    if (bisLeerzeile && IstLeerzeile(roh)) break;
  }
  Textliste zeilen;
  zeilen.reserve(anzahl);
  Zeilenleser leser(bytes);
  std::string zeile;
  while (zeilen.size() < anzahl && leser.Naechste(zeile)) zeilen.push_back(std::move(zeile));
  return zeilen;
}

bool DateiLesen(const std::string& pfad, std::string& bytes, std::string& fehler) {
  std::string inhalt;
  bool mehr = false;
  if (!Einlesen(pfad, kMaxDateiGroesse, true, inhalt, mehr, fehler)) return false;
  if (mehr) {
    fehler = Format("Die Datei %s ist größer als %d MB und wird nicht gelesen.", pfad,
                    static_cast<long long>(kMaxDateiGroesse >> 20));
    return false;
  }
  bytes = std::move(inhalt);
  return true;
}

bool DateiAnfangLesen(const std::string& pfad, std::size_t hoechstens, std::string& bytes, std::string& fehler) {
  bool mehr = false;
  return Einlesen(pfad, hoechstens, false, bytes, mehr, fehler);
}

Blockleser::~Blockleser() {
  if (fd_ >= 0) ::close(fd_);
}

bool Blockleser::Oeffnen(const std::string& pfad, std::string& fehler) {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  summe_ = 0;
  pfad_ = pfad;
  Deskriptor fd(::open(pfad.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) {
    fehler = Format("Die Datei %s kann nicht geöffnet werden: %s", pfad, Grund(errno));
    return false;
  }
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) {
    fehler = Format("Die Datei %s kann nicht gelesen werden: %s", pfad, Grund(errno));
    return false;
  }
  if (S_ISDIR(st.st_mode)) {
    fehler = Format("Die Datei %s kann nicht geöffnet werden: %s", pfad, Grund(EISDIR));
    return false;
  }
  if (S_ISREG(st.st_mode) && static_cast<std::uintmax_t>(st.st_size) > kMaxDateiGroesse) {
    fehler = Format("Die Datei %s ist größer als %d MB und wird nicht gelesen.", pfad,
                    static_cast<long long>(kMaxDateiGroesse >> 20));
    return false;
  }
  fd_ = fd.get();
  fd.Loesen();
  return true;
}

bool Blockleser::Lesen(char* ziel, std::size_t n, std::size_t& gelesen, std::string& fehler) {
  gelesen = 0;
  if (fd_ < 0) {
    fehler = Format("Die Datei %s kann nicht gelesen werden: %s", pfad_, Grund(EBADF));
    return false;
  }
  for (;;) {
    const ssize_t r = ::read(fd_, ziel, std::min<std::size_t>(n, 1 << 20));
    if (r < 0) {
      if (errno == EINTR) continue;
      fehler = Format("Die Datei %s kann nicht gelesen werden: %s", pfad_, Grund(errno));
      return false;
    }
    gelesen = static_cast<std::size_t>(r);
    break;
  }
  summe_ += gelesen;
  // A pipe or device says no size beforehand: it ends at the bound.
  if (summe_ > kMaxDateiGroesse) {
    fehler = Format("Die Datei %s ist größer als %d MB und wird nicht gelesen.", pfad_,
                    static_cast<long long>(kMaxDateiGroesse >> 20));
    return false;
  }
  return true;
}

bool DateiSchreiben(const std::string& pfad, std::string_view bytes, std::string& fehler) {
  return DateiSchreibenStueckweise(
      pfad, [bytes](const Schreibfunktion& schreiben, std::string&) { return schreiben(bytes); }, fehler);
}

bool DateiSchreibenStueckweise(const std::string& pfad, const Dateierzeuger& erzeugen, std::string& fehler) {
  std::string ziel;
  if (!ZielAufloesen(pfad, ziel, fehler)) return false;
  const std::string name = ziel == pfad ? Format("Die Datei %s", pfad) : Format("Das Ziel %s von %s", ziel, pfad);

  mode_t rechte = NeueRechte();
  struct stat st {};
  const bool vorhanden = ::stat(ziel.c_str(), &st) == 0;
  if (vorhanden) {
    if (!S_ISREG(st.st_mode)) {
      fehler = Format("%s wird nicht überschrieben: %s ist %s.", name, ziel == pfad ? "sie" : "es", Art(st.st_mode));
      return false;
    }
    // The file's mode decides, for root too: it may write anything, but a
    // file without any write bit was protected on purpose.
    if (::access(ziel.c_str(), W_OK) != 0 || (st.st_mode & 0222) == 0) {
      fehler = Format("%s ist schreibgeschützt und wird nicht überschrieben.", name);
      return false;
    }
    rechte = st.st_mode & 07777;
  }

  const auto schnitt = ziel.rfind('/');
  const std::string ordner = schnitt == std::string::npos ? std::string() : ziel.substr(0, schnitt + 1);
  const std::string basis = schnitt == std::string::npos ? ziel : ziel.substr(schnitt + 1);
  // The temporary name is unique and created exclusively (never through a
  // link); kept short enough for any file name length.
  std::string muster = ordner + "." + basis.substr(0, 200) + ".XXXXXX";
  Deskriptor fd(::mkstemp(muster.data()));
  if (fd.get() < 0) {
    fehler = Format("%s kann nicht geschrieben werden: %s", name, Grund(errno));
    return false;
  }
  const std::string& temp = muster;
  int fehlernummer = 0;
  const Schreibfunktion schreiben = [&](std::string_view stueck) {
    if (fehlernummer == 0 && !AllesSchreiben(fd.get(), stueck)) fehlernummer = errno;
    return fehlernummer == 0;
  };
  std::string abbruch;
  const bool erzeugt = erzeugen(schreiben, abbruch);
  if (fehlernummer == 0 && erzeugt && (::fsync(fd.get()) != 0 || ::fchmod(fd.get(), rechte) != 0)) {
    fehlernummer = errno;
  }
  if (fehlernummer == 0 && !erzeugt) {
    fd.Schliessen();
    ::unlink(temp.c_str());
    fehler = abbruch;
    return false;
  }
  // Root saving someone else's file hands it back to its owner.
  if (fehlernummer == 0 && vorhanden && (st.st_uid != ::geteuid() || st.st_gid != ::getegid())) {
    if (::fchown(fd.get(), st.st_uid, st.st_gid) != 0) {
      // Without the right to give the file away it keeps the saver's group.
    }
  }
  const int schliessen = fd.Schliessen();
  if (fehlernummer == 0) fehlernummer = schliessen;
  if (fehlernummer == 0 && ::rename(temp.c_str(), ziel.c_str()) != 0) fehlernummer = errno;
  if (fehlernummer != 0) {
    ::unlink(temp.c_str());
    fehler = Format("%s kann nicht geschrieben werden: %s", name, Grund(fehlernummer));
    return false;
  }
  // Make the rename itself durable; a failure here no longer loses data.
  Deskriptor verzeichnis(::open(ordner.empty() ? "." : ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (verzeichnis.get() >= 0) ::fsync(verzeichnis.get());
  return true;
}

}  // namespace text
