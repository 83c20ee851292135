#!/usr/bin/env bash
# Pictures of every screen of camsetup.exe in Chinese and in English, taken
# under Xvfb with Wine into docs/screenshots/ (PNG).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j "${JOBS:-2}" --target camsetup screen_tour

out="$root/docs/screenshots"
home="$root/build/windows/screenshots"
mkdir -p "$out"
tests/e2e/wine_env.sh setup "$home"
trap 'tests/e2e/wine_env.sh cleanup "$home"' EXIT
mkdir -p "$home/shots" "$home/save"

export CAMSETUP_EXE="$root/build/windows/ui/camsetup.exe"
tests/e2e/wine_env.sh shell "$home" en_US.UTF-8 bash -c '
  set -u
  shots=$1 save=$2 out=$3
  wine "$4" "$shots" "$save" &
  tour=$!
  # Each NAME.ready holds the window rectangle to cut from the root window.
  while kill -0 "$tour" 2>/dev/null; do
    for ready in "$shots"/*.ready; do
      [ -e "$ready" ] || continue
      name=$(basename "$ready" .ready)
      read -r x y w h < "$ready"
      rm -f "$ready"
      import -window root -crop "${w}x${h}+${x}+${y}" +repage "$out/$name.png"
      cp "$out/$name.png" "$shots/$name.png.tmp" && mv "$shots/$name.png.tmp" "$shots/$name.png"
    done
    sleep 0.1
  done
  wait "$tour"
' tour "$home/shots" "$home/save" "$out" "$root/build/windows/tests/e2e/screen_tour.exe"

echo "screenshots in $out:"
ls -1 "$out"
