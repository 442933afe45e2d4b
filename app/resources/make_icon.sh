#!/usr/bin/env bash
# Regenerates app.ico (16, 24, 32, 48 and 256 px) with ImageMagick. Run by hand; app.ico is committed.
set -euo pipefail
cd "$(dirname "$0")"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
convert -size 256x256 xc:none -fill '#1f6feb' -draw 'roundrectangle 8,8 247,247 44,44' \
  -fill none -stroke white -strokewidth 34 -draw 'circle 128,128 128,52' \
  -stroke '#ffd33d' -strokewidth 0 -fill '#ffd33d' -draw 'circle 186,70 186,46' "$tmp/base.png"
for s in 16 24 32 48; do
  convert "$tmp/base.png" -filter Lanczos -resize ${s}x${s} -colors 64 "PNG32:$tmp/i$s.png"
done
convert "$tmp/base.png" -colors 128 "PNG32:$tmp/i256.png"
convert "$tmp"/i16.png "$tmp"/i24.png "$tmp"/i32.png "$tmp"/i48.png "$tmp"/i256.png app.ico
