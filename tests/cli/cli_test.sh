#!/usr/bin/env bash
# Checks the companion's exit statuses and a few answers against the documented contract.
set -u
source "$(dirname "$0")/expect.sh"

expect_contains "no command" 2 "" --
expect_contains "unknown command" 2 "" -- frobnicate
expect_contains "short construction" 1 "" -- analyse 2222
expect_contains "cell code out of range" 1 "" -- analyse 82222222222222222222222
expect_contains "slot order out of range" 1 "" -- analyse 22222222222222222222262
expect_contains "water accepted" 0 '"accepted":true' -- analyse 54222222242232222222322
expect_contains "lone carbon refused" 0 '"accepted":false' -- analyse 32222222222222222222222
expect_contains "bonded corner shifted" 0 '"3":[88,56]' -- analyse 33242222222232322222222
if [ "$fails" -eq 0 ]; then echo "cli contract: all passed"; fi
exit "$fails"
