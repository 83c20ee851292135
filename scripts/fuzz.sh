#!/usr/bin/env bash
# Builds the fuzz preset and runs every fuzz target for SECONDS each, one
# after the other, under AddressSanitizer and UndefinedBehaviorSanitizer.
# Fails when a target crashes or breaks a property; the input that did it
# is kept in build/fuzz/artifacts/ and belongs, once fixed, in
# tests/fuzz/crashes/<target>/ (fuzz_regression_tests replays it).
#   scripts/fuzz.sh SECONDS
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-}
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -eq 0 ]; then
  echo "usage: scripts/fuzz.sh SECONDS" >&2
  exit 2
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j 2

build=build/fuzz
corpus=$build/corpus
artifacts=$build/artifacts
logs=$build/logs
mkdir -p "$corpus" "$artifacts" "$logs"

# The checks write the settings files once per input and the store syncs
# them: on a memory file system that costs nothing.
scratch_base=/dev/shm
[ -d "$scratch_base" ] && [ -w "$scratch_base" ] || scratch_base=$build
scratch=$(mktemp -d "$scratch_base/camsetup-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

# Fresh seeds from the program's own store procedures, beside the
# committed ones (which also cover the targets make_seeds knows nothing of).
"$(cat "$build/make_seeds_path.txt")" "$corpus"

export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1:allocator_may_return_null=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

failed=()
while read -r name executable max_len; do
  [ -n "$name" ] || continue
  mkdir -p "$corpus/$name"
  dirs=("$corpus/$name")
  for extra in tests/fuzz/corpus/$name tests/fuzz/crashes/$name; do
    [ -d "$extra" ] && dirs+=("$extra")
  done
  log=$logs/$name.log
  echo "== fuzz $name for ${seconds}s"
  if TMPDIR=$scratch "$executable" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$artifacts/$name-" \
      "${dirs[@]}" >"$log" 2>&1; then
    grep -E "^(#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units)" "$log" || true
  else
    echo "fuzz $name FAILED; log $log, input in $artifacts/:" >&2
    grep -E "broken:|ERROR:|SUMMARY:|runtime error|Test unit written" "$log" >&2 || tail -n 30 "$log" >&2
    failed+=("$name")
  fi
done <"$build/fuzz_targets.txt"

if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzz: failed: ${failed[*]}" >&2
  exit 1
fi
echo "fuzz: every target ran ${seconds}s clean"
