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
# Ions: with --charges ammonium keeps its fourth hydrogen and carries its charges.
expect_contains "ammonium with charges" 0 '"formula":"NH4+","charge":-1,"charges":[1,0,0,0,0,0,0,0,0,0,0,0]' -- analyse --charges 64222424242232223232322
expect_contains "ammonium cut without" 0 '{"construction":"64222424222232223232222","accepted":true,"formula":"NH3","charge":0,"corners"' -- analyse 64222424242232223232322
expect_contains "hydroxide with charges" 0 '"accepted":true,"formula":"HO-","charge":1,"charges":[-1,' -- analyse --charges 54222222222232222222222
expect_contains "lone oxygen refused with charges" 0 '"accepted":false,"formula":"","charge":2,"charges":[-2,' -- analyse --charges 52222222222222222222222
# Ions drawn as in the textbooks, the species' charge as a number, a charge of 2 apart.
expect_contains "nitrate kept" 0 '{"construction":"65222522252232223222422","accepted":true,"formula":"NO3-"' -- analyse --charges 65222522252222222222422
expect_contains "nitrate charge" 0 '"netCharge":-1,' -- analyse --charges 65222522252222222222422
expect_contains "carbonate apart" 0 '"formula":"CO3 2-",' -- analyse --charges 35222522252232223222422
expect_contains "misdrawn methanol refused" 0 '"accepted":false' -- analyse --charges 35422224244233222232332
# A vacancy: the 24th character, the box where the pair would be, the plane cation.
expect_contains "methylium" 0 '"formula":"CH3+",' -- analyse --charges 342222242422322222323223
expect_contains "methylium vacancy" 0 '"pairs":[[],[],[],[],[],[],[],[],[],[],[],[]],"vacancies":[["bottom"],[]' -- analyse --charges 342222242422322222323223
expect_contains "vacancy only on carbon" 1 "" -- analyse 542222222422322222223223
# Polarity: the δ signs of the cells and the sentence.
expect_contains "water polar" 0 '"polar":true,"delta":["-","+","","","","","","","","+","",""]' -- analyse --polarity 54222222242232222222322
expect_contains "water sentence" 0 'coudée.\r\nLa molécule est polaire.",' -- analyse --polarity 54222222242232222222322
expect_contains "carbon dioxide apolar" 0 '"polar":false' -- analyse --polarity 35222225222242222242222
expect_contains "no polarity told of an ion" 0 '"polar":null' -- analyse --charges --polarity 54222222222232222222222
if "$cli" render dot 54222222242232222222322 "$work/plain.svg" >/dev/null 2>&1 \
   && "$cli" render dot 54222222242232222222322 "$work/delta.svg" --polarity >/dev/null 2>&1; then
    grep -q 'δ+' "$work/delta.svg" || fail "render dot --polarity draws no δ+"
    grep -q 'δ' "$work/plain.svg" && fail "render dot draws δ marks without --polarity"
else
    fail "render dot --polarity"
fi
if "$cli" render dot 54222222222232222222222 "$work/plain.png" >/dev/null 2>&1 \
   && "$cli" render dot 54222222222232222222222 "$work/marks.png" --charges >/dev/null 2>&1; then
    # Refused, the plain hydroxide is a blank picture; with the charges it is drawn.
    cmp -s "$work/plain.png" "$work/marks.png" && fail "render dot --charges draws nothing more"
fi
if [ "$fails" -eq 0 ]; then echo "cli contract: all passed"; fi
exit "$fails"
