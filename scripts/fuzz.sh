#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang in build-fuzz/ and
# runs each (every fuzz-* target the build made): first over its saved findings (tests/fuzz/funde/<target>, which
# must all pass), then for N seconds from its seeds (tests/fuzz/korpus/<target>
# and the folders tests/fuzz/korpus/<target>.saat names). Fails on any finding; the input that found it is left in
# build-fuzz/funde/<target>/ to be added to tests/fuzz/funde/<target>/.
#   scripts/fuzz.sh [SECONDS]   (default 10)
set -euo pipefail
cd "$(dirname "$0")/.."
sekunden=${1:-10}
# Absolute paths: a target may change its current folder (aus.txt).
dir=$PWD/build-fuzz
CXX=clang++ cmake -S . -B "$dir" -DKADREL_GUI=OFF -DKADREL_TESTS=OFF -DKADREL_FUZZ=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  "-DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined" >/dev/null
cmake --build "$dir" -j"$(nproc)" --target fuzz

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for programm in "$dir"/fuzz/fuzz-*; do
  ziel=${programm##*/fuzz-}
  funde=$PWD/tests/fuzz/funde/$ziel
  if [ -d "$funde" ] && [ -n "$(ls -A "$funde")" ]; then
    echo "== $ziel: saved findings"
    "$programm" "$funde"/* >"$dir/fuzz-$ziel-funde.log" 2>&1 || { cat "$dir/fuzz-$ziel-funde.log"; exit 1; }
  fi
  # Seeds: korpus/<target>/, and the folders named one per line (relative
  # to the top folder) in korpus/<target>.saat.
  seeds=()
  [ -d "$PWD/tests/fuzz/korpus/$ziel" ] && seeds+=("$PWD/tests/fuzz/korpus/$ziel")
  if [ -f "$PWD/tests/fuzz/korpus/$ziel.saat" ]; then
    while read -r ordner; do [ -n "$ordner" ] && seeds+=("$PWD/$ordner"); done <"$PWD/tests/fuzz/korpus/$ziel.saat"
  fi
  arbeit="$dir/korpus/$ziel"
  mkdir -p "$arbeit" "$dir/funde/$ziel"
  echo "== $ziel: ${sekunden} s"
  if ! "$programm" -max_total_time="$sekunden" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$dir/funde/$ziel/" -print_final_stats=1 "$arbeit" "${seeds[@]}" \
    >"$dir/fuzz-$ziel.log" 2>&1; then
    tail -n 60 "$dir/fuzz-$ziel.log"
    echo "fuzz-$ziel found a fault; its input is in $dir/funde/$ziel/" >&2
    exit 1
  fi
  grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "$dir/fuzz-$ziel.log" | tr '\n' ' '
  echo
done
