#!/usr/bin/env bash
# Builds the programs as a user gets them: build/, Release, no tests. Used by
# scripts/run.sh and scripts/package.sh, and so built by CI as well (with
# warnings as errors there).
set -euo pipefail
cd "$(dirname "$0")/.."
exec scripts/build.sh build -DCMAKE_BUILD_TYPE=Release -DKADREL_TESTS=OFF
