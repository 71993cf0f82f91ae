#!/usr/bin/env bash
# scripts/test.sh must build and test the folder BUILD_DIR names. It runs here with stand-ins
# for dpkg-query, cmake and ctest that only write down which folders they were given.
# Usage: TestScriptTest.sh SOURCE_DIR
set -euo pipefail
source=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
printf '#!/bin/sh\necho "install ok installed"\n' >"$work/bin/dpkg-query"
cat >"$work/bin/cmake" <<'STANDIN'
#!/bin/sh
while [ $# -gt 0 ]; do
    case $1 in -B | --build) realpath -m "$2" >>"$LOG.built" ;; esac
    shift
done
STANDIN
cat >"$work/bin/ctest" <<'STANDIN'
#!/bin/sh
folder=.
while [ $# -gt 0 ]; do [ "$1" = --test-dir ] && folder=$2; shift; done
realpath -m "$folder" >>"$LOG.tested"
STANDIN
chmod +x "$work/bin/"*

for build in "$work/elsewhere" build-other; do
    rm -f "$work/log."*
    PATH="$work/bin:$PATH" LOG="$work/log" BUILD_DIR=$build "$source/scripts/test.sh" >/dev/null
    expected=$(cd "$source" && realpath -m "$build")
    [ "$(sort -u "$work/log.built")" = "$expected" ] || {
        echo "FAIL: BUILD_DIR=$build built $(cat "$work/log.built")" >&2
        exit 1
    }
    [ "$(cat "$work/log.tested")" = "$expected" ] || {
        echo "FAIL: BUILD_DIR=$build tested $(cat "$work/log.tested"), not $expected" >&2
        exit 1
    }
done
echo "scripts/test.sh builds and tests the folder BUILD_DIR names."
