#!/usr/bin/env bash
# Renders the picture and the icon from their SVG sources. Run it after
# editing resources/*.svg and commit the results; the build does not need it.
# Needs rsvg-convert (Debian: librsvg2-bin) and python3.
set -euo pipefail
cd "$(dirname "$0")/../resources"
rsvg-convert -w 180 -h 140 triangle.svg -o triangle.png
rsvg-convert -w 360 -h 280 triangle.svg -o triangle@2x.png
for size in 16 32 48 192 256 512; do
  rsvg-convert -w "$size" -h "$size" icon.svg -o "icon-$size.png"
done
python3 - <<'PY'
# A Windows icon holding the PNG images as they are (supported since Vista).
import struct
sizes = [16, 32, 48, 256]
images = [open(f"icon-{s}.png", "rb").read() for s in sizes]
header = struct.pack("<HHH", 0, 1, len(images))
offset = 6 + 16 * len(images)
entries = b""
for size, data in zip(sizes, images):
    entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
    offset += len(data)
with open("icon.ico", "wb") as f:
    f.write(header + entries + b"".join(images))
PY
rm -f icon-16.png icon-64.png icon-256.png  # 32 and 48 for the desktop, 192 and 512 for the web app
