#!/usr/bin/env bash
# Worksheets written in LibreOffice Writer are read by the companion as the exercise area reads
# them, saved again, and the saved file opened by LibreOffice once more: everything must come
# through both ways. The first, from a teacher's HTML page: subscripts and superscripts, a 3x3
# table, a picture, a bulleted list. The second, typed in Writer: pictures anchored to a
# character and to a paragraph (Writer's default, which it writes as drawing shapes), a merged
# first cell and a cell merged down, cell shading, highlighting, paragraph spacing, a bulleted
# and a numbered list. Skipped (status 77) where LibreOffice Writer is not installed.
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
bullets = [text(p) for p in paragraphs if p.get("list", {}).get("kind") == "bullet"]
if bullets != ["compter les doublets liants ;", "placer les doublets non liants."]:
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
if len(re.findall(r"<li\b[^>]*>(\s|<[^>]*>)*(compter|placer)", html)) != 2: problems.append("bullets")
for p in problems: print("FAIL LibreOffice reading the save:", p)
sys.exit(1 if problems else 0)
PY

# The second worksheet, typed in Writer (here as its flat XML file).
python3 - "$work" <<'PY'
import base64, struct, sys, zlib
work = sys.argv[1]
def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
def png(w, h, rgb):
    rows = b"".join(b"\x00" + bytes(rgb) * w for _ in range(h))
    return base64.b64encode(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0)) +
                            chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b"")).decode()
def frame(name, anchor, w, h, data):
    return (f'<draw:frame draw:style-name="fr1" draw:name="{name}" text:anchor-type="{anchor}" svg:width="{w}" '
            f'svg:height="{h}"><draw:image><office:binary-data>{data}</office:binary-data></draw:image></draw:frame>')
def cell(text, style="Tab1.B1", span=""):
    return f'<table:table-cell table:style-name="{style}" {span}><text:p>{text}</text:p></table:table-cell>'
def level(kind):
    inner = ('<style:list-level-properties text:list-level-position-and-space-mode="label-alignment">'
             '<style:list-level-label-alignment text:label-followed-by="listtab" fo:text-indent="-0.635cm" '
             'fo:margin-left="1.27cm"/></style:list-level-properties>')
    if kind == "bullet":
        return f'<text:list-level-style-bullet text:level="1" text:bullet-char="\u2022">{inner}</text:list-level-style-bullet>'
    return f'<text:list-level-style-number text:level="1" style:num-suffix="." style:num-format="1">{inner}</text:list-level-style-number>'
ns = " ".join(f'xmlns:{k}="urn:oasis:names:tc:opendocument:xmlns:{v}"' for k, v in
              [("office", "office:1.0"), ("style", "style:1.0"), ("text", "text:1.0"), ("table", "table:1.0"),
               ("draw", "drawing:1.0"), ("fo", "xsl-fo-compatible:1.0"), ("svg", "svg-compatible:1.0")])
open(f"{work}/ions.fodt", "w", encoding="utf-8").write(f"""<?xml version="1.0" encoding="UTF-8"?>
<office:document {ns} office:version="1.3" office:mimetype="application/vnd.oasis.opendocument.text">
<office:automatic-styles>
 <style:style style:name="P1" style:family="paragraph"><style:paragraph-properties fo:margin-top="0.2cm" fo:margin-bottom="0.3cm" fo:line-height="150%"/></style:style>
 <style:style style:name="T1" style:family="text"><style:text-properties fo:background-color="#ffff00"/></style:style>
 <style:style style:name="Tab1.A1" style:family="table-cell"><style:table-cell-properties fo:background-color="#c0e0ff" fo:border="0.5pt solid #000000"/></style:style>
 <style:style style:name="Tab1.B1" style:family="table-cell"><style:table-cell-properties fo:border="0.5pt solid #000000"/></style:style>
 <style:style style:name="fr1" style:family="graphic"><style:graphic-properties style:wrap="none" style:horizontal-pos="center"/></style:style>
 <text:list-style style:name="L1">{level("bullet")}</text:list-style>
 <text:list-style style:name="L2">{level("number")}</text:list-style>
</office:automatic-styles>
<office:body><office:text>
<text:p text:style-name="P1">Un espacement, un interligne de 150 % et <text:span text:style-name="T1">un mot surligné</text:span>.</text:p>
<text:p>Ancrée au caractère : {frame("rouge", "char", "3cm", "1.5cm", png(40, 20, (200, 30, 30)))} fin.</text:p>
<text:p>{frame("bleu", "paragraph", "2cm", "2cm", png(30, 30, (30, 30, 200)))}Ancrée au paragraphe.</text:p>
<table:table table:name="Tab1"><table:table-column table:number-columns-repeated="3"/>
<table:table-row>{cell("Total", "Tab1.A1", 'table:number-columns-spanned="2"')}<table:covered-table-cell/>{cell("9")}</table:table-row>
<table:table-row>{cell("eau", span='table:number-rows-spanned="2"')}{cell("H2O")}{cell("coudée")}</table:table-row>
<table:table-row><table:covered-table-cell/>{cell("HO-")}{cell("ion")}</table:table-row>
</table:table>
<text:list text:style-name="L1"><text:list-item><text:p>compter les doublets</text:p></text:list-item><text:list-item><text:p>placer les lacunes</text:p></text:list-item></text:list>
<text:list text:style-name="L2"><text:list-item><text:p>premier</text:p></text:list-item><text:list-item><text:p>second</text:p></text:list-item></text:list>
</office:text></office:body></office:document>""")
PY
(cd "$work" && lo --convert-to rtf ions.fodt) || { cat "$work/lo.log"; fail "LibreOffice did not write the second worksheet as RTF"; }

