#!/usr/bin/env bash
# Draws the wide-pen reference pictures under tests/data/widepen with the Windows GDI as Wine
# reimplements it: records the pen calls our shape outlines and hole make, replays them with
# a 3-dot and a 10-dot round pen in a small Windows program, and saves 1-bit BMPs.
# Needs wine (wine64) and g++-mingw-w64-x86-64; the tests then run without them.
# Usage: scripts/widepen-reference/run.sh [BUILD_FOLDER]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
data=tests/data/widepen
wine=${WINE:-$(command -v wine || command -v wine64 || echo /usr/lib/wine/wine64)}
wineserver=${WINESERVER:-$(command -v wineserver || echo /usr/lib/wine/wineserver)}
work=$(mktemp -d)
# Wine's server keeps writing into its prefix for a moment after the program ends.
trap 'WINEPREFIX="$work/prefix" "$wineserver" -w 2>/dev/null || true; rm -rf "$work"' EXIT

cmake --build "$build" --target widepen-record-calls
mkdir -p "$data"
"$build"/scripts/widepen-reference/widepen-record-calls "$data"
x86_64-w64-mingw32-g++ -O2 -static -o "$work/replay.exe" scripts/widepen-reference/replay.cpp -lgdi32
mv "$data/jobs.txt" "$work/jobs.txt"
# Wine keeps its own prefix in the work folder; paths in the job list are relative to $data.
(cd "$data" && WINEPREFIX="$work/prefix" WINEDEBUG=-all "$wine" "$work/replay.exe" "$work/jobs.txt")
echo "Reference pictures written to $data."
