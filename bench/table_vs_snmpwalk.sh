#!/usr/bin/env bash
# Times tnm-table on the lab's 1200-interface device against net-snmp's
# snmpwalk of the same seven columns run one after another, and prints the
# ratio; once on plain loopback and once behind a relay that delays every
# datagram by 1 ms each way. Run by hand after a build:
#   bash bench/table_vs_snmpwalk.sh [build-dir]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}
tool=$build/bin/tnm-table
device=127.0.0.18
relay_addr=127.0.0.60
export TNM_LAB_RUN=${TNM_LAB_RUN:-/tmp/tnm-bench-lab}

python3 "$top/tests/lab/lab.py" start >/dev/null
relay_pid=
cleanup() {
    [ -n "$relay_pid" ] && kill "$relay_pid" 2>/dev/null || true
    python3 "$top/tests/lab/lab.py" stop >/dev/null || true
}
trap cleanup EXIT

# The columns the fillers read: ifName, ifOperStatus, ifAlias, ifSpeed,
# dot3StatsDuplexStatus, ipAdEntAddr, dot1qPvid (with their index walks).
columns="1.3.6.1.2.1.31.1.1.1.1 1.3.6.1.2.1.2.2.1.8 1.3.6.1.2.1.31.1.1.1.18 1.3.6.1.2.1.2.2.1.5
1.3.6.1.2.1.10.7.2.1.19 1.3.6.1.2.1.4.20.1.1 1.3.6.1.2.1.17.7.1.4.5.1.1"

seconds() { python3 -c 'import time; print(time.monotonic())'; }

measure() {
    local target=$1 label=$2
    local t0 t1 t2
    t0=$(seconds)
    "$tool" -c public "$target" >/tmp/tnm-bench-table.json
    t1=$(seconds)
    for c in $columns; do
        snmpwalk -v1 -c public -On -Cc -r3 -t1 "$target" "$c" >/dev/null
    done
    t2=$(seconds)
    python3 - "$t0" "$t1" "$t2" "$label" <<'PY'
import json, sys
t0, t1, t2 = map(float, sys.argv[1:4])
rows = len(json.load(open("/tmp/tnm-bench-table.json"))["rows"])
table, walks = t1 - t0, t2 - t1
print(f"{sys.argv[4]}: tnm-table {table:.2f} s ({rows} rows), "
      f"seven snmpwalks in a row {walks:.2f} s, ratio {table / walks:.2f}")
PY
}

measure "$device" "loopback"
python3 "$top/bench/udp_delay_relay.py" --listen "$relay_addr:161" --agent "$device:161" \
    --delay-ms 1 --seconds 300 &
relay_pid=$!
sleep 0.5
measure "$relay_addr" "1 ms each way"
