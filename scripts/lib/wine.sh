# One Wine session for the scripts that run Windows programs: a fresh prefix of its own, the
# Wine server of that prefix only, a virtual display when asked, and everything taken down when
# the script exits. Sourced, not run:
#
#   source scripts/lib/wine.sh
#   wine_session            # WINEPREFIX: a fresh prefix, initialised (or copied, see below)
#   wine_display [WxHxD]    # DISPLAY: a virtual screen of its own (Xvfb), 1280x1024x24
#   "$WINE" program.exe ...
#
# The script's own clean-up goes through at_exit, which runs the steps in reverse order on exit
# (one EXIT trap for all of them).
#
# Without a window manager (a virtual display has none), Wine waits about 2 s at every hide of
# a managed window for a manager that never answers; on a virtual display the session's windows
# are made unmanaged (HKCU\Software\Wine\X11 Driver, Managed = "N"), which behaves as a
# desktop whose manager answers at once. On a real display they stay managed.
#
# ORVANE_WINE_TEMPLATE, when set to a prefix made by wine_make_template, is copied (hard links,
# the registry files copied) instead of running wineboot again: a fresh prefix in a fraction of
# a second rather than about ten.

WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

_at_exit_steps=()
at_exit() {
  _at_exit_steps+=("$1")
  trap _run_at_exit EXIT
  # Interrupted or ended (ctest's time-out), the steps run all the same.
  trap 'exit 130' INT
  trap 'exit 143' TERM
}
_run_at_exit() {
  local i status=$?
  for ((i = ${#_at_exit_steps[@]} - 1; i >= 0; i--)); do
    eval "${_at_exit_steps[i]}" || true
  done
  _at_exit_steps=()
  return $status
}

# Makes a prefix at $1 (a new or empty folder) with wineboot.
wine_make_prefix() {
  mkdir -p "$1"
  WINEPREFIX=$1 WINEDEBUG=-all "$WINE" wineboot --init >/dev/null 2>&1 || true
  WINEPREFIX=$1 "$WINESERVER" -w
}

# Makes the prefix at $1 give its windows no window manager (see above).
wine_unmanaged() {
  WINEPREFIX=$1 WINEDEBUG=-all "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N \
    /f >/dev/null 2>&1
}

# A prefix for the sessions of one run to copy (ORVANE_WINE_TEMPLATE): made at $1, unmanaged.
wine_make_template() {
  wine_make_prefix "$1"
  wine_unmanaged "$1"
  WINEPREFIX=$1 "$WINESERVER" -w
  touch "$1/.orvane-unmanaged"
}

# A fresh prefix for this script, WINEPREFIX and WINEDEBUG exported; ended and removed on exit.
wine_session() {
  WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/orvane-wine.XXXXXX")
  export WINEPREFIX WINEDEBUG=-all
  at_exit 'wine_end_session'
  if [ -n "${ORVANE_WINE_TEMPLATE:-}" ] && [ -f "$ORVANE_WINE_TEMPLATE/system.reg" ]; then
    cp -al "$ORVANE_WINE_TEMPLATE/." "$WINEPREFIX/"
    # The server replaces the registry files by renaming new ones into place, but a copy of
    # their own keeps each prefix's registry apart whatever it does.
    local reg
    for reg in "$WINEPREFIX"/*.reg; do
      cp --remove-destination "$ORVANE_WINE_TEMPLATE/${reg##*/}" "$reg"
    done
  else
    wine_make_prefix "$WINEPREFIX"
  fi
}

# Ends every process of the session's prefix and removes it.
wine_end_session() {
  [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ] || return 0
  "$WINESERVER" -k 2>/dev/null || true
  timeout 20 "$WINESERVER" -w 2>/dev/null || true
  rm -rf "$WINEPREFIX"
}

# A virtual screen of its own (default 1280x1024x24), DISPLAY exported; stopped on exit. Xvfb
# picks a free display number itself, so sessions started side by side never collide.
wine_display() {
  local size=${1:-1280x1024x24} out pid _
  out=$(mktemp "${TMPDIR:-/tmp}/orvane-xvfb.XXXXXX")
  Xvfb -displayfd 1 -screen 0 "$size" -nolisten tcp >"$out" 2>"$out.log" &
  pid=$!
  # The session's programs end before their display does.
  at_exit "wine_end_session; kill $pid 2>/dev/null; wait $pid 2>/dev/null; rm -f '$out' '$out.log'"
  for _ in $(seq 100); do
    [ -s "$out" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if [ ! -s "$out" ]; then
    echo "wine.sh: the virtual display did not start:" >&2
    cat "$out.log" >&2
    return 1
  fi
  export DISPLAY=:$(head -n 1 "$out")
  # Nothing manages the windows on this display (unless ORVANE_WINE_MANAGED=1 asks for Wine's
  # own default).
  [ -n "${WINEPREFIX:-}" ] || return 0
  if [ "${ORVANE_WINE_MANAGED:-}" = 1 ]; then
    if [ -f "$WINEPREFIX/.orvane-unmanaged" ]; then
      "$WINE" reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f >/dev/null 2>&1
      rm -f "$WINEPREFIX/.orvane-unmanaged"
    fi
  elif [ ! -f "$WINEPREFIX/.orvane-unmanaged" ]; then
    wine_unmanaged "$WINEPREFIX"
    touch "$WINEPREFIX/.orvane-unmanaged"
  fi
}

# Sets the session's display scale in dots per inch (HKCU\Control Panel\Desktop, LogPixels:
# 144 is 150%), read by each program as it starts. ORVANE_WINE_DPI asks for it in wine-test.
wine_dpi() {
  "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
    >/dev/null 2>&1
}

# Waits for every process of the session's prefix to end, at most $1 seconds (default 60).
wine_wait() {
  timeout "${1:-60}" "$WINESERVER" -w
}