check_worksheet() {  # check_worksheet NAME FILE
    run_cli rtf dump "$2"
    [ "$rc" = 0 ] || { fail "$1: dump status $rc"; return; }
    printf '%s' "$out" > "$work/dump.json"
    python3 - "$1" "$work/dump.json" <<'PY' || fails=$((fails + 1))
import json, sys
doc = json.load(open(sys.argv[2], encoding="utf-8"))
name, problems = sys.argv[1], []
def text(p): return "".join(r["text"] for r in p["runs"] if "picture" not in r)
paragraphs = [b for b in doc["paragraphs"] if "table" not in b]
tables = [b["table"] for b in doc["paragraphs"] if "table" in b]
spaced = paragraphs[0]
if (spaced.get("spaceBefore"), spaced.get("spaceAfter"), spaced.get("lineSpacing"), spaced.get("lineSpacingMultiple")) != (113, 170, 360, True):
    problems.append("spacing: %s" % {k: v for k, v in spaced.items() if k != "runs"})
if [r.get("highlight") for r in spaced["runs"] if r["text"] == "un mot surligné"] != ["#ffff00"]:
    problems.append("highlight: %s" % spaced["runs"])
pictures = [(r["picture"]["width"], r["picture"]["height"]) for p in paragraphs for r in p["runs"] if "picture" in r]
if pictures != [(1699, 849), (1132, 1132)]:
    problems.append("pictures at the shapes' sizes: %s" % pictures)
if len(tables) != 1:
    problems.append("tables: %d" % len(tables))
else:
    t = tables[0]
    edges = [[c["right"] for c in row] for row in t]
    if len(edges) != 3 or len(edges[0]) != 2 or edges[0][0] != edges[1][1] or edges[0][1] != edges[1][2]:
        problems.append("merged first cell: %s" % edges)
    if t[0][0].get("shading") != "#c0e0ff": problems.append("shading: %s" % t[0][0].get("shading"))
    if (t[1][0].get("merge"), t[2][0].get("merge")) != ("first", "covered"):
        problems.append("cell merged down: %s" % [t[1][0].get("merge"), t[2][0].get("merge")])
items = [(p["list"]["kind"], p["list"]["list"], text(p)) for p in paragraphs if "list" in p]
kinds = [(k, t) for k, _, t in items]
if kinds != [("bullet", "compter les doublets"), ("bullet", "placer les lacunes"), ("decimal", "premier"), ("decimal", "second")] \
        or items[0][1] != items[1][1] or items[1][1] == items[2][1]:
    problems.append("lists: %s" % items)
for p in problems: print("FAIL %s: %s" % (name, p))
sys.exit(1 if problems else 0)
PY
}
check_worksheet "Writer's second worksheet" "$work/ions.rtf"
run_cli rtf roundtrip "$work/ions.rtf" "$work/ions-sauve.rtf"
[ "$rc" = 0 ] || fail "second save: status $rc"
check_worksheet "second worksheet saved" "$work/ions-sauve.rtf"

# Writer reads the save with every picture, merged cell, colour and list.
(cd "$work" && lo --convert-to fodt ions-sauve.rtf) || fail "LibreOffice did not open the second save"
python3 - "$work/ions-sauve.fodt" <<'PY' || fails=$((fails + 1))
import re, sys
xml = open(sys.argv[1], encoding="utf-8").read()
problems = []
if len(re.findall(r"<draw:image\b", xml)) != 2: problems.append("pictures: %d" % len(re.findall(r"<draw:image\b", xml)))
if 'table:number-columns-spanned="2"' not in xml: problems.append("merged first cell")
if 'table:number-rows-spanned="2"' not in xml: problems.append("cell merged down")
if not re.search(r'table-cell-properties[^>]*fo:background-color="#c0e0ff"', xml): problems.append("cell shading")
if not re.search(r'text-properties[^>]*fo:background-color="#ffff00"', xml): problems.append("highlight")
if 'fo:line-height="150%"' not in xml: problems.append("line spacing")
lists = re.findall(r'<text:list text:style-name="([^"]+)"', xml)
def first_level(style):
    m = re.search(r'<text:list-style style:name="%s"[^>]*>\s*<text:list-level-style-(bullet|number)' % re.escape(style), xml)
    return m and m.group(1)
if [first_level(s) for s in lists] != ["bullet", "number"]: problems.append("lists: %s" % [(s, first_level(s)) for s in lists])
for p in problems: print("FAIL LibreOffice reading the second save:", p)
sys.exit(1 if problems else 0)
PY

[ "$fails" = 0 ] && echo "ok: both worksheets come through LibreOffice Writer and a save both ways"
exit $((fails > 0))
