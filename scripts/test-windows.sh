#!/usr/bin/env bash
# Builds camsetup.exe with the windows preset and runs its tests under Wine
# and Xvfb: the binding's contract test and the end-to-end tests, in one
# throwaway Wine prefix made for the run.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j "${JOBS:-$(nproc)}"
ctest --preset windows
