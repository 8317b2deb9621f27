#!/usr/bin/env bash
# Configures and builds one build tree: scripts/build.sh [DIR] [CMAKE OPTIONS...]
# Default: build/ with warnings as errors.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
cmake -S . -B "$dir" -DKADREL_WERROR=ON "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)"
