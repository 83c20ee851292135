#!/usr/bin/env bash
# Draws the logo bitmap and the two camera icons with ImageMagick. The output
# is committed; run again only to change the pictures.
set -euo pipefail
cd "$(dirname "$0")"

font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
font_light=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The camera at 256 px on a transparent ground: a camouflage-green body with
# a lens, the motion sensor window, the infrared flash and a cellular antenna.
convert -size 256x256 xc:none \
  -fill '#5b6b2f' -stroke '#2c3414' -strokewidth 8 \
  -draw 'roundrectangle 28,64 228,232 28,28' \
  -fill '#7d8f44' -stroke none -draw 'roundrectangle 40,76 216,108 12,12' \
  -fill '#20242a' -stroke '#101214' -strokewidth 6 -draw 'circle 128,164 128,214' \
  -fill '#3d6fb0' -stroke none -draw 'circle 128,164 128,194' \
  -fill '#cfe3ff' -draw 'circle 116,152 116,162' \
  -fill '#8a1c1c' -draw 'roundrectangle 56,84 96,100 6,6' \
  -fill '#d9d9d9' -draw 'roundrectangle 160,84 200,100 6,6' \
  -stroke '#2c3414' -strokewidth 10 -draw 'line 196,64 196,30' \
  -fill '#2c3414' -stroke none -draw 'circle 196,30 196,40' \
  -fill none -stroke '#e8a317' -strokewidth 9 \
  -draw 'arc 168,2 224,58 280,340' -draw 'arc 150,-16 242,76 285,335' \
  "$work/camera.png"

# Icon group 117, the program's icon: 32, 24 and 16 px, 32-bit colour.
convert "$work/camera.png" \
  \( -clone 0 -resize 32x32 \) \( -clone 0 -resize 24x24 \) \( -clone 0 -resize 16x16 \) \
  -delete 0 camera.ico

# Icon group 119, the windows' small icon: 48, 32, 24 and 16 px, each in
# 8-bit (palette, mask transparency) and in 32-bit colour (alpha).
# The palette frames are quantized in the same command that writes the icon:
# only then does the icon writer keep them at 8 bits.
args=()
for size in 48 32 24 16; do
  args+=(\( "$work/camera.png" -resize ${size}x${size} -channel A -threshold 50% +channel -colors 255 \))
done
for size in 48 32 24 16; do
  args+=(\( "$work/camera.png" -resize ${size}x${size} \))
done
convert "${args[@]}" camera_small.ico

# Bitmap 114, the logo: 360 x 52, 24 bits per pixel, no alpha.
convert -size 52x360 gradient:'#1d3b2a-#3f6e3a' -rotate 90 \
  \( "$work/camera.png" -resize 44x44 \) -geometry +6+4 -composite \
  -font "$font" -pointsize 26 -fill '#f2f5e9' -annotate +60+29 'camsetup' \
  -font "$font_light" -pointsize 11 -fill '#cfe0b4' \
  -annotate +62+45 'SD card settings for cellular trail cameras' \
  -fill '#e8a317' -draw 'rectangle 207,12 209,30' \
  -font "$font_light" -pointsize 13 -fill '#f2f5e9' -annotate +216+27 '3G / camera setup' \
  -alpha off -type TrueColor BMP3:logo.bmp
