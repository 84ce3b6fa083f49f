#!/usr/bin/env bash
# Checks the companion's exit statuses and a few answers against the documented contract.
set -u
cli=${TAVIR_CLI:?}
fails=0
expect() {  # expect NAME EXPECTED_STATUS EXPECTED_SUBSTRING -- ARGS...
    local name=$1 status=$2 want=$3; shift 4
    local out rc
    out=$("$cli" "$@" 2>/dev/null); rc=$?
    if [ "$rc" != "$status" ] || [[ "$out" != *"$want"* ]]; then
        echo "FAIL $name: status $rc, output: $out"; fails=$((fails + 1))
    fi
}
expect "no command" 2 "" --
expect "unknown command" 2 "" -- frobnicate
expect "short construction" 1 "" -- analyse 2222
expect "cell code out of range" 1 "" -- analyse 82222222222222222222222
expect "slot order out of range" 1 "" -- analyse 22222222222222222222262
expect "water accepted" 0 '"accepted":true' -- analyse 54222222242232222222322
expect "lone carbon refused" 0 '"accepted":false' -- analyse 32222222222222222222222
expect "bonded corner shifted" 0 '"3":[88,56]' -- analyse 33242222222232322222222
if [ "$fails" -eq 0 ]; then echo "cli contract: all passed"; fi
exit "$fails"
