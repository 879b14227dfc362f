#!/bin/sh
# Builds a contact sheet of one skin's pictures for looking them over:
#   contact-sheet.sh <installation folder> <skin> <output.png>
# Buttons come in rows of out / over / dis triples; small pictures follow; the two window
# backgrounds are shown reduced at the bottom.
set -e
root=$1; skin=$2; out=$3
dir=$root/img/skins/$skin
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

buttons=$(ls "$dir" | sed -n 's/^out_\(.*\)\.jpg$/\1/p' | sort)
files=""
for b in $buttons; do
  over=$(ls "$dir" | grep -i "^over_$b\.jpg$")
  files="$files $dir/out_$b.jpg $dir/$over $dir/dis_$b.jpg"
done
montage -background '#808080' -fill white -pointsize 9 -label '%t' $files \
  -tile 9x -geometry '72x64>+6+4' "$tmp/buttons.png"

small=""
for f in top_left top top_right left center right bottom_left bottom bottom_right arr_up; do
  small="$small $dir/$f.jpg"
done
for f in separator48 msg_critical msg_info msg_exclamation gif_new gif_edit gif_print gif_designer gif_delete; do
  small="$small $dir/$f.gif"
done
montage -background '#808080' -fill white -pointsize 9 -label '%t' $small \
  -tile 10x -geometry '72x64>+6+4' "$tmp/small.png"

convert "$dir/browser.jpg" "$dir/card.jpg" -resize 50% +append "$tmp/windows.png"
convert "$dir/preview.jpg" -bordercolor '#808080' -border 8 "$tmp/preview.png"
convert -background '#808080' "$tmp/buttons.png" "$tmp/small.png" "$tmp/preview.png" "$tmp/windows.png" -gravity center -append +repage -depth 8 "$out"
