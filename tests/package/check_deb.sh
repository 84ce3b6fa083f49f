#!/usr/bin/env bash
# Checks the Debian package as a teacher's machine will meet it: its control fields and
# dependencies, the files it installs (programs, content, menu entry, icons, file types,
# software-centre description, Debian's documents), then the programs start from the unpacked tree, and
# lintian finds no error where it is installed.
# usage: tests/package/check_deb.sh PACKAGE.deb
set -u
deb=${1:?usage: check_deb.sh PACKAGE.deb}
fails=0
fail() { echo "FAIL $1"; fails=$((fails + 1)); }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

[ -f "$deb" ] || { echo "FAIL no package $deb"; exit 1; }
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tavir ] || fail "package name: $(field Package)"
[ "$(field Section)" = education ] || fail "section: $(field Section)"
[ -n "$(field Homepage)" ] || fail "no homepage"
case "$(basename "$deb")" in "tavir_$(field Version)_$(field Architecture).deb") ;; *) fail "file name $(basename "$deb")";; esac
depends=$(field Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6svg6 libqt6printsupport6 libqt6core6 libstdc++6 fonts-liberation \
              qt6-translations-l10n; do
    [[ ",$depends," == *", $needed"[\ ,]* || ",$depends," == *",$needed"[\ ,]* ]] || fail "Depends lacks $needed: $depends"
done
# Nothing of the build machine: compilers, test tools and headers are not for the pupils.
for unwanted in -dev googletest libgtest cmake ninja; do
    [[ "$depends" == *"$unwanted"* ]] && fail "Depends names $unwanted"
done

dpkg-deb -x "$deb" "$work/root" || { fail "dpkg-deb -x"; exit 1; }
root=$work/root/usr
expect_file() { [ -f "$root/$1" ] || fail "missing /usr/$1"; }
for f in bin/tavir bin/tavir-cli share/applications/fr.tavir.Tavir.desktop share/metainfo/fr.tavir.Tavir.metainfo.xml \
         share/icons/hicolor/scalable/apps/fr.tavir.Tavir.svg share/doc/tavir/copyright \
         share/doc/tavir/changelog.Debian.gz share/man/man1/tavir.1.gz share/man/man1/tavir-cli.1.gz share/tavir/TAVIR.PEM; do
    expect_file "$f"
done
exercises=$(find "$root/share/tavir" -maxdepth 1 -name '*.E06' | wc -l)
[ "$exercises" -ge 16 ] || fail "$exercises exercise files"
dpkg-deb -c "$deb" | grep -q '/build' && fail "a path of the build tree in the package"

# The icon in every theme size, each PNG of its own size.
python3 - "$root/share/icons/hicolor" <<'PY' || fails=$((fails + 1))
import struct, sys
from pathlib import Path
bad = []
for size in (16, 22, 24, 32, 48, 64, 128, 256):
    png = Path(sys.argv[1]) / f"{size}x{size}" / "apps" / "fr.tavir.Tavir.png"
    data = png.read_bytes() if png.exists() else b""
    if data[:8] != b"\x89PNG\r\n\x1a\n" or struct.unpack(">II", data[16:24]) != (size, size):
        bad.append(f"{size}x{size}")
if bad: print("FAIL icon PNGs:", ", ".join(bad))
sys.exit(1 if bad else 0)
PY

# The menu entry starts an installed program with an installed icon, and is offered for the
# program's own files, which it passes on.
desktop=$root/share/applications/fr.tavir.Tavir.desktop
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[ -x "$root/bin/${exec_line%% *}" ] || fail "the menu entry runs '$exec_line', not in /usr/bin"
[ "$exec_line" = "tavir %f" ] || fail "the menu entry does not pass the file: Exec=$exec_line"
[ "$(sed -n 's/^Icon=//p' "$desktop")" = fr.tavir.Tavir ] || fail "menu entry icon"
mime_line=";$(sed -n 's/^MimeType=//p' "$desktop")"
for type in application/x-tavir-series application/x-tavir-exercise; do
    [[ "$mime_line" == *";$type;"* ]] || fail "the menu entry's MimeType lacks $type"
done
command -v desktop-file-validate >/dev/null || fail "desktop-file-validate is not installed (desktop-file-utils)"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
meta=$root/share/metainfo/fr.tavir.Tavir.metainfo.xml
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$meta" || fail "metainfo licence"
grep -q '<url type="homepage">' "$meta" || fail "metainfo project URL"
grep -q '<screenshot type="default">' "$meta" || fail "metainfo screenshot"
# --no-net: the screenshot and the homepage are not fetched, the check holds offline.
command -v appstreamcli >/dev/null || fail "appstreamcli is not installed (appstream)"
appstreamcli validate --no-net "$meta" || fail "appstreamcli validate"

# The file types, as the desktop's database compiles them: a series by its first record or
# its name in any case, an exercise by its name, each with its icon.
mime=$root/share/mime/packages/fr.tavir.Tavir.xml
if [ -f "$mime" ]; then
    mkdir -p "$work/mime/packages" && cp "$mime" "$work/mime/packages/"
    if update-mime-database "$work/mime" >/dev/null 2>&1; then
        grep -qx 'application/x-tavir-series:\*\.c01' "$work/mime/globs" || fail "no *.c01 glob for series"
        grep -qx 'application/x-tavir-exercise:\*\.e06' "$work/mime/globs" || fail "no *.e06 glob for exercises"
        python3 -c 'import sys; sys.exit(b"series]\n>0=\x00\x07\x05\x00TAVIR\n" not in open(sys.argv[1], "rb").read())' \
            "$work/mime/magic" || fail "no magic for series"
        [ "$(grep -c '<comment>' "$mime")" = 2 ] || fail "a file type without its English name"
        [ "$(grep -c '<comment xml:lang="fr">' "$mime")" = 2 ] || fail "a file type without its French name"
        for type in series exercise; do
            expect_file "share/icons/hicolor/scalable/mimetypes/application-x-tavir-$type.svg"
        done
    else
        fail "update-mime-database refuses $mime"
    fi
else
    fail "missing /usr/share/mime/packages/fr.tavir.Tavir.xml"
fi

# The programs run from where they are installed, and find their content beside themselves.
out=$("$root/bin/tavir-cli" analyse 54222222242232222222322 2>&1) || fail "tavir-cli does not run: $out"
[[ "$out" == *'"formula":"H2O"'* ]] || fail "tavir-cli analyse: $out"
QT_QPA_PLATFORM=offscreen timeout 3 "$root/bin/tavir" >"$work/tavir.log" 2>&1
[ $? = 124 ] || fail "tavir did not keep running: $(cat "$work/tavir.log")"
QT_QPA_PLATFORM=offscreen timeout 3 "$root/bin/tavir" "$root/share/tavir/02-methane.E06" >"$work/tavir.log" 2>&1
[ $? = 124 ] || fail "tavir FILE did not keep running: $(cat "$work/tavir.log")"

if command -v lintian >/dev/null; then
    lintian --allow-root "$deb" >"$work/lintian.txt" 2>&1
    cat "$work/lintian.txt"
    grep -q '^E:' "$work/lintian.txt" && fail "lintian reports errors"
else
    echo "lintian is not installed: the package's policy check is skipped"
fi

[ "$fails" = 0 ] && echo "ok: $(basename "$deb") holds what a teacher's machine needs"
exit $((fails > 0))
