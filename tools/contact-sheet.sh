#!/usr/bin/env bash
# Draws every creature sheet of a media pack on one labelled picture, for
# judging the art side by side: the picture rows of each sheet (not the
# masks), doubled where that still fits in 2400 pixels, the longest strips
# folded in two. Needs ImageMagick.
# usage: tools/contact-sheet.sh MEDIA_FOLDER OUT.png
# (MEDIA_FOLDER holds the bv_*.bmp files, e.g. build/windows/Zentrova/Bluvessa)
set -euo pipefail
media=$1
out=$2
width=2440
sea='#1b2a40'
font=$(fc-match -f '%{file}' sans)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for sheet in "$media"/bv_*.bmp; do
    name=$(basename "$sheet" .bmp)
    case "$name" in bv_background* | bv_foreground* | bv_palette | bv_preview*) continue ;; esac
    read -r w h < <(identify -format '%w %h\n' "$sheet")
    rows=$((h / 2))  # the masks fill the lower half
    if ((w * 2 <= width - 40)); then
        convert "$sheet" -crop "${w}x$rows+0+0" +repage -filter point -resize 200% "$work/strip.png"
    elif ((w <= width - 40)); then
        convert "$sheet" -crop "${w}x$rows+0+0" +repage "$work/strip.png"
    else
        half=$((w / 2))
        convert \( "$sheet" -crop "${half}x$rows+0+0" +repage \) \
            \( "$sheet" -crop "${half}x$rows+$half+0" +repage \) \
            -background "$sea" -splice 0x6 -append "$work/strip.png"
    fi
    convert "$work/strip.png" -bordercolor "$sea" -border 10 -background "$sea" -fill white \
        -font "$font" -pointsize 22 label:"${name#bv_}" -gravity center -append \
        "$work/tile-$name.png"
done

# Tallest first, laid in rows no wider than the page.
row=0 used=0 tiles=()
lay_row() {
    ((${#tiles[@]})) || return 0
    convert -background "$sea" -gravity south "${tiles[@]}" +append "$work/row-$(printf %03d $row).png"
    row=$((row + 1)) used=0 tiles=()
}
while read -r h w tile; do
    ((used + w <= width)) || lay_row
    tiles+=("$tile")
    used=$((used + w))
done < <(identify -format '%h %w %i\n' "$work"/tile-*.png | sort -k1,1nr -k2,2nr)
lay_row
convert -background "$sea" -gravity west "$work"/row-*.png -append -bordercolor "$sea" \
    -border 10 +repage -depth 8 "$out"
