#!/usr/bin/env bash
# Runs tnm under a private X server against the device lab, drives it with
# the keyboard as a user would and saves screenshots of the main window, the
# connect dialog, the progress bar during a connection and the table window.
#   tools/screenshots.sh [BUILD_DIR] [OUT_DIR]     (defaults: build, /tmp/tnm-shots)
# Needs xvfb, xdotool and imagemagick (installed here when missing).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out=${2:-/tmp/tnm-shots}
mkdir -p "$out"

need=()
for p in xvfb xdotool imagemagick; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${need[@]}"
fi

export DISPLAY=:77
export TNM_LAB_RUN=${TNM_LAB_RUN:-/tmp/tnm-lab-shots}
Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
tnm=
cleanup() {
    [ -n "$tnm" ] && kill "$tnm" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    python3 "$root/tests/lab/lab.py" stop >/dev/null 2>&1 || true
}
trap cleanup EXIT
python3 "$root/tests/lab/lab.py" start >/dev/null

shot() { sleep "${2:-0.5}"; import -window root "$out/$1.png"; echo "$out/$1.png"; }
keys() { xdotool key --delay 60 "$@"; }
type_text() { xdotool type --delay 30 "$1"; }

sleep 1
"$build/bin/tnm" &
tnm=$!
sleep 2
# Without a window manager nothing maximizes or focuses the window: do both.
win=$(xdotool search --sync --onlyvisible --name "^Talvex Network Management" | head -1)
xdotool windowmove "$win" 0 0 windowsize "$win" 1280 800 windowfocus --sync "$win"
shot 1-main-window

# Analysis menu, first command: the connect dialog.
keys alt+a Return
dialog=$(xdotool search --sync --onlyvisible --name "^Configuration and Interface Table Analysis$" | head -1)
xdotool windowmove "$dialog" 380 200 windowfocus --sync "$dialog"
# Community field has the focus: a wrong community first, then the right one.
type_text "wrong"; keys Return
keys ctrl+a; type_text "public"; keys Return
# Tab to the address field (Add, Clear, Vendor, Version, Address).
keys Tab Tab Tab Tab Tab
type_text "$(python3 "$root/tests/lab/lab.py" address big)"
shot 2-connect-dialog
keys Return
shot 3-connecting 1.5
shot 4-connecting-later 3
# Wait for the table window of the 1200-port device.
for _ in $(seq 1 60); do
    xdotool search --name "Interface Table - " >/dev/null 2>&1 && break
    sleep 1
done
shot 5-table-window 1
