#!/usr/bin/env bash
# Checks the calculator commands of the companion against their documented contract.
set -u
source "$(dirname "$0")/expect.sh"

# eval: one JSON object, whatever the evaluation gives.
expect "eval molar mass" 0 '{"code":0,"result":"16.043","display":" 16.043"}' -- eval "12.011 + 4 * 1.008"
expect "eval joins arguments" 0 '{"code":0,"result":"16.043","display":" 16.043"}' -- eval 12.011 + 4 '*' 1.008
expect "eval leading minus is expression" 0 '{"code":0,"result":"4","display":" 4"}' -- eval -2 ^ 2
expect "eval degrees by default" 0 '{"code":0,"result":".5","display":" .5"}' -- eval "sin 30"
expect "eval radians" 0 '{"code":0,"result":"1.5707963267949","display":" 1.5707963267949"}' -- eval --radians "invSIN 1"
expect "eval options anywhere" 0 '{"code":0,"result":"500","display":"5.E+02"}' -- eval 500 --scientific
expect "eval negative standard" 0 '{"code":0,"result":"-3","display":"-3"}' -- eval "2 - 5"
expect "eval prefix" 0 '{"code":0,"result":"2","display":" 2"}' -- eval "10 ^ 3 * 2E-3"
expect "eval code 1" 0 '{"code":1,"result":null,"display":"Calcul impossible"}' -- eval "1 / 0"
expect "eval code 2" 0 '{"code":2,"result":null,"display":"Erreur saisie : revoir les parenthèses"}' -- eval "(2 + 3"
expect "eval code 3" 0 '{"code":3,"result":null,"display":"Erreur saisie : incompréhension sur opérateurs : ^ * / + -"}' -- eval "2 * + 3"
expect "eval overflow" 0 '{"code":0,"result":null,"display":"Dépassement de capacité"}' -- eval 1E400
expect "eval too long" 0 '{"code":1,"result":null,"display":"Calcul impossible"}' -- eval "$(printf '1%.0s' $(seq 1001))"
expect "eval without expression" 2 '' -- eval
expect "eval only options" 2 '' -- eval --radians
# keys: from a fresh window, in order.
expect "keys implicit times" 0 '{"line":"2 * cos 60","display":"2 * cos 60","answer":"","memory":0}' -- keys B2 Bcos B6 B0
expect "keys answer reused" 0 '{"line":"","display":" 10","answer":" 10","memory":0}' -- keys B5 EXE multip B2 EXE
expect "keys memory" 0 '{"line":"","display":" .5","answer":" .5","memory":-0.5}' -- keys B1 div B2 EXE Command2
expect "keys unbalanced keeps line" 0 '{"line":"(2 + 3","display":"Erreur saisie : revoir les parenthèses","answer":"Erreur saisie : revoir les parenthèses","memory":0}' -- keys Bpo B2 plus B3 EXE
expect "keys options" 0 '{"line":"","display":"5.E+02","answer":" 500","memory":0}' -- keys B5 B0 B0 EXE scientifique
expect "keys radians" 0 '{"line":"","display":" 1.5707963267949","answer":" 1.5707963267949","memory":0}' -- keys radians invsin B1 EXE
expect "keys backspace" 0 '{"line":"2 * ","display":"2 * ","answer":"","memory":0}' -- keys B2 Bcos EFFACE
expect "keys none" 0 '{"line":"","display":"","answer":"","memory":0}' -- keys
expect "keys unknown" 2 '' -- keys B2 angle0
if [ "$fails" -eq 0 ]; then echo "calculator commands: all passed"; fi
exit "$fails"
