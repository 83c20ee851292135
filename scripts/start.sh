#!/usr/bin/env bash
# Starts camsetup.exe under Wine, built first if needed. The tool saves its
# files into the folder it is started from: the current folder. Without a
# display it runs under Xvfb, saves a picture of Main Setup and ends.
set -euo pipefail
start_folder=$PWD
cd "$(dirname "$0")/.."
root=$PWD

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j "${JOBS:-$(nproc)}" --target camsetup
program="$root/build/windows/ui/camsetup.exe"

# A Wine prefix of the tool's own, kept between starts.
home="$root/build/windows/wine-app"
[ -f "$home/prefix/system.reg" ] && [ -d "$home/locale" ] || tests/e2e/wine_env.sh setup "$home"
lang=${LANG:-en_US.UTF-8}
case "$lang" in zh_CN*) lang=zh_CN.UTF-8 ;; *) lang=en_US.UTF-8 ;; esac

# On a desktop the window manager frames the windows; under Xvfb, with none,
# Wine draws the frames itself.
managed=N
[ -n "${DISPLAY:-}" ] && managed=Y
WINEPREFIX="$home/prefix" WINEDEBUG=-all wine reg add 'HKCU\Software\Wine\X11 Driver' \
  /v Managed /t REG_SZ /d "$managed" /f >/dev/null 2>&1
# The wineserver that edit started has no display; the tool needs a new one.
WINEPREFIX="$home/prefix" wineserver -k 2>/dev/null || true

if [ -n "${DISPLAY:-}" ]; then
  export WINEPREFIX="$home/prefix" WINEDEBUG=-all LOCPATH="$home/locale" LANG="$lang"
  unset LC_ALL LC_CTYPE LC_MESSAGES LANGUAGE
  cd "$start_folder"
  exec wine "$program"
fi

picture="$root/build/windows/main-setup.png"
log="$root/build/windows/camsetup-start.out"
rm -f "$picture"
tests/e2e/wine_env.sh shell "$home" "$lang" bash -c '
  cd "$1"
  wine "$2" > "$3" &
  tool=$!
  # Wine may take a while to start the first time: wait for the window itself.
  for _ in $(seq 600); do
    xwininfo -root -tree 2>/dev/null | grep -qE "\"(Setup|设置)\"" && break
    kill -0 "$tool" 2>/dev/null || break
    sleep 0.1
  done
  sleep 1
  import -window root -trim +repage "$4" || true
  kill "$tool" 2>/dev/null || true
  wait "$tool" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
' start "$start_folder" "$program" "$log" "$picture"
if [ ! -s "$picture" ] || ! grep -q "CurDir:" "$log"; then
  echo "camsetup.exe did not show Main Setup under Xvfb; trace lines: $log" >&2
  exit 1
fi
echo "No display: camsetup.exe ran under Xvfb."
echo "Main Setup: $picture"
echo "Trace lines: $log"
