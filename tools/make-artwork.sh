#!/usr/bin/env bash
# Draws the shell's artwork with ImageMagick. The results are committed under
# resources/shell/art/, so a build needs none of this; run it again after changing a drawing.
set -euo pipefail
out=$(cd "$(dirname "$0")/.." && pwd)/resources/shell/art
mkdir -p "$out"
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT

# Icon: a white handset on a coloured disc, in 32 and 16 pixels.
icon() {  # name colour [cross]
  local name=$1 colour=$2 cross=${3:-}
  for size in 32 16; do
    local s=$((size * 8))
    local extra=()
    [ -n "$cross" ] && extra=(-stroke '#ffffff' -strokewidth $((s / 10)) -draw "line $((s*62/100)),$((s*62/100)) $((s*90/100)),$((s*90/100))" -draw "line $((s*90/100)),$((s*62/100)) $((s*62/100)),$((s*90/100))")
    convert -size ${s}x${s} xc:none -fill "$colour" -draw "circle $((s/2)),$((s/2)) $((s/2)),2" \
      -fill white -stroke none \
      -draw "roundrectangle $((s*22/100)),$((s*40/100)) $((s*78/100)),$((s*56/100)) $((s/16)),$((s/16))" \
      -draw "roundrectangle $((s*20/100)),$((s*30/100)) $((s*36/100)),$((s*50/100)) $((s/20)),$((s/20))" \
      -draw "roundrectangle $((s*64/100)),$((s*30/100)) $((s*80/100)),$((s*50/100)) $((s/20)),$((s/20))" \
      -draw "roundrectangle $((s*36/100)),$((s*58/100)) $((s*64/100)),$((s*76/100)) $((s/24)),$((s/24))" \
      "${extra[@]}" -resize ${size}x${size} "$tmp/$name-$size.png"
  done
  convert "$tmp/$name-32.png" "$tmp/$name-16.png" "$out/$name.ico"
}
icon main '#1f6fb2'
icon tray '#2e9d48'
icon traylost '#b23a2a' cross

# Splash: a rounded card with the product name on a gradient, magenta outside the shape.
w=528; h=396
convert -size ${w}x${h} xc:'#ff00ff' \
  \( -size ${w}x${h} gradient:'#2a8fd8-#0d3a66' \) \
  \( -size ${w}x${h} xc:black +antialias -fill white -draw "roundrectangle 0,0 $((w-1)),$((h-1)) 48,48" \) \
  -compose over -composite \
  -fill '#ffffff' -font DejaVu-Sans-Bold -pointsize 54 -gravity center -annotate +0-40 'Zelvo Phone' \
  -fill '#cfe6fa' -font DejaVu-Sans -pointsize 20 -annotate +0+20 'Internet telephone' \
  -fill '#9cc7ec' -pointsize 14 -annotate +0+150 'Starting...' \
  -fill none -stroke '#ffffff' -strokewidth 6 -gravity northwest \
  -draw "arc $((w/2-70)),250 $((w/2+70)),330 200,340" \
  +antialias -type TrueColor BMP3:"$out/splash.bmp"
