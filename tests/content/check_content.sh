#!/usr/bin/env bash
# Checks the shipped content as the program will meet it: the guided tour and every exercise
# file in the program's data folder open, name files that exist, their RTF files read, their
# series load, and every construction is kept by the analysis as written, accepted (unless its
# source marks it as an unfinished step) and shows the formula its source declares.
# usage: TAVIR_CLI=... check_content.sh DATA_FOLDER SOURCE_FOLDER
set -u
cli=${TAVIR_CLI:?}
data=${1:?data folder (share/tavir)}
source=${2:?source folder (data/)}
fails=0
checked=0
fail() { echo "FAIL $1"; fails=$((fails + 1)); }

# The value of a string key in a one-line JSON object (no escaped quotes in our values).
json_string() { sed -n "s/.*\"$1\":\"\([^\"]*\)\".*/\1/p" <<<"$2"; }
# The texts of a JSON array of strings held by key $1, one per line.
json_array() { sed -n "s/.*\"$1\":\[\([^]]*\)\].*/\1/p" <<<"$2" | sed 's/","/"\n"/g' | sed 's/^"//; s/"$//'; }

check_rtf() {  # check_rtf FILE
    local file=$1 out
    [ "$(head -c 6 "$file")" = '{\rtf1' ] || { fail "$file: does not start as RTF"; return; }
    # Balanced braces, escaped ones left out.
    local opened closed
    opened=$(sed 's/\\[{}]//g' "$file" | tr -cd '{' | wc -c)
    closed=$(sed 's/\\[{}]//g' "$file" | tr -cd '}' | wc -c)
    [ "$opened" = "$closed" ] || fail "$file: $opened opening braces, $closed closing"
    out=$("$cli" rtf dump "$file") || { fail "$file: rtf dump refused it"; return; }
    # The title comes first, bold; no RTF leaks into the text.
    case "$out" in '{"paragraphs":[{"align":"center","indent":0,"runs":[{"text":"'*'"bold":true'*) ;;
        *) fail "$file: no bold centred title first";; esac
    case "$out" in *'\\'*|*'{\\'*) fail "$file: a backslash in the text (broken control word?)";; esac
    grep -q '"text":"[^"]*[{}]' <<<"$out" && fail "$file: a brace in the text"
    # Formulas are written with real subscripts: CH{\sub 4}, not CH4.
    local flat
    flat=$(grep -oE '"text":"[^"]*"' <<<"$out" | grep -E '[^A-Za-z0-9.](Cl|C|H|O|N)+[0-9]')
    [ -z "$flat" ] || fail "$file: a formula without subscripts: $flat"
    # A text that asks for a table to be filled in gives the table.
    if grep -q '"text":"[^"]*tableau' <<<"$out"; then
        case "$out" in *'"table":'*) ;; *) fail "$file: speaks of a table and holds none";; esac
    fi
}

check_series() {  # check_series FILE SOURCE_TXT
    local file=$1 src=$2 dump
    dump=$("$cli" series dump "$file") || { fail "$file: series dump refused it"; return; }
    mapfile -t loaded < <(json_array constructions "$dump")
    [ "${#loaded[@]}" = 10 ] || { fail "$file: ${#loaded[@]} entries"; return; }
    # The source lines, comments dropped, in order.
    mapfile -t lines < <(sed 's/#.*//; s/^[ \t]*//; s/[ \t]*$//' "$src" | grep -v '^$')
    local i
    for ((i = 0; i < 10; ++i)); do
        local entry=${loaded[$i]} line=${lines[$i]:-}
        if [ -z "$line" ]; then
            [ -z "$entry" ] || fail "$file: entry $((i + 1)) is $entry, its source has none"
            continue
        fi
        read -r construction formula _ <<<"$line"
        [ "$construction" = "-" ] && construction=22222222222222222222222
        [ "$entry" = "$construction" ] || { fail "$file: entry $((i + 1)) is $entry, source says $construction"; continue; }
        local out options=()
        # An ion is shown with the formal charges ticked.
        case "$formula" in *+|*-) options=(--charges);; esac
        out=$("$cli" analyse "${options[@]}" "$entry") || { fail "$file: analyse refused $entry"; continue; }
        checked=$((checked + 1))
        [ "$(json_string construction "$out")" = "$entry" ] || fail "$file: the analysis changes $entry"
        if [ "$line" = "-" ]; then
            continue
        elif [ "$formula" = incomplete ]; then
            case "$out" in *'"accepted":false'*) ;; *) fail "$file: $entry is accepted, its source says incomplete";; esac
        else
            case "$out" in *'"accepted":true'*) ;; *) fail "$file: $entry is not accepted";; esac
            [ "$(json_string formula "$out")" = "$formula" ] || fail "$file: $entry shows $(json_string formula "$out"), source says $formula"
        fi
    done
}

