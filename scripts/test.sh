#!/usr/bin/env bash
# Installs what is missing, builds, and passes all tests: a normal build
# (build-test/), then a build under AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan/) whose tests run in the C and the
# German locale, then the fuzz targets (scripts/fuzz.sh), each for a bounded
# time, then the package and the README's first command, both from the
# programs' own build (build/, as scripts/run.sh builds it). Warnings become
# errors only where KADREL_WERROR=ON is exported (CI does).
#   scripts/test.sh [--fuzz-seconds N]   (default 10 seconds per target)
set -euo pipefail
cd "$(dirname "$0")/.."
fuzz_sekunden=10
while [ $# -gt 0 ]; do
  case $1 in
    --fuzz-seconds)
      fuzz_sekunden=${2:?--fuzz-seconds needs a number}
      shift 2
      ;;
    *)
      echo "usage: scripts/test.sh [--fuzz-seconds N]" >&2
      exit 2
      ;;
  esac
done
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen

# The tree keeps one format (.clang-format); checked where the tool exists.
if command -v clang-format >/dev/null && [ -d .git ]; then
  git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
fi

scripts/build.sh build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo
(cd build-test && ctest --output-on-failure -j2)

scripts/build.sh build-asan -DKADREL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-asan && LC_ALL=C.UTF-8 ctest --output-on-failure -j2)
(cd build-asan && LC_ALL=de_DE.UTF-8 ctest --output-on-failure -j2)

scripts/fuzz.sh "$fuzz_sekunden"

# --- Debian package ----------------------------------------------------------
# Builds build/kadrel_<version>_<arch>.deb, unpacks it into a scratch root,
# runs the installed kadrel-cli and kadrel, validates desktop entry and
# metainfo, and runs lintian where installed (errors fail).
scripts/package.sh --pruefen
# --- end Debian package ------------------------------------------------------

# The README's first command, as a new user without a display runs it.
env -u DISPLAY -u WAYLAND_DISPLAY scripts/run.sh
