#!/usr/bin/env bash
# A throwaway Wine world for the end-to-end tests, under one folder:
#   wine_env.sh setup HOME     fresh prefix (wineboot once), CJK font
#                              replacements, zh_CN and en_US locales
#   wine_env.sh run HOME LANG PROGRAM [ARGS...]
#                              runs a Windows program there under Xvfb with
#                              the system language of LANG
#   wine_env.sh shell HOME LANG COMMAND [ARGS...]
#                              the same world for a Unix command (a script
#                              that runs wine and takes screenshots)
#   wine_env.sh cleanup HOME   stops the prefix's wineserver, removes HOME
set -euo pipefail

command=$1
home=$2
shift 2

export WINEPREFIX="$home/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

case "$command" in
  setup)
    WINEPREFIX="$WINEPREFIX" wineserver -k 2>/dev/null || true
    rm -rf "$home"
    mkdir -p "$home/locale"
    # Wine takes the system language from the Unix locale, which must exist:
    # build the two the tests use here instead of changing the system.
    for locale in zh_CN en_US; do
      localedef -i "$locale" -f UTF-8 "$home/locale/$locale.UTF-8" 2>/dev/null || true
      [ -d "$home/locale/$locale.UTF-8" ] || { echo "cannot build locale $locale" >&2; exit 1; }
    done
    xvfb-run -a wineboot -i >/dev/null 2>&1
    # Dialog fonts without CJK glyphs would show boxes for Chinese texts.
    for font in "MS Shell Dlg" "MS Shell Dlg 2" "Tahoma" "Microsoft Sans Serif"; do
      wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$font" /t REG_SZ \
        /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1
    done
    # No window manager under Xvfb: Wine draws the frames itself and does not
    # wait for one when a window is hidden.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    wineserver -w
    ;;
  run)
    lang=$1
    shift
    unset LC_ALL LC_CTYPE LC_MESSAGES LANGUAGE
    export LOCPATH="$home/locale" LANG="$lang"
    exec xvfb-run -a -s "-screen 0 1280x1024x24" wine "$@"
    ;;
  shell)
    lang=$1
    shift
    unset LC_ALL LC_CTYPE LC_MESSAGES LANGUAGE
    export LOCPATH="$home/locale" LANG="$lang"
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
    ;;
  cleanup)
    wineserver -k 2>/dev/null || true
    rm -rf "$home"
    ;;
  *)
    echo "usage: $0 setup|run|shell|cleanup HOME ..." >&2
    exit 2
    ;;
esac
