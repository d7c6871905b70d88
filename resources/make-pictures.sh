#!/usr/bin/env bash
# Redraws TARN's pictures with ImageMagick. The PNGs are kept in the repository; run this
# only after changing a drawing here.
set -euo pipefail
cd "$(dirname "$0")"

tool() { convert -size 16x16 xc:none "$@" -define png:color-type=6 "toolbar/$name.png"; }

name=new;   tool -fill white -stroke '#404040' -draw 'polygon 3,1 10,1 13,4 13,14 3,14' \
                 -fill '#c0c0c0' -draw 'polygon 10,1 10,4 13,4'
name=open;  tool -fill '#e8c050' -stroke '#806010' -draw 'polygon 1,4 5,4 6,5 12,5 12,13 1,13' \
                 -fill '#f8dc80' -draw 'polygon 3,8 15,8 12,13 1,13'
name=save;  tool -fill '#3060b0' -stroke '#102050' -draw 'rectangle 2,2 13,13' \
                 -fill white -stroke none -draw 'rectangle 4,3 11,7' \
                 -fill '#c0c0c0' -draw 'rectangle 5,10 10,13'
name=read;  tool -fill '#404040' -draw 'rectangle 9,1 13,14' -fill '#80ff80' -draw 'rectangle 10,3 12,5' \
                 -stroke '#10a010' -strokewidth 2 -draw 'line 8,9 2,9' -fill '#10a010' -stroke none \
                 -draw 'polygon 1,9 4,6 4,12'
name=write; tool -fill '#404040' -draw 'rectangle 9,1 13,14' -fill '#ff8080' -draw 'rectangle 10,3 12,5' \
                 -stroke '#c02020' -strokewidth 2 -draw 'line 1,9 6,9' -fill '#c02020' -stroke none \
                 -draw 'polygon 8,9 5,6 5,12'
name=print; tool -fill white -stroke '#404040' -draw 'rectangle 4,1 11,6' \
                 -fill '#a0a0a0' -draw 'rectangle 1,6 14,11' -fill white -draw 'rectangle 4,10 11,14'
name=about; tool -fill '#2a6fdb' -stroke '#103070' -draw 'circle 7.5,7.5 7.5,1' \
                 -fill white -stroke none -draw 'rectangle 7,6 8,12' -draw 'rectangle 7,3 8,4'

# Program icon: a handheld radio with its antenna, on a rounded tile.
icon() {
    local size=$1 out=$2 face=$3
    convert -size 64x64 xc:none \
        -fill "$face" -draw 'roundrectangle 2,2 61,61 10,10' \
        -fill '#202020' -draw 'rectangle 40,5 45,22' \
        -fill '#303030' -draw 'roundrectangle 18,18 47,59 5,5' \
        -fill '#90e090' -draw 'rectangle 23,23 42,34' \
        -fill '#c0c0c0' -draw 'rectangle 23,39 28,43' -draw 'rectangle 30,39 35,43' \
        -draw 'rectangle 37,39 42,43' -draw 'rectangle 23,46 28,50' -draw 'rectangle 30,46 35,50' \
        -draw 'rectangle 37,46 42,50' \
        -resize "${size}x${size}" "$out"
}
icon 32 pictures/tarn-32.png '#2a6fdb'
icon 48 pictures/tarn-48.png '#2a6fdb'
icon 128 pictures/tarn-128.png '#2a6fdb'
icon 32 pictures/about-32.png '#e0a020'
# The window icon of the original is 24 bits: flatten onto the tile colour.
convert pictures/tarn-32.png -background '#2a6fdb' -flatten -type TrueColor pictures/tarn-32.png

# Work-area background, 232 x 124, 24 bits: soft waves that join at the tile edges.
convert -size 232x124 xc:'#30557f' \
    -fill none -stroke '#4d77a6' -strokewidth 2 \
    -draw 'bezier 0,31 77,11 155,51 232,31' \
    -draw 'bezier 0,93 77,73 155,113 232,93' \
    -stroke '#31557d' -strokewidth 1 \
    -draw 'bezier 0,62 77,82 155,42 232,62' \
    -type TrueColor pictures/background.png

# 8 bits a channel (background and window icon: 24 bits a pixel).
mogrify -depth 8 toolbar/*.png pictures/*.png
