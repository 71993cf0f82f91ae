#!/usr/bin/env bash
# scripts/test.sh must build and test the folder BUILD_DIR names. It runs here with stand-ins
# for dpkg-query, cmake and ctest that only write down the folders they are given.
set -euo pipefail
source=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
printf '#!/bin/sh\necho "install ok installed"\n' >"$work/bin/dpkg-query"
# cmake is given the folder after -B or --build, ctest after --test-dir (else it tests ".").
printf '#!/bin/sh\nwhile [ $# -gt 1 ]; do case $1 in -B|--build) realpath -m "$2";; esac; shift; done >>"$LOG.built"\n' >"$work/bin/cmake"
printf '#!/bin/sh\nfolder=.\nwhile [ $# -gt 1 ]; do [ "$1" = --test-dir ] && folder=$2; shift; done\nrealpath -m "$folder" >>"$LOG.tested"\n' >"$work/bin/ctest"
chmod +x "$work/bin/"*
for build in "$work/elsewhere" build-other; do
    rm -f "$work/log."*
    PATH="$work/bin:$PATH" LOG="$work/log" BUILD_DIR=$build "$source/scripts/test.sh" >/dev/null
    expected=$(cd "$source" && realpath -m "$build")
    built=$(sort -u "$work/log.built") tested=$(cat "$work/log.tested")
    [ "$built $tested" = "$expected $expected" ] ||
        { echo "FAIL: BUILD_DIR=$build built $built and tested $tested" >&2; exit 1; }
done
echo "scripts/test.sh builds and tests the folder BUILD_DIR names."
