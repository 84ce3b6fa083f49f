#!/usr/bin/env bash
# A worksheet written in LibreOffice Writer (subscripts and superscripts, a 3x3 table, a
# picture, a bulleted list) is read by the companion as the exercise area reads it, saved
# again, and the saved file opened by LibreOffice once more: all four must come through both
# ways. Skipped (status 77) where LibreOffice Writer is not installed.
set -u
source "$(dirname "$0")/expect.sh"

soffice=$(command -v soffice || command -v libreoffice || true)
if [ -z "$soffice" ]; then
    echo "SKIP: LibreOffice Writer is not installed (apt install libreoffice-writer-nogui):" \
         "the round trip through it is not checked"
    exit 77
fi
# Its own profile, so that a desktop session's LibreOffice or another test run does not
# hold the conversion back.
lo() { "$soffice" "-env:UserInstallation=file://$work/profile" --headless "$@" >"$work/lo.log" 2>&1; }

# The teacher's worksheet, typed in Writer: here as HTML that Writer opens as a text document.
python3 - "$work" <<'PY'
import struct, sys, zlib
work = sys.argv[1]
def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
rows = b"".join(b"\x00" + bytes((200, 30, 30)) * 40 for _ in range(20))
png = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", 40, 20, 8, 2, 0, 0, 0)) +
       chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))
open(f"{work}/modele.png", "wb").write(png)
open(f"{work}/fiche.html", "w", encoding="utf-8").write("""<html><head><meta charset="utf-8"></head><body>
<h2>Fiche : les ions et les molécules</h2>
<p>Le méthane CH<sub>4</sub>, l'ion oxonium H<sub>3</sub>O<sup>+</sup> et une mole : 6,02×10<sup>23</sup> entités.</p>
<table border="1" width="100%"><tr><td>Molécule</td><td>Formule</td><td>Géométrie</td></tr>
<tr><td>eau</td><td>H<sub>2</sub>O</td><td>coudée</td></tr>
<tr><td>méthane</td><td>CH<sub>4</sub></td><td>tétraédrique</td></tr></table>
<p>Le modèle : <img src="modele.png" width="40" height="20"></p>
<ul><li>compter les doublets liants ;</li><li>placer les doublets non liants.</li></ul>
</body></html>""")
PY
(cd "$work" && lo --infilter="HTML (StarWriter)" --convert-to odt fiche.html && lo --convert-to rtf fiche.odt) ||
    { cat "$work/lo.log"; fail "LibreOffice did not write the worksheet as RTF"; exit 1; }

# What the exercise area shows of Writer's file, and of our save of it.
check_model() {  # check_model NAME FILE
    run_cli rtf dump "$2"
    [ "$rc" = 0 ] || { fail "$1: dump status $rc"; return; }
    printf '%s' "$out" > "$work/dump.json"
    python3 - "$1" "$work/dump.json" <<'PY' || fails=$((fails + 1))
import json, sys
doc = json.load(open(sys.argv[2], encoding="utf-8"))
name, problems = sys.argv[1], []
def runs(p): return p["runs"]
def text(p, script=None): return "".join(r["text"] for r in runs(p) if r.get("script") == script and "picture" not in r)
paragraphs = [b for b in doc["paragraphs"] if "table" not in b]
tables = [b["table"] for b in doc["paragraphs"] if "table" in b]
formula = next((p for p in paragraphs if "méthane CH" in text(p)), None)
if not formula or text(formula, "sub") != "43" or text(formula, "super") != "+23":
    problems.append("subscripts and superscripts: %s" % (formula and runs(formula)))
if len(tables) != 1 or [len(r) for r in tables[0]] != [3, 3, 3]:
    problems.append("not one 3x3 table: %s" % tables)
elif ["".join(text(p) + text(p, "sub") for p in c["paragraphs"]) for c in tables[0][2]] != ["méthane", "CH4", "tétraédrique"]:
    problems.append("table cells: %s" % tables[0][2])
pictures = [r["picture"] for p in paragraphs for r in runs(p) if "picture" in r]
if len(pictures) != 1 or pictures[0]["format"] != "png" or (pictures[0]["width"], pictures[0]["height"]) != (600, 300):
    problems.append("picture: %s" % pictures)
bullets = [text(p) for p in paragraphs if text(p).startswith("\u2022\t")]
if bullets != ["\u2022\tcompter les doublets liants ;", "\u2022\tplacer les doublets non liants."]:
    problems.append("bullets: %s" % bullets)
for p in problems: print("FAIL %s: %s" % (name, p))
sys.exit(1 if problems else 0)
PY
}
check_model "Writer's worksheet" "$work/fiche.rtf"
run_cli rtf roundtrip "$work/fiche.rtf" "$work/sauve.rtf"
[ "$rc" = 0 ] || fail "save: status $rc"
check_model "saved worksheet" "$work/sauve.rtf"

# And Writer reads the saved file back with all four.
(cd "$work" && lo --convert-to "html:HTML (StarWriter)" sauve.rtf) || fail "LibreOffice did not open the saved file"
python3 - "$work/sauve.html" <<'PY' || fails=$((fails + 1))
import re, sys
html = open(sys.argv[1], encoding="utf-8", errors="replace").read()
flat = re.sub(r"\s+", " ", re.sub(r"<(?!/?(sub|sup|table|tr|td|img)\b)[^>]*>", "", html))
problems = []
for want in ["CH<sub>4</sub>", "H<sub>3</sub>O<sup>+</sup>", "10<sup>23</sup>"]:
    if want not in flat: problems.append("missing " + want)
rows = re.findall(r"<tr\b.*?</tr>", flat)
if len(re.findall(r"<table\b", flat)) != 1 or [len(re.findall(r"<td\b", r)) for r in rows] != [3, 3, 3]:
    problems.append("table: %s" % rows)
elif "CH<sub>4</sub>" not in rows[2]:
    problems.append("last row: " + rows[2])
if not re.search(r'<img [^>]*width="40" height="20"', flat): problems.append("picture of 40 x 20 pixels")
if len(re.findall(r"\u2022 ?(compter|placer)", flat)) != 2: problems.append("bullets")
for p in problems: print("FAIL LibreOffice reading the save:", p)
sys.exit(1 if problems else 0)
PY

[ "$fails" = 0 ] && echo "ok: the worksheet comes through LibreOffice Writer and a save both ways"
exit $((fails > 0))
