#!/usr/bin/env bash
# Checks the series commands of the companion against their documented contract.
set -u
source "$(dirname "$0")/expect.sh"

water=32222222222223222222222
ammonia=34222222222222223222222
empties='"","","","","","","",""'

# write, then dump gives the same ten entries back.
expect "write two" 0 "{\"file\":\"$dir/a.C01\",\"constructions\":[\"$water\",\"\",\"$ammonia\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"]}" \
    -- series write "$dir/a.C01" "$water" "" "$ammonia"
expect "dump two" 0 "{\"constructions\":[\"$water\",\"\",\"$ammonia\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"]}" -- series dump "$dir/a.C01"
# The exact layout: twelve records of 128 bytes, "TAVIR" first, "0" last.
[ "$(stat -c %s "$dir/a.C01")" = 1536 ] || fail "file size $(stat -c %s "$dir/a.C01")"
[ "$(head -c 7 "$dir/a.C01" | od -An -tx1 | tr -d ' \n')" = 05005441564952 ] || fail "magic record"
[ "$(dd if="$dir/a.C01" bs=1 skip=128 count=25 2>/dev/null | tail -c 23)" = "$water" ] || fail "record 2 text"
[ "$(dd if="$dir/a.C01" bs=1 skip=1408 count=3 2>/dev/null | od -An -tx1 | tr -d ' \n')" = 010030 ] || fail "record 12"
expect "write all ten" 0 "{\"file\":\"$dir/b.C01\",\"constructions\":[$(printf '"%s",' $water $water $water $water $water $water $water $water $water)\"$water\"]}" \
    -- series write "$dir/b.C01" $water $water $water $water $water $water $water $water $water $water
expect "write none" 0 "{\"file\":\"$dir/c.C01\",\"constructions\":[\"\",\"\",$empties]}" -- series write "$dir/c.C01"

# A refused construction leaves an existing file alone.
before=$(od -An -tx1 "$dir/a.C01")
expect "short construction" 1 '' -- series write "$dir/a.C01" 3222
expect "cell code out of range" 1 '' -- series write "$dir/a.C01" 82222222222222222222222
expect "bond order out of range" 1 '' -- series write "$dir/a.C01" 22222222222226222222222
[ "$(od -An -tx1 "$dir/a.C01")" = "$before" ] || fail "a refused write changed the file"
expect "eleven constructions" 2 '' -- series write "$dir/a.C01" $water $water $water $water $water $water $water $water $water $water $water
[ "$(od -An -tx1 "$dir/a.C01")" = "$before" ] || fail "a bad command line changed the file"

# Saves that cannot happen.
expect "write into missing folder" 1 '' -- series write "$dir/absent/x.C01" "$water"
case "$(cat "$dir/stderr")" in "Ecriture impossible sur disque"*) ;; *) fail "write error message";; esac
mkdir "$dir/folder.C01"
expect "write onto a folder" 1 '' -- series write "$dir/folder.C01" "$water"
cp "$dir/a.C01" "$dir/locked.C01"; chmod 444 "$dir/locked.C01"
expect "write onto a read-only file" 1 '' -- series write "$dir/locked.C01" "$water"
expect_stderr "read-only message" "Ecriture impossible sur disque (fichier en lecture seule)"
cmp -s "$dir/a.C01" "$dir/locked.C01" || fail "a read-only file was replaced"
ln -s a.C01 "$dir/link.C01"
expect "write through a link" 0 "{\"file\":\"$dir/link.C01\",\"constructions\":[\"$water\",\"\",$empties]}" \
    -- series write "$dir/link.C01" "$water"
[ -L "$dir/link.C01" ] || fail "the link became a file"

# Refused files: the French message on standard error.
printf '\005\000tavir' > "$dir/lower.C01"; head -c 1536 /dev/zero >> "$dir/lower.C01"
expect "dump wrong magic" 1 '' -- series dump "$dir/lower.C01"
expect_stderr "wrong magic message" "Ce fichier ne correspond pas à cette application"
head -c 1410 "$dir/a.C01" > "$dir/short.C01"
expect "dump too short" 1 '' -- series dump "$dir/short.C01"
expect_stderr "too short message" "Lecture impossible sur disque"
expect "dump missing" 1 '' -- series dump "$dir/missing.C01"
expect_stderr "missing message" "Lecture impossible sur disque (fichier ou dossier introuvable)"
# Not regular files: refused at once, never opened for an endless or blocking read.
mkfifo "$dir/fifo.C01"
out=$(timeout 10 "$cli" series dump "$dir/fifo.C01" 2>"$work/stderr"); rc=$?
[ "$rc" = 1 ] && [ -z "$out" ] || fail "dump a fifo: status $rc, output: $out"
expect_stderr "fifo message" "Lecture impossible sur disque (ce n'est pas un fichier ordinaire)"
expect "dump a folder" 1 '' -- series dump "$dir"
{ head -c 384 "$dir/a.C01"; printf '\177\000'; tail -c +387 "$dir/a.C01"; } > "$dir/long.C01"
expect "dump record length 127" 1 '' -- series dump "$dir/long.C01"

# Bad command lines.
expect "no subcommand" 2 '' -- series
expect "dump without file" 2 '' -- series dump
expect "dump two files" 2 '' -- series dump a b
expect "unknown subcommand" 2 '' -- series load "$dir/a.C01"
if [ "$fails" -eq 0 ]; then echo "series commands: all passed"; fi
exit "$fails"
