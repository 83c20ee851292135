#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: native,
# under the sanitizers, and the Windows program end to end under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
jobs=$(nproc)

for preset in native sanitize; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done

# The Windows program under Wine, the fuzzers, memcheck.
for extra in test-windows test-fuzz test-valgrind; do
  if [ -x "scripts/$extra.sh" ]; then
    echo "== $extra"
    "scripts/$extra.sh"
  fi
done
