#!/bin/bash
# Regenerates the theme picture (an 800 x 500 JPEG of exactly 61,261 bytes: a grey backdrop with an abstract
# coloured shape) and the program icon. The committed files are what the build uses.
set -e
cd "$(dirname "$0")"
convert -size 800x500 gradient:'#9a9ea4'-'#5d6168' \
    -fill 'rgba(40,120,220,0.55)' -draw 'ellipse 560,230 260,150 0,360' \
    -fill 'rgba(250,170,60,0.45)' -draw 'polygon 80,430 330,90 470,470' \
    -fill 'rgba(90,200,160,0.40)' -draw 'circle 250,250 250,120' \
    -blur 0x6 -quality 80 -strip theme.tmp.jpg
python3 - <<'PY'
# Pads the picture to its fixed size with a JPEG comment segment right after the start marker.
data = open("theme.tmp.jpg", "rb").read()
extra = 61261 - len(data)
assert 4 <= extra <= 65537, f"picture is {len(data)} bytes; adjust the quality"
segment = b"\xff\xfe" + (extra - 2).to_bytes(2, "big") + b" " * (extra - 4)
open("theme.jpg", "wb").write(data[:2] + segment + data[2:])
PY
rm -f theme.tmp.jpg
convert -size 64x64 xc:none -fill '#2a7fd4' -draw 'roundrectangle 4,4 59,59 14,14' \
    -fill white -draw 'path "M 32,14 L 50,46 L 14,46 Z"' -define icon:auto-resize=48,32,16 shibei.ico