# The value of a key of a description file.
describe() { sed -n "s/^$1:[ \t]*//p" "$2" | sed 's/[ \t]*$//'; }

check_exercise() {  # check_exercise EXERCISE_FILE SOURCE_DIR TOUR(0/1)
    local file=$1 dir=$2 tour=$3 dump
    dump=$("$cli" exercise dump "$file") || { fail "$file: exercise dump refused it"; return; }
    mapfile -t records < <(json_array records "$dump")
    [ "${#records[@]}" = 11 ] || { fail "$file: ${#records[@]} records"; return; }
    local r
    for r in 0 1 2 3; do
        local name=${records[$r]}
        [ -n "$name" ] || continue
        case "$name" in /*|*..*) fail "$file: record $((r + 1)) leaves the data folder: $name"; continue;; esac
        [ -f "$data/$name" ] || { fail "$file: record $((r + 1)) names a missing file: $name"; continue; }
    done
    [ -n "${records[0]}" ] && [ -f "$data/${records[0]}" ] && check_rtf "$data/${records[0]}"
    local series_src
    series_src=$(describe statement-series "$dir/exercise.txt")
    if [ -n "$series_src" ]; then
        [ -n "${records[1]}" ] || fail "$file: no statement series, its source has $series_src"
        [ -n "${records[1]}" ] && [ -f "$data/${records[1]}" ] && check_series "$data/${records[1]}" "$dir/$series_src"
    else
        [ -z "${records[1]}" ] || fail "$file: a statement series its source does not have"
    fi
    if [ "$tour" = 1 ]; then
        for r in 2 3 4 5 6 7 8 9 10; do [ -z "${records[$r]}" ] || fail "$file: record $((r + 1)) is not empty"; done
        return
    fi
    [ -n "${records[2]}" ] && [ -f "$data/${records[2]}" ] && check_rtf "$data/${records[2]}"
    [ -n "${records[2]}" ] || fail "$file: no correction text"
    series_src=$(describe correction-series "$dir/exercise.txt")
    [ -z "$series_src" ] || [ -n "${records[3]}" ] || fail "$file: no correction series, its source has $series_src"
    [ -n "${records[3]}" ] && [ -f "$data/${records[3]}" ] && check_series "$data/${records[3]}" "$dir/$series_src"
    case "$dump" in *'"corrected":true'*) ;; *) fail "$file: not corrected";; esac
    local difficulty
    difficulty=$(sed -n 's/.*"difficulty":\([0-9]*\).*/\1/p' <<<"$dump")
    [ "$difficulty" = "$(describe difficulty "$dir/exercise.txt")" ] || fail "$file: difficulty $difficulty"
    [ "$(json_string title "$dump")" = "$(describe title "$dir/exercise.txt")" ] || fail "$file: title $(json_string title "$dump")"
    [ -n "$(json_string topics "$dump")" ] || fail "$file: no topic"
}

[ -f "$data/TAVIR.PEM" ] || fail "no TAVIR.PEM in $data"
[ -f "$data/TAVIR.PEM" ] && check_exercise "$data/TAVIR.PEM" "$source/tour" 1

count=0
declare -A seen=()
for dir in "$source"/exercises/[0-9][0-9]-*/; do
    name=$(basename "$dir")
    seen[$name]=1
    count=$((count + 1))
    if [ -f "$data/$name.E06" ]; then
        check_exercise "$data/$name.E06" "$dir" 0
    else
        fail "no $name.E06 for $dir"
    fi
done
for file in "$data"/[0-9][0-9]-*.E06; do
    [ -e "$file" ] || continue
    name=$(basename "$file" .E06)
    [ -n "${seen[$name]:-}" ] || fail "$file has no source"
done
[ "$count" -ge 19 ] || fail "only $count exercises"

[ "$fails" = 0 ] && echo "content: tour and $count exercises, $checked constructions checked"
exit $((fails > 0))
