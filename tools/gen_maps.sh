#!/usr/bin/env bash
# Generate the day and night map bitmaps (data/ArchBmp) from GSHHG shorelines.
#
# Window: lon 5.2E..29.708E, lat 31.7N..41.7N, plain lon/lat grid,
# 2034 x 924 pixels (game map 0..15250 x 0..6930, x = (lon-5.2)*622.449,
# y = (41.7-lat)*693).
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
OUT="$ROOT/data/ArchBmp"
HELPER="$ROOT/tools/gen_maps.py"

REGION=5.2/29.708/31.7/41.7
NX=2034
NY=924

if ! command -v gmt >/dev/null 2>&1; then
    apt-get install -y gmt gmt-gshhg-high
fi

# Python 3 with PIL
PY=""
for p in python3 /usr/bin/python3; do
    if command -v "$p" >/dev/null 2>&1 && "$p" -c 'import PIL' 2>/dev/null; then
        PY="$p"; break
    fi
done
[ -n "$PY" ] || { echo "need python3 with PIL (python3-pil)" >&2; exit 1; }

TMP="$(mktemp -d)"
trap 'rm -rf "$TMP"' EXIT
cd "$TMP"    # keep gmt.history etc. out of the tree

# Full resolution shorelines if present, else high.
RES=h
if gmt grdlandmask -R0/1/0/1 -I1 -Df -Gprobe.nc >/dev/null 2>&1; then
    RES=f
fi

# Pixel registered, NX x NY cells over the window, i.e. increments of
# 24.508/2034 deg by 10/924 deg.  grdlandmask does no anti-aliasing.
# Values: 0 sea, 1 land, 2 lake (islands in lakes = land, ponds = lake).
gmt grdlandmask -R$REGION -I${NX}+n/${NY}+n -r -D$RES -N0/1/2/1/2 -G"$TMP/mask.nc"
gmt grd2xyz "$TMP/mask.nc" -ZTLc > "$TMP/mask.raw"   # top row first, 1 byte/pixel
echo "land mask: ${NX}x${NY}, shorelines -D$RES"

mkdir -p "$OUT"
"$PY" "$HELPER" build "$TMP/mask.raw" "$OUT"

# Verification: sea colour and a few known points.
"$PY" "$HELPER" verify "$OUT"
