#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop reads from it: the
# menu entry, the design files' MIME type (a double-click on a design must find the program)
# and the icons.
# Usage: InstallTest.sh BUILD_DIR SOURCE_DIR PROJECT_VERSION
set -euo pipefail
build=$1 source=$2 version=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share

[ "$("$prefix/bin/veltmoor-tags" --version)" = "veltmoor-tags $version" ] ||
    fail "the installed program does not report version $version"

entry=$share/applications/veltmoor-tags.desktop
# Hints are advice (two main categories are meant); errors and warnings are not.
report=$(desktop-file-validate "$entry") || fail "desktop-file-validate: $report"
! grep -E 'error|warning' <<<"$report" || fail "desktop-file-validate: $report"
for line in 'Name=Veltmoor Tags Print' 'Exec=veltmoor-tags %f' 'Icon=veltmoor-tags' \
    'Categories=Graphics;Office;' 'MimeType=application/x-veltmoor-tags;'; do
    grep -qxF "$line" "$entry" || fail "the desktop entry lacks the line $line"
done

mime=$share/mime/packages/veltmoor-tags.xml
xmllint --noout "$mime" || fail "$mime is not well-formed XML"
# The database tools refuse what breaks the shared-mime-info and desktop entry rules.
report=$(XDG_DATA_DIRS="$share" update-mime-database "$share/mime" 2>&1)
[ -z "$report" ] || fail "update-mime-database: $report"
update-desktop-database "$share/applications" || fail "update-desktop-database failed"

# What a file manager sees: designs by name, and by their first line when the name says
# nothing; other text stays text. GIO reads the installed databases only.
folder=$prefix/files
mkdir -p "$folder"
cp "$source/samples/gift-tags.vmg" "$folder/gift.vmg"
cp "$source/samples/price-tags.vmg" "$folder/price-tags-design"
printf '0 CutLine\r\n14 TagType\r\n' >"$folder/no-pictures"
printf 'Tag lines are written first.\n' >"$folder/notes"
typeOf() {
    XDG_DATA_DIRS="$share:/usr/share" XDG_DATA_HOME="$prefix/home" XDG_CONFIG_HOME="$prefix/home" \
        gio info --attributes=standard::content-type "$folder/$1" | sed -n 's/^ *standard::content-type: //p'
}
for file in gift.vmg price-tags-design no-pictures; do
    [ "$(typeOf "$file")" = application/x-veltmoor-tags ] || fail "$file is seen as $(typeOf "$file")"
done
[ "$(typeOf notes)" = text/plain ] || fail "plain text is seen as $(typeOf notes)"
handler=$(PATH="$prefix/bin:$PATH" XDG_DATA_DIRS="$share" XDG_DATA_HOME="$prefix/home" XDG_CONFIG_HOME="$prefix/home" \
    gio mime application/x-veltmoor-tags)
grep -q 'veltmoor-tags.desktop' <<<"$handler" || fail "no program opens designs: $handler"

# Icons: the drawing, and each PNG as large as its folder says (width and height from the
# PNG header, bytes 16 to 23).
xmllint --xpath 'local-name(/*)' "$share/icons/hicolor/scalable/apps/veltmoor-tags.svg" |
    grep -qx svg || fail "the scalable icon is not an SVG drawing"
for size in 16 24 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x${size}/apps/veltmoor-tags.png
    [ -f "$png" ] || fail "$png is missing"
    [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$png is no PNG"
    dimensions=$(od -An -j16 -N8 -tu1 "$png" | awk '{print $3 * 256 + $4, $7 * 256 + $8}')
    [ "$dimensions" = "$size $size" ] || fail "$png is $dimensions, not ${size}x${size}"
done
echo "The installed program, desktop entry, MIME type and icons are in place."
