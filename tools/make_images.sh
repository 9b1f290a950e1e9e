#!/bin/sh
# Draws the program's icon and images with ImageMagick (Debian's imagemagick package).
# Run from the project root: sh tools/make_images.sh
set -e
C=/usr/bin/convert
out=rec
mkdir -p "$out/ico" "$out/img"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Window icon: a green arrow on a document, six sizes in one .ico.
$C -size 256x256 xc:none \
   -fill '#f4f7f2' -stroke '#2f6b2f' -strokewidth 8 -draw 'polygon 48,16 168,16 216,64 216,240 48,240' \
   -fill '#cfe3c8' -stroke '#2f6b2f' -strokewidth 6 -draw 'polygon 168,16 168,64 216,64' \
   -fill '#2e9b3a' -stroke '#1d6a26' -strokewidth 6 -draw 'polygon 80,200 80,140 56,140 132,72 208,140 184,140 184,200' \
   -depth 8 png32:"$tmp/icon-master.png"
for s in 16 32 48 64 128 256; do $C "$tmp/icon-master.png" -resize ${s}x${s} PNG8:"$tmp/icon$s.png"; done
# An .ico whose six entries are small palette PNGs: cheap to decode when the window starts.
python3 - "$tmp" "$out/ico/21571-7-green-arrow-file.ico" <<'PY'
import struct, sys
tmp, target = sys.argv[1], sys.argv[2]
sizes = [16, 32, 48, 64, 128, 256]
images = [open(f"{tmp}/icon{s}.png", "rb").read() for s in sizes]
offset = 6 + 16 * len(sizes)
header = struct.pack("<HHH", 0, 1, len(sizes))
entries = b""
for size, data in zip(sizes, images):
    entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
    offset += len(data)
with open(target, "wb") as f:
    f.write(header + entries + b"".join(images))
PY

# Open: a yellow folder with a blue arrow, 256 x 256.
$C -size 256x256 xc:none \
   -fill '#e8b84a' -stroke '#9a6d12' -strokewidth 6 -draw 'polygon 20,60 100,60 120,84 236,84 236,220 20,220' \
   -fill '#f6d37a' -draw 'polygon 20,220 48,112 252,112 236,220' \
   -fill '#2a6fd6' -stroke '#174a99' -strokewidth 4 -draw 'polygon 110,200 110,160 86,160 128,118 170,160 146,160 146,200' \
   PNG8:"$out/img/open-file-icon.png"

# Save as: a floppy disk with a pencil, 128 x 128.
$C -size 128x128 xc:none \
   -fill '#3a5f9e' -stroke '#1f3a66' -strokewidth 4 -draw 'roundrectangle 10,10 118,118 10,10' \
   -fill '#e9eef7' -stroke none -draw 'rectangle 30,14 94,50' \
   -fill '#1f3a66' -draw 'rectangle 74,20 86,44' \
   -fill '#ffffff' -draw 'rectangle 26,70 102,114' \
   -stroke '#c0392b' -strokewidth 8 -draw 'line 60,104 104,60' \
   PNG8:"$out/img/file-save-as-icon.png"

# Exit: a red disc with a white cross, 256 x 256.
$C -size 256x256 xc:none \
   -fill '#d9442f' -stroke '#8e2316' -strokewidth 8 -draw 'circle 128,128 128,12' \
   -stroke '#ffffff' -strokewidth 28 -draw 'line 82,82 174,174' -draw 'line 174,82 82,174' \
   PNG8:"$out/img/Close-2-icon.png"

# Chart button: bars with a rising line, 509 x 452.
$C -size 509x452 xc:white \
   -stroke '#333333' -strokewidth 6 -draw 'line 40,412 480,412' -draw 'line 40,412 40,30' \
   -stroke none -fill '#7fb3e6' \
   -draw 'rectangle 70,330 130,410' -draw 'rectangle 160,290 220,410' -draw 'rectangle 250,230 310,410' \
   -draw 'rectangle 340,170 400,410' -draw 'rectangle 430,90 478,410' \
   -fill none -stroke '#2e9b3a' -strokewidth 10 -draw 'polyline 70,300 160,260 250,200 340,140 470,60' \
   PNG8:"$out/img/graph.png"
