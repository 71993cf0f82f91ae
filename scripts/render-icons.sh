#!/usr/bin/env bash
# Renders the program's PNG icons from data/icons/veltmoor-tags.svg (needs rsvg-convert from
# librsvg2-bin). Run it after changing the drawing and commit the PNGs with it.
set -euo pipefail
icons="$(cd "$(dirname "$0")/../data/icons" && pwd)"
for size in 16 24 32 48 64 128 256; do
    mkdir -p "$icons/hicolor/${size}x${size}"
    rsvg-convert --width "$size" --height "$size" "$icons/veltmoor-tags.svg" \
        --output "$icons/hicolor/${size}x${size}/veltmoor-tags.png"
done
