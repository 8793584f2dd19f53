#!/bin/sh
# Renders the window's fixed set-ups into PNG files, or compares two such folders pixel by pixel.
#   scripts/screenshots.sh BUILD OUTDIR      render with BUILD/tests/clueforge_screenshots
#   scripts/screenshots.sh --compare A B     ImageMagick's AE per picture; exit 1 unless all 0
set -eu
if [ "${1:-}" = "--compare" ]; then
    [ $# -eq 3 ] || { echo "usage: $0 --compare BEFORE AFTER" >&2; exit 2; }
    status=0
    count=0
    for a in "$2"/*.png; do
        name=$(basename "$a")
        b="$3/$name"
        count=$((count + 1))
        if [ ! -f "$b" ]; then
            echo "$name: missing in $3"
            status=1
            continue
        fi
        ae=$(compare -metric AE "$a" "$b" null: 2>&1 || true)
        echo "$name: AE $ae"
        [ "$ae" = "0" ] || status=1
    done
    [ "$count" -gt 0 ] || { echo "no pictures in $2" >&2; exit 1; }
    exit $status
fi
[ $# -eq 2 ] || { echo "usage: $0 BUILD OUTDIR | --compare BEFORE AFTER" >&2; exit 2; }
mkdir -p "$2"
CLUEFORGE_SHOTS_DIR=$(cd "$2" && pwd) QT_QPA_PLATFORM=offscreen "$1/tests/clueforge_screenshots"
ls "$2"/*.png
