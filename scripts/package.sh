#!/usr/bin/env bash
# Builds the Debian package build/kadrel_<version>_<arch>.deb with CPack from
# the build tree build/ (configured and built first).
#   scripts/package.sh            build the package
#   scripts/package.sh --pruefen  build it, unpack it into a scratch root, run
#                                 the installed programs, validate the desktop
#                                 entry and the metainfo, run lintian if present
set -euo pipefail
cd "$(dirname "$0")/.."
pruefen=false
[ "${1:-}" = "--pruefen" ] && pruefen=true

scripts/programme-bauen.sh
rm -f build/kadrel_*.deb
(cd build && cpack -G DEB >/dev/null)
paket=$(ls build/kadrel_*_"$(dpkg --print-architecture)".deb)
echo "Paket: $paket"
$pruefen || exit 0

wurzel=$(mktemp -d)
trap 'rm -rf "$wurzel"' EXIT
dpkg -x "$paket" "$wurzel"
dpkg-deb -f "$paket" Depends
# The installed programs must run on the system's libraries alone.
cli() { env -u LD_LIBRARY_PATH "$wurzel/usr/bin/kadrel-cli" "$@"; }
cli --version
env -u LD_LIBRARY_PATH QT_QPA_PLATFORM=offscreen "$wurzel/usr/bin/kadrel" --version
cli --tabelle 1 "$wurzel/usr/share/doc/kadrel/examples/beispiel.kdr" >"$wurzel/installiert.txt" 2>&1
build/kadrel-cli --tabelle 1 examples/beispiel.kdr >"$wurzel/gebaut.txt" 2>&1
cmp "$wurzel/installiert.txt" "$wurzel/gebaut.txt"
grep -q ' AD-258$' "$wurzel/installiert.txt"
for man in kadrel kadrel-cli; do
  LC_ALL=C.UTF-8 MANROFFSEQ='' man --warnings -l "$wurzel/usr/share/man/man1/$man.1.gz" >/dev/null
done
desktop-file-validate "$wurzel/usr/share/applications/kadrel.desktop"
appstreamcli validate --no-net "$wurzel/usr/share/metainfo/de.kadrel.Kadrel.metainfo.xml"
if command -v lintian >/dev/null; then
  # Every finding is printed; errors fail.
  lintian --fail-on error --tag-display-limit 0 -I "$paket"
fi
echo "Paketprüfung bestanden."
