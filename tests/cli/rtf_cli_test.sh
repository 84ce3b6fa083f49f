#!/usr/bin/env bash
# Checks the rtf commands of the companion against their documented contract.
set -u
source "$(dirname "$0")/expect.sh"

# A statement as WordPad writes it: title, accents both ways, colour, half-point size, indent.
printf '%s\r\n' \
    '{\rtf1\ansi\ansicpg1252\deff0\nouicompat\deflang1036{\fonttbl{\f0\fnil\fcharset0 Calibri;}}' \
    '{\colortbl ;\red0\green0\blue200;}' \
    '\viewkind4\uc1 \pard\qc\cf1\b\f0\fs36\lang12 Mol\'"'"'e9cules\par' \
    '\pard\li284\cf0\b0\fs19 \u233?t\'"'"'e9 "\\" \line fin\tab .\par' \
    '}' > "$work/statement.rtf"
title='{"align":"center","indent":0,"runs":[{"text":"Molécules","font":"Calibri","size":18,"bold":true,"italic":false,"underline":false,"color":"#0000c8"}]}'
body='{"align":"left","indent":284,"runs":[{"text":"été \"\\\" \nfin\t.","font":"Calibri","size":9.5,"bold":false,"italic":false,"underline":false,"color":"#000000"}]}'
expect "dump statement" 0 "{\"paragraphs\":[$title,$body]}" -- rtf dump "$work/statement.rtf"

# roundtrip writes a file that dumps the same, and says what it wrote.
expect "roundtrip statement" 0 "{\"file\":\"$work/copy.rtf\",\"paragraphs\":2}" -- rtf roundtrip "$work/statement.rtf" "$work/copy.rtf"
expect "dump of the copy" 0 "{\"paragraphs\":[$title,$body]}" -- rtf dump "$work/copy.rtf"
head -c 30 "$work/copy.rtf" | grep -q '^{\\rtf1\\ansi\\ansicpg1252\\deff0' || fail "copy header"

# A damaged file still shows what could be read.
printf '{\\rtf1 {\\b gras}}} reste' > "$work/broken.rtf"
expect "dump damaged" 0 '{"paragraphs":[{"align":"left","indent":0,"runs":[{"text":"gras","font":"Arial","size":12,"bold":true,"italic":false,"underline":false,"color":"#000000"},{"text":" reste","font":"Arial","size":12,"bold":false,"italic":false,"underline":false,"color":"#000000"}]}]}' -- rtf dump "$work/broken.rtf"

# Plain text is read one paragraph per line; an empty file is an empty document.
printf 'un\ndeux\n' > "$work/plain.txt"
expect "dump plain text" 0 '{"paragraphs":[{"align":"left","indent":0,"runs":[{"text":"un","font":"Arial","size":12,"bold":false,"italic":false,"underline":false,"color":"#000000"}]},{"align":"left","indent":0,"runs":[{"text":"deux","font":"Arial","size":12,"bold":false,"italic":false,"underline":false,"color":"#000000"}]}]}' -- rtf dump "$work/plain.txt"
: > "$work/empty.rtf"
expect "dump empty" 0 '{"paragraphs":[]}' -- rtf dump "$work/empty.rtf"

# Refused: a binary file, a missing file, a folder; the reason is in French on stderr.
printf '\x89PNG\r\n\x1a\n\0\0\0\rIHDR' > "$work/picture.rtf"
expect "dump binary" 1 '' -- rtf dump "$work/picture.rtf"
grep -q "n'est pas un texte" "$work/stderr" || fail "binary message: $(cat "$work/stderr")"
expect "dump missing" 1 '' -- rtf dump "$work/absent.rtf"
grep -q "Impossible de lire le fichier $work/absent.rtf" "$work/stderr" || fail "missing message: $(cat "$work/stderr")"
expect "dump folder" 1 '' -- rtf dump "$work"
expect "roundtrip missing input" 1 '' -- rtf roundtrip "$work/absent.rtf" "$work/out.rtf"
[ -e "$work/out.rtf" ] && fail "roundtrip of a missing file wrote its output"
expect "roundtrip unwritable" 1 '' -- rtf roundtrip "$work/statement.rtf" "$work/no/such/dir/out.rtf"
grep -q "Impossible d'enregistrer le fichier" "$work/stderr" || fail "save message: $(cat "$work/stderr")"

# Bad command lines.
expect "rtf alone" 2 '' -- rtf
expect "unknown subcommand" 2 '' -- rtf show "$work/statement.rtf"
expect "dump without file" 2 '' -- rtf dump
expect "roundtrip without output" 2 '' -- rtf roundtrip "$work/statement.rtf"

if [ "$fails" -eq 0 ]; then echo "rtf commands: all passed"; fi
exit "$fails"
