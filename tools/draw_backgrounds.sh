#!/bin/sh
# Draws the two default window backgrounds, share/coinwright/Image/Scenery1.jpg
# (sky, sun and hills) and Flower2.jpg (a spray of flowers), with ImageMagick.
# Run from the source tree: tools/draw_backgrounds.sh
set -eu
out="$(dirname "$0")/../share/coinwright/Image"
mkdir -p "$out"

convert -size 800x600 gradient:'#9cc9f0-#f3f8fd' \
  -fill '#fff4c2' -draw 'circle 620,130 620,200' \
  -fill '#ffe58a' -draw 'circle 620,130 620,175' \
  -fill 'rgba(255,255,255,0.85)' \
    -draw 'ellipse 170,120 70,24 0,360' -draw 'ellipse 230,105 60,28 0,360' -draw 'ellipse 290,125 55,20 0,360' \
    -draw 'ellipse 440,200 50,16 0,360' -draw 'ellipse 485,190 45,20 0,360' \
  -fill '#a9cf8e' -draw 'path "M 0,420 C 160,330 300,340 420,400 C 540,460 680,360 800,380 L 800,600 L 0,600 Z"' \
  -fill '#7fb36a' -draw 'path "M 0,480 C 140,430 260,470 400,470 C 560,470 660,420 800,450 L 800,600 L 0,600 Z"' \
  -fill '#5e9a52' -draw 'path "M 0,560 C 200,520 420,560 560,540 C 680,525 740,540 800,530 L 800,600 L 0,600 Z"' \
  -fill '#4a7f42' -draw 'rectangle 148,455 154,495' -draw 'circle 151,445 151,422' \
  -fill '#4a7f42' -draw 'rectangle 658,420 664,458' -draw 'circle 661,410 661,390' \
  -blur 0x1 -quality 85 "$out/Scenery1.jpg"

flower() {  # centre x, centre y, radius, petal colour
  x=$1 y=$2 r=$3 c=$4
  draw=""
  for a in 0 60 120 180 240 300; do
    draw="$draw -draw \"translate $x,$y rotate $a ellipse $r,0 $r,$((r / 2)) 0,360\""
  done
  echo "-fill '$c' $draw -fill '#f6d35b' -draw \"circle $x,$y $x,$((y + r / 2))\""
}

eval convert -size 800x600 gradient:"'#fdf1f5-#eef6ea'" \
  -stroke "'#6f9e5a'" -strokewidth 6 -fill none \
    -draw "'path \"M 120,600 C 160,480 180,380 230,260\"'" \
    -draw "'path \"M 330,600 C 340,470 380,360 420,300\"'" \
    -draw "'path \"M 560,600 C 560,500 600,400 640,330\"'" \
  -stroke none -fill "'#8cbf72'" \
    -draw "'translate 190,430 rotate -35 ellipse 0,0 40,14 0,360'" \
    -draw "'translate 380,450 rotate 30 ellipse 0,0 42,15 0,360'" \
    -draw "'translate 590,470 rotate -25 ellipse 0,0 38,13 0,360'" \
  "$(flower 230 250 34 '#f4a3c0')" \
  "$(flower 420 290 30 '#f7c6d9')" \
  "$(flower 640 320 36 '#e98bb0')" \
  "$(flower 90 120 18 '#f7c6d9')" \
  "$(flower 720 110 22 '#f4a3c0')" \
  -blur 0x1 -quality 85 "'$out/Flower2.jpg'"
