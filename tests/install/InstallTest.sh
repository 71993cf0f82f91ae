#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop reads from it: the
# menu entry, the design files' MIME type (a double-click on a design must find the program),
# the icons, the software centres' listing and the manual page; then the Debian package as
# lintian sees it. Arguments: the build folder, the source folder, the project's version.
set -euo pipefail
build=$1 source=$2 version=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share
[ "$("$prefix/bin/veltmoor-tags" --version)" = "veltmoor-tags $version" ] || fail "wrong version"

entry=$share/applications/veltmoor-tags.desktop
# Hints are advice (the two main categories are meant); errors and warnings are not.
report=$(desktop-file-validate "$entry") || fail "$report"
! grep -E 'error|warning' <<<"$report" || fail "desktop-file-validate finds fault"
for line in 'Name=Veltmoor Tags Print' 'Exec=veltmoor-tags %f' 'Icon=veltmoor-tags' \
    'Categories=Graphics;Office;' 'MimeType=application/x-veltmoor-tags;'; do
    grep -qxF "$line" "$entry" || fail "the desktop entry lacks $line"
done
xmllint --noout "$share/mime/packages/veltmoor-tags.xml"
# The database tools refuse what breaks the shared-mime-info and desktop entry rules.
report=$(XDG_DATA_DIRS="$share" update-mime-database "$share/mime" 2>&1)
[ -z "$report" ] || fail "update-mime-database: $report"
update-desktop-database "$share/applications"

# What a file manager sees (GIO reading the installed databases): designs by name, and by
# their first line when the name says nothing; other text stays text.
files=$prefix/files
mkdir "$files"
cp "$source/samples/gift-tags.vmg" "$files/gift.vmg"
cp "$source/samples/price-tags.vmg" "$files/price-tags-design"
printf '0 CutLine\r\n14 TagType\r\n' >"$files/no-pictures"
printf 'Tag lines come first.\n' >"$files/notes"
desktop() { PATH="$prefix/bin:$PATH" XDG_DATA_DIRS="$share:/usr/share" XDG_DATA_HOME="$prefix/home" \
    XDG_CONFIG_HOME="$prefix/home" "$@"; }
typeOf() { desktop gio info -a standard::content-type "$files/$1" | sed -n 's/^ *standard::content-type: //p'; }
for file in gift.vmg price-tags-design no-pictures notes; do
    expected=application/x-veltmoor-tags
    [ $file = notes ] && expected=text/plain
    [ "$(typeOf $file)" = $expected ] || fail "$file is seen as $(typeOf $file), not $expected"
done
# A double-click finds the program through the desktop database's MIME cache. (Asking GIO
# for the default application instead failed now and then on a loaded machine.)
grep -qxF 'application/x-veltmoor-tags=veltmoor-tags.desktop;' "$share/applications/mimeinfo.cache" ||
    fail "designs do not open in the program"

# Icons: the drawing, and PNGs as large as their folders say (width and height from the PNG
# header, bytes 16 to 23).
[ "$(xmllint --xpath 'local-name(/*)' "$share/icons/hicolor/scalable/apps/veltmoor-tags.svg")" = svg ] ||
    fail "the scalable icon is no SVG drawing"
for size in 16 24 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x${size}/apps/veltmoor-tags.png
    [ "$(od -An -N8 -tx1 "$png" | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$png is no PNG"
    [ "$(od -An -j16 -N8 -tu1 "$png" | awk '{print $3 * 256 + $4, $7 * 256 + $8}')" = "$size $size" ] ||
        fail "$png is not ${size}x${size}"
done
# What software centres list, and the manual page (made from --help).
appstreamcli validate --no-net "$share/metainfo/example.veltmoor.tags.metainfo.xml" >/dev/null ||
    fail "appstreamcli finds the metainfo invalid"
page=$(MANWIDTH=80 man -l "$share/man/man1/veltmoor-tags.1.gz" 2>/dev/null)
grep -q 'veltmoor-tags render DESIGN.vmg' <<<"$page" || fail "the manual page lacks the usage"

# The Debian package as Debian's own checker sees it: no error and no warning.
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$prefix/package" >/dev/null
report=$(lintian "$prefix"/package/veltmoor-tags_*.deb 2>&1) || true
! grep -E '^[EW]: ' <<<"$report" || fail "lintian finds fault"
echo "The program, its desktop entry, MIME type, icons, listing, manual and package are valid."
