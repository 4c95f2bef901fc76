#!/usr/bin/env bash
# suite-host on a real X server (Xvfb with the openbox window manager), driven with xdotool as a person at
# the keyboard drives it, on a fresh demo database:
#   1. with a large font setting (QT_FONT_DPI=120) the main window fits a 1920x1080 and a 1280x800 screen;
#   2. the console, maximised inside the main window and restored, lives through the main window being
#      maximised, restored and resized;
#   3. a keyboard-only walk through the variant configurator (add, edit, save, undo, delete) and the options
#      (a variant picked in the lookup window, an option added) leaves the rows it should in the database.
# Usage: real_window_test.sh SUITE_HOST SUITE_DB WORK_FOLDER
# Exits 77 (skipped) when Xvfb, openbox or xdotool is not installed (scripts/setup installs them).
set -uo pipefail

host=$1
suite_db=$2
work=$3

for tool in Xvfb openbox xdotool xwininfo; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is not installed (bash scripts/setup installs Xvfb, openbox and xdotool)"
    exit 77
  fi
done

rm -rf "$work" && mkdir -p "$work/home"
database=$work/demo.db
"$suite_db" init "$database" --demo --force >/dev/null || { echo "FAIL: suite-db init"; exit 1; }

server_pid=
manager_pid=
host_pid=
failures=0
# A process that does not end within two seconds of being asked is killed, so the test never hangs on its way out.
stop() {
  [ -n "$1" ] || return 0
  kill "$1" 2>/dev/null || return 0
  for _ in $(seq 20); do
    kill -0 "$1" 2>/dev/null || break
    sleep 0.1
  done
  kill -9 "$1" 2>/dev/null
  wait "$1" 2>/dev/null
}
stop_all() {
  stop "$host_pid"
  stop "$manager_pid"
  stop "$server_pid"
  host_pid= manager_pid= server_pid=
}
trap stop_all EXIT

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
  if command -v xwd >/dev/null; then
    xwd -root -silent > "$work/failure-$failures.xwd" 2>/dev/null && echo "      the screen is in $work/failure-$failures.xwd"
  fi
}

# A screen of the given size with its window manager; DISPLAY names it.
start_screen() {
  rm -f "$work/display"
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  server_pid=$!
  for _ in $(seq 50); do
    [ -s "$work/display" ] && break
    sleep 0.2
  done
  [ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
  export DISPLAY=:$(head -1 "$work/display")
  openbox >"$work/openbox.log" 2>&1 &
  manager_pid=$!
  sleep 1
}

main_window=
start_host() {
  XDG_DATA_HOME=$work/home HOME=$work/home QT_FONT_DPI=120 "$host" --db "$database" >"$work/host.log" 2>&1 &
  host_pid=$!
  main_window=$(xdotool search --sync --onlyvisible --name "^Suite gestionale" | head -1)
  [ -n "$main_window" ] || { echo "FAIL: the main window did not show"; cat "$work/host.log"; exit 1; }
  sleep 2
}

alive() { kill -0 "$host_pid" 2>/dev/null || { fail "suite-host ended while $1"; cat "$work/host.log"; exit 1; }; }

# The main window, title bar included, lies on the screen.
check_fits() {
  local screen=$1 info x y width height
  info=$(xwininfo -id "$main_window")
  x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
  y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
  width=$(sed -n 's/^ *Width: *//p' <<<"$info")
  height=$(sed -n 's/^ *Height: *//p' <<<"$info")
  local screen_width=${screen%x*} screen_height=${screen#*x}
  if ((x < 0 || y <= 0 || x + width > screen_width || y + height > screen_height)); then
    fail "on a $screen screen the main window is at ${x},${y} ${width}x${height}"
  fi
}

keys() {
  xdotool key --clearmodifiers --delay 120 "$@"
  sleep 0.6
}
typed() {
  xdotool type --clearmodifiers --delay 60 "$1"
  sleep 0.4
}
rows() { "$suite_db" sql "$database" -c "$1" | tail -n +2; }
# The database holds the rows expected (a loaded machine may take a moment to get there).
expect_rows() {
  local what=$1 statement=$2 expected=$3 actual
  for _ in $(seq 25); do
    actual=$(rows "$statement")
    [ "$actual" == "$expected" ] && return
    sleep 0.2
  done
  fail "$what: expected [$expected], the database holds [$actual]"
}

# 1. The main window fits the screen with a large font setting.
for screen in 1920x1080 1280x800; do
  start_screen "$screen"
  start_host
  alive "opening on a $screen screen"
  check_fits "$screen"
  [ "$screen" == 1280x800 ] || stop_all
done

# 2. The console maximised inside the main window, the main window maximised, restored and resized.
xdotool windowactivate --sync "$main_window" 2>/dev/null
sleep 0.5
keys ctrl+F10
xdotool windowstate --add MAXIMIZED_VERT,MAXIMIZED_HORZ "$main_window" 2>/dev/null || xdotool windowsize "$main_window" 100% 100%
sleep 1; alive "maximising the main window over a maximised console"
xdotool windowstate --remove MAXIMIZED_VERT,MAXIMIZED_HORZ "$main_window" 2>/dev/null
sleep 1; alive "restoring the main window over a maximised console"
for size in "900 600" "1200 760" "1000 700"; do
  xdotool windowsize "$main_window" $size
  sleep 0.7; alive "resizing the main window to $size over a maximised console"
done
keys ctrl+F5
xdotool windowsize "$main_window" 1150 740
sleep 0.7; alive "resizing the main window over a restored console"
check_fits 1280x800

# 3. The keyboard-only walk. The sidebar has the focus: down to "Configuratore varianti", Enter opens it.
xdotool windowactivate --sync "$main_window" 2>/dev/null
variant="SELECT MG5F_DESCR_VAR FROM MG5F_DIMECONF WHERE MG5F_DITTA_CG18 = 1 AND MG5F_DESCR_VAR LIKE 'PROVA%'"
keys Down Return
keys ctrl+n
typed "prova tastiera"
# Past the nature to the size: the demo's variants leave one character of the twenty.
keys Tab Tab ctrl+a
typed "1"
keys ctrl+s
expect_rows "a variant added with Ctrl+N, typed into the first field and saved with Ctrl+S" "$variant" "PROVA TASTIERA"
keys shift+Tab shift+Tab ctrl+a
typed "prova modificata"
keys F10
expect_rows "the variant edited and saved with F10" "$variant" "PROVA MODIFICATA"
keys ctrl+a
typed "prova da annullare"
keys Escape
expect_rows "an edit undone with Esc" "$variant" "PROVA MODIFICATA"
keys ctrl+Delete
keys s
expect_rows "the variant deleted with Ctrl+Del, confirmed with S" "$variant" ""
alive "walking through the variant configurator"

# Shift+Tab from the first field reaches the sidebar; the options of the variant picked with F3 and Enter.
keys shift+Tab Down Return
keys F3
if ! xdotool search --sync --onlyvisible --name "." >/dev/null; then fail "no lookup window"; fi
keys Return
keys ctrl+n
typed "ZZ"
keys Tab
typed "prova opzione"
keys ctrl+s
expect_rows "an option added to the variant picked in the lookup window" \
  "SELECT MG5E_CODICEVAR_MG5F, MG5E_OPZIONE FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = 1 AND MG5E_OPZIONE = 'ZZ'" \
  "A0	ZZ"
alive "adding an option"

if ((failures > 0)); then
  echo "$failures check(s) failed; suite-host said:"
  cat "$work/host.log"
  exit 1
fi
echo "suite-host on a real X server: every check passed"
