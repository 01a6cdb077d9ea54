#!/usr/bin/env bash
# Draws docs/assets_contact_sheet.png from the committed asset files: the 100 rank badges twice as
# large with their row and rank name (and beside each, the badge squeezed to 40 x 35 as the window
# shows it), then the interface pictures enlarged six times.
# Needs ImageMagick and the WenQuanYi Zen Hei font.
set -euo pipefail
cd "$(dirname "$0")/.."
files=${ASSET_FILES:-assets/files}
font=/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
[[ -n ${KEEP_WORK:-} ]] && trap - EXIT

names=(列兵1 列兵2 三等兵 二等兵 一等兵 上等兵1 上等兵2 上等兵3 上等兵4
  下士1 下士2 下士3 下士4 下士5 下士6 中士1 中士2 中士3 中士4 中士5 中士6
  上士1 上士2 上士3 上士4 上士5 上士6
  少尉1 少尉2 少尉3 少尉4 少尉5 少尉6 少尉7 少尉8 中尉1 中尉2 中尉3 中尉4 中尉5 中尉6 中尉7 中尉8
  上尉1 上尉2 上尉3 上尉4 上尉5 上尉6 上尉7 上尉8
  少校1 少校2 少校3 少校4 少校5 少校6 少校7 少校8 中校1 中校2 中校3 中校4 中校5 中校6 中校7 中校8
  上校1 上校2 上校3 上校4 上校5 上校6 上校7 上校8 大校1 大校2 大校3 大校4 大校5 大校6
  少将1 少将2 少将3 少将4 少将5 少将6 中将1 中将2 中将3 中将4 中将5 中将6
  上将1 上将2 上将3 上将4 上将5 上将6 元帅)

tiles=()
for row in $(seq 1 100); do
  badge=$(printf '%s/badges/badge_%03d.jpg' "$files" "$row")
  tile="$work/tile_$row.png"
  convert \( "$badge" -filter point -resize 200% \) \
    \( "$badge" -filter triangle -resize '40x35!' -background '#e8e8e8' -gravity center -extent 44x100 \) \
    +append -background white -gravity center -extent 150x100 +repage "$tile"
  tiles+=(-label "$row ${names[$((row - 1))]}" "$tile")
done
montage -font "$font" -pointsize 15 "${tiles[@]}" -tile 10x -geometry +4+4 -background white \
  "$work/badges.png"

pictures=()
for name in skin caption_help caption_main_menu caption_minimise caption_maximise caption_restore \
  caption_close check_empty check_checked arrow_down arrow_up arrow_left arrow_right icon; do
  picture="$files/$name.png"
  [[ $name == icon ]] && picture="$files/icon.ico[0]"
  if [[ $name == skin ]]; then
    convert "$picture" -resize 25% +repage "$work/$name.png"
  else
    # the transparent pictures are shown over a mid blue, like the caption they sit on
    convert "$picture" -filter point -resize 600% -background '#2e89cd' \
      -flatten +repage "$work/$name.png"
  fi
  pictures+=(-label "$name" "$work/$name.png")
done
montage -font "$font" -pointsize 15 "${pictures[@]}" -tile 5x -geometry "256x144>+6+6" -background white \
  "$work/pictures.png"

convert "$work/badges.png" "$work/pictures.png" +repage -background white -gravity center -append \
  +repage -strip -depth 8 docs/assets_contact_sheet.png
