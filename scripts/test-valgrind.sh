#!/usr/bin/env bash
# Runs every native test executable once under valgrind's memcheck: any
# invalid access, use of uninitialised memory or definite/indirect leak
# fails the run. Uses the native preset's build.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset native >/dev/null
cmake --build --preset native -j 2

logs=build/native/valgrind
rm -rf "$logs"
mkdir -p "$logs"

# Each gtest executable once, with all its cases, rather than once per case.
mapfile -t executables < <(ctest --test-dir build/native --show-only=json-v1 | python3 -c '
import json, sys
seen = []
for test in json.load(sys.stdin).get("tests", []):
    command = test.get("command") or []
    if command and command[0] not in seen:
        seen.append(command[0])
print("\n".join(seen))
')
if [ ${#executables[@]} -eq 0 ]; then
  echo "valgrind: no test executable found" >&2
  exit 1
fi

failed=()
for exe in "${executables[@]}"; do
  name=$(basename "$exe")
  echo "== valgrind $name"
  if valgrind --tool=memcheck --error-exitcode=1 --leak-check=full \
      --show-leak-kinds=definite,indirect --errors-for-leak-kinds=definite,indirect \
      --track-origins=yes --quiet --log-file="$logs/$name.log" \
      "$exe" --gtest_brief=1 >"$logs/$name.out" 2>&1; then
    tail -n 1 "$logs/$name.out"
  else
    echo "valgrind $name FAILED" >&2
    tail -n 40 "$logs/$name.log" "$logs/$name.out" >&2
    failed+=("$name")
  fi
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "valgrind: failed: ${failed[*]}" >&2
  exit 1
fi
echo "valgrind: ${#executables[@]} test executables clean"
