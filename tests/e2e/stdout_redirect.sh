#!/usr/bin/env bash
# `wine camsetup.exe > file` from a Unix shell: the GUI program's trace lines
# reach the redirected standard output. Run inside wine_env.sh shell.
#   stdout_redirect.sh PROGRAM WORK_FOLDER
set -u
program=$1
folder="$2/stdout redirect"
rm -rf "$folder"
mkdir -p "$folder"
cd "$folder"
wine "$program" > trace.txt 2>/dev/null &
tool=$!
found=1
for _ in $(seq 150); do
  if grep -q "^CurDir:" trace.txt 2>/dev/null; then found=0; break; fi
  sleep 0.1
done
kill "$tool" 2>/dev/null
wait "$tool" 2>/dev/null
if [ $found -ne 0 ]; then
  echo "no CurDir line on standard output; got:" >&2
  cat trace.txt >&2
  exit 1
fi
# The folder as Wine names it: Z: and backslashes.
expected="CurDir:Z:$(pwd | tr / '\\')"
if ! grep -qxF "$expected" <(tr -d '\r' < trace.txt); then
  echo "expected the line: $expected; got:" >&2
  cat trace.txt >&2
  exit 1
fi
echo "trace captured: $(head -1 trace.txt)"
