#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program with the given arguments.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/setup.sh"
"$here/build.sh"
exec "$here/../build/src/veltmoor-tags" "$@"
