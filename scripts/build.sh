#!/usr/bin/env bash
# Configures and builds one build tree: scripts/build.sh DIR [CMAKE OPTIONS...]
# Warnings stay warnings: only CI turns them into errors, by exporting
# KADREL_WERROR=ON (.ci/run). A user's build never stops on a warning.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:?scripts/build.sh needs a build folder}
shift
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B "$dir" "-DKADREL_WERROR=${KADREL_WERROR:-OFF}" "${launcher[@]}" "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)"
