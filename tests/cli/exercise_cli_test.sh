#!/usr/bin/env bash
# Checks the exercise commands of the companion against their documented contract.
set -u
source "$(dirname "$0")/expect.sh"

# A whole exercise: write, then dump as the chooser shows it.
expect "write exercise" 0 "{\"file\":\"$dir/a.E06\",\"records\":[\"ex/énoncé.rtf\",\"ex/e.C01\",\"ex/c.rtf\",\"\",\"3\",\"\",\"Octet, \",\"\",\"duet\",\"\",\" Le méthane \"]}" \
    -- exercise write "$dir/a.E06" --statement "ex/énoncé.rtf" --series ex/e.C01 --correction ex/c.rtf \
       --difficulty 3 --topic "Octet, " --topic "" --topic duet --title " Le méthane "
expect "dump exercise" 0 '{"records":["ex/énoncé.rtf","ex/e.C01","ex/c.rtf","","3","","Octet, ","","duet",""," Le méthane "],"corrected":true,"difficulty":3,"topics":"Octet, duet","title":"Le méthane"}' \
    -- exercise dump "$dir/a.E06"
# Accents are one byte each on disk (Windows code page), records are 128 bytes.
[ "$(stat -c %s "$dir/a.E06")" = 1408 ] || fail "file size $(stat -c %s "$dir/a.E06")"
[ "$(head -c 15 "$dir/a.E06" | od -An -tx1 | tr -d ' \n')" = 0d0065782fe96e6f6e63e92e727466 ] || fail "record 1 bytes"

# The guided tour: statement and series only, two records, no title needed.
expect "write tour" 0 "{\"file\":\"$dir/TAVIR.PEM\",\"records\":[\"t/tour.rtf\",\"t/eau.C01\"]}" \
    -- exercise write "$dir/TAVIR.PEM" --statement t/tour.rtf --series t/eau.C01
[ "$(stat -c %s "$dir/TAVIR.PEM")" = 256 ] || fail "tour size $(stat -c %s "$dir/TAVIR.PEM")"
expect "dump tour" 0 '{"records":["t/tour.rtf","t/eau.C01","","","","","","","","",""],"corrected":false,"difficulty":0,"topics":"","title":""}' \
    -- exercise dump "$dir/TAVIR.PEM"

# Refused descriptions leave an existing file alone.
before=$(od -An -tx1 "$dir/a.E06")
long=$(printf 'a%.0s' $(seq 127))
expect "title too long" 1 '' -- exercise write "$dir/a.E06" --statement s.rtf --title "$long"
expect_stderr "title too long message" "Texte trop long : 126 caractères au plus (enregistrement 11)"
accents=$(printf 'é%.0s' $(seq 126))
expect "126 accents fit" 0 "{\"file\":\"$dir/b.E06\",\"records\":[\"s.rtf\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"$accents\"]}" \
    -- exercise write "$dir/b.E06" --statement s.rtf --title "$accents"
expect "five topics" 1 '' -- exercise write "$dir/a.E06" --statement s.rtf --topic a --topic b --topic c --topic d --topic e --title t
expect_stderr "five topics message" "Quatre notions au plus"
expect "difficulty 4" 1 '' -- exercise write "$dir/a.E06" --statement s.rtf --difficulty 4 --title t
expect "arrow" 1 '' -- exercise write "$dir/a.E06" --statement "a→b.rtf" --title t
[ "$(od -An -tx1 "$dir/a.E06")" = "$before" ] || fail "a refused write changed the file"

# Bad command lines.
expect "no statement" 2 '' -- exercise write "$dir/a.E06" --title t
expect "unknown option" 2 '' -- exercise write "$dir/a.E06" --statement s --level 2
expect "option without value" 2 '' -- exercise write "$dir/a.E06" --statement
expect "difficulty not a number" 2 '' -- exercise write "$dir/a.E06" --statement s --difficulty deux
expect "no file" 2 '' -- exercise dump
[ "$(od -An -tx1 "$dir/a.E06")" = "$before" ] || fail "a bad command line changed the file"
expect "write into missing folder" 1 '' -- exercise write "$dir/absent/x.E06" --statement s
case "$(cat "$dir/stderr")" in "Ecriture impossible sur disque"*) ;; *) fail "write error message";; esac

# Files the chooser cannot read: the French message, nothing on standard output.
readfail=$'Vérifier :\n- le nom du fichier,\n- l\'état du lecteur.'
expect "dump missing" 1 '' -- exercise dump "$dir/missing.E06"
expect_stderr "missing message" "$readfail (fichier ou dossier introuvable)"
{ printf '\177\000'; head -c 126 /dev/zero; } > "$dir/long.E06"
expect "dump over-long record" 1 '' -- exercise dump "$dir/long.E06"
expect_stderr "over-long message" "$readfail"
head -c 5 "$dir/a.E06" > "$dir/cut.E06"
expect "dump cut record" 1 '' -- exercise dump "$dir/cut.E06"
expect "dump folder" 1 '' -- exercise dump "$dir"
: > "$dir/empty.E06"
expect "dump empty file" 0 '{"records":["","","","","","","","","","",""],"corrected":false,"difficulty":0,"topics":"","title":""}' \
    -- exercise dump "$dir/empty.E06"

[ "$fails" = 0 ] && echo "exercise cli: all checks passed"
exit $((fails > 0))
