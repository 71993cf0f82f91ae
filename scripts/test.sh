#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test, in build/ or the folder given as
# BUILD_DIR (relative to the project, as for build.sh).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/setup.sh"
"$here/build.sh" "$@"
cd "$here/.."
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure -j2
