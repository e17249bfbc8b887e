# Picture checks of the whole-game test, for a 600 by 450 window with its
# top-left corner at the screen's, after lib/common.sh.
magick_convert=/usr/bin/convert
[ -x "$magick_convert" ] || magick_convert=convert

# Prints "r g b" (0 to 255) of one pixel, x and y from the top-left corner.
pixel() {
  "$magick_convert" "$1" -crop "1x1+$2+$3" +repage -depth 8 txt:- |
    awk 'NR==2 { gsub(/[()]/, "", $2); split($2, c, ","); print int(c[1]), int(c[2]), int(c[3]) }'
}

# Prints the mean "r g b" (0 to 255) of a rectangle.
mean_colour() {
  "$magick_convert" "$1" -crop "$2x$3+$4+$5" +repage -scale 1x1\! -depth 8 txt:- |
    awk 'NR==2 { gsub(/[()]/, "", $2); split($2, c, ","); print int(c[1]), int(c[2]), int(c[3]) }'
}

# Share (0 to 100) of a rectangle's pixels whose darkest channel is at least v.
share_at_least() {
  "$magick_convert" "$1" -crop "$2x$3+$4+$5" +repage -depth 8 txt:- |
    awk -v v="$6" 'NR>1 { gsub(/[()]/, "", $2); split($2, c, ",");
      m = c[1]; if (c[2] < m) m = c[2]; if (c[3] < m) m = c[3];
      n++; if (m >= v) k++ } END { print int(100 * k / n) }'
}

# Share (0 to 1000) of a rectangle's pixels for which an awk condition on
# r, g, b (0 to 255) holds; per mille, so a few small figures still count.
share_where() {  # file w h x y condition
  "$magick_convert" "$1" -crop "$2x$3+$4+$5" +repage -depth 8 txt:- |
    awk 'NR>1 { gsub(/[()]/, "", $2); split($2, c, ","); r = c[1]; g = c[2]; b = c[3];
      n++; if ('"$6"') k++ } END { print int(1000 * k / n) }'
}

# A pure blue of the divider bars: no red or green, some blue.
is_divider_blue() {
  local r g b
  read -r r g b <<<"$1"
  [ "$r" -le 8 ] && [ "$g" -le 8 ] && [ "$b" -ge 20 ]
}

# The strip across the top 22 rows: blue, brightening toward the middle. Row
# 21 lies under every icon, name and bar of the strip; x 72 is just left of
# the square where the get-ready and pause pictures go.
expect_hud_strip() {
  local edge middle
  edge="$(pixel "$1" 3 21)"
  middle="$(pixel "$1" 72 21)"
  is_divider_blue "$edge" || fail "$1: no HUD strip at the left edge ($edge)"
  is_divider_blue "$middle" || fail "$1: no HUD strip toward the middle ($middle)"
  local eb mb
  eb="$(echo "$edge" | awk '{print $3}')"
  mb="$(echo "$middle" | awk '{print $3}')"
  [ "$mb" -gt "$eb" ] || fail "$1: the strip does not brighten toward its middle"
}

# The menus draw a square of the window's height centred across it: the
# 75-pixel margins left and right stay black.
menu_square_showing() {
  [ "$(mean_colour "$1" 70 450 0 0)" = "0 0 0" ] &&
    [ "$(mean_colour "$1" 70 450 530 0)" = "0 0 0" ] &&
    [ "$(mean_colour "$1" 300 300 150 75)" != "0 0 0" ]
}

# Share (0 to 1000) of gold where the world and players pages write their
# heading across the top of the square; the title page has its name there.
heading_gold() { share_where "$1" 340 50 130 60 'r >= 200 && g >= 120 && g <= 215 && b <= 110'; }

# The title page's starry picture reaches the right edge of the square; the
# opening scene, also drawn in that square, leaves the strip black (its
# backdrop and pictures keep to the middle). The world and players pages are
# starry too, but have their gold heading.
title_page_showing() {
  menu_square_showing "$1" && [ "$(mean_colour "$1" 40 100 482 150)" != "0 0 0" ] &&
    [ "$(heading_gold "$1")" -lt 100 ]
}

choice_page_showing() { menu_square_showing "$1" && [ "$(heading_gold "$1")" -ge 100 ]; }

# Share (0 to 1000) of black in a one-player view: the board untextured has a
# black floor, textured it has only a few dark patches.
view_black() { share_where "$1" 440 420 0 30 'r < 16 && g < 16 && b < 16'; }
textures_off_showing() { [ "$(view_black "$1")" -ge 200 ]; }
textures_on_showing() { [ "$(view_black "$1")" -lt 150 ]; }

# The story's scenes, each by what only it shows. The palace: the dark red
# curtains along the top, and the robed Bunny's yellow fur right of the table.
palace_showing() {
  [ "$(share_where "$1" 600 120 0 0 'r >= 90 && g <= 40 && b <= 60 && r > 2 * b')" -ge 100 ] &&
    [ "$(share_where "$1" 300 300 300 100 'r >= 200 && g >= 140 && g <= 230 && b <= 100')" -ge 20 ]
}

# The army: blue sky across the top, sand at the foot of the valley, and the
# rows of Rodents on the sand, whose eyes and shading are the only dark
# pixels there.
army_showing() {
  [ "$(share_where "$1" 600 60 0 0 'b >= 200 && g >= 110 && g <= 200 && r <= 150')" -ge 500 ] &&
    [ "$(share_where "$1" 60 50 370 390 'r >= 200 && g >= 150 && g <= 220 && b >= 90 && b <= 170')" -ge 300 ] &&
    [ "$(share_where "$1" 260 160 170 240 'r < 120 && g < 120 && b < 120')" -ge 2 ]
}

# The spiral: orange arms over a near-black ground.
spiral_showing() {
  [ "$(share_where "$1" 600 450 0 0 'r >= 200 && g >= 100 && g <= 200 && b <= 100')" -ge 40 ] &&
    [ "$(share_where "$1" 100 100 0 0 'r < 60 && g < 60 && b < 60')" -ge 500 ]
}

expect_menu_square() {
  local left right centre
  left="$(mean_colour "$1" 70 450 0 0)"
  right="$(mean_colour "$1" 70 450 530 0)"
  centre="$(mean_colour "$1" 300 300 150 75)"
  [ "$left" = "0 0 0" ] || fail "$1: left margin not black ($left)"
  [ "$right" = "0 0 0" ] || fail "$1: right margin not black ($right)"
  [ "$centre" != "0 0 0" ] || fail "$1: no menu picture"
}

# Dividers: a vertical bar at x 300 for 2 to 4 views, a horizontal one at
# y 236 (from the top) for 3 and 4.
expect_views() {
  local img="$1" players="$2" low
  low="$(pixel "$img" 300 440)"
  if [ "$players" -ge 2 ]; then
    is_divider_blue "$low" || fail "$img: no vertical divider for $players views ($low)"
  else
    ! is_divider_blue "$low" || fail "$img: a divider in a one-player view"
  fi
  local side
  side="$(pixel "$img" 40 236)"
  if [ "$players" -ge 3 ]; then
    is_divider_blue "$side" || fail "$img: no horizontal divider for $players views ($side)"
  else
    ! is_divider_blue "$side" || fail "$img: a horizontal divider with $players views"
  fi
}

# The minimap greys everything under it: nearly every pixel of its square
# has all channels well above black. Its place depends on the player count.
expect_minimap() {
  local img="$1" players="$2" x y w h
  case "$players" in
    1) x=465; y=23; w=135; h=135 ;;
    2) x=232; y=23; w=135; h=135 ;;
    3) x=348; y=243; w=207; h=207 ;;
    *) x=232; y=175; w=135; h=135 ;;
  esac
  local share
  share="$(share_at_least "$img" $((w - 6)) $((h - 6)) $((x + 3)) $((y + 3)) 30)"
  [ "$share" -ge 90 ] || fail "$img: no minimap at ($x, $y) for $players players (only $share% grey)"
  if [ "$players" -eq 2 ] || [ "$players" -eq 4 ]; then
    # The vertical divider is left open under the minimap.
    local gap
    gap="$(pixel "$img" 300 $((y + h / 2)))"
    ! is_divider_blue "$gap" || fail "$img: the divider runs through the minimap"
  fi
}

# Blue of the strip left of the square, 0 to 255: about 50 when clear, less
# while the fade curtain is down.
strip_brightness() { pixel "$1" 72 21 | awk '{print $3}'; }

# Share (0 to 100) of lime pixels in the band where the get-ready picture
# writes its words across the centred square. Lime is greener than red and
# keeps some blue, so yellow in the world does not count.
lime_share() {
  echo $(($(share_where "$1" 395 60 100 195 \
    'r >= 140 && g >= 180 && b <= 140 && g > b + 50 && r < g - 5 && b >= 30') / 10))
}

# True when any of ten quick shots over about three seconds shows the
# get-ready words, which blink once a second.
get_ready_showing() {
  local dir="$1" i share
  for i in 1 2 3 4 5 6 7 8 9 10; do
    import -window root -crop 600x450+0+0 +repage "$dir/blink.png"
    share="$(lime_share "$dir/blink.png")"
    rm -f "$dir/blink.png"
    [ "$share" -ge 3 ] && return 0
    sleep 0.1
  done
  return 1
}

# Share (0 to 100) of golden pixels in the band where the pause picture
# writes its word across the centred square.
gold_share() {
  echo $(($(share_where "$1" 395 80 100 170 \
    'r >= 190 && g >= 120 && g <= 215 && b <= 110 && r > b + 100') / 10))
}

paused_showing() { [ "$(gold_share "$1")" -ge 8 ]; }
not_paused_showing() { [ "$(gold_share "$1")" -lt 8 ]; }

expect_paused() {
  local share
  share="$(gold_share "$1")"
  [ "$share" -ge 8 ] || fail "$1: no pause picture (gold share $share%)"
}

expect_not_paused() {
  local share
  share="$(gold_share "$1")"
  [ "$share" -lt 8 ] || fail "$1: the pause picture is still up (gold share $share%)"
}

# Each pib's fur, lit or shaded, as a condition on r, g, b: pink, crimson,
# light grey (the grey pib is told from the world's metal only by being
# lighter, so its view's check is the weakest), blue. A protected pib blinks
# yellow on some frames.
pib_fur=(
  'r >= 200 && g >= 100 && g <= 215 && g - b <= 20 && b - g <= 20 && r - g >= 30'
  'r >= 130 && b - g >= 10 && b - g <= 70 && r - b >= 80'
  'r >= 190 && r <= 250 && r - g <= 8 && g - r <= 8 && g - b <= 8 && b - g <= 8'
  'b >= 110 && g - r >= 20 && b - g >= 30'
)
pib_blink='r >= 200 && g >= 190 && b <= 90'

# Where a view's camera keeps its pib: the middle half across, the top
# three fifths down. Prints "w h x y" for player p of n.
pib_region() {  # p, players
  local p="$1" n="$2" x=0 y=22 w=600 h=428
  if [ "$n" -eq 2 ]; then w=298; x=$(((p - 1) * 302)); fi
  if [ "$n" -ge 3 ]; then w=298; h=213; x=$(((p - 1) % 2 * 302)); y=$((22 + (p - 1) / 2 * 216)); fi
  echo "$((w / 2)) $((h * 3 / 5)) $((x + w / 4)) $y"
}

pib_showing() {  # p, players, file
  # shellcheck disable=SC2046
  [ "$(share_where "$3" $(pib_region "$1" "$2") "(${pib_fur[$1 - 1]}) || ($pib_blink)")" -ge 20 ]
}

# Every view shows its own pib. Creatures come for the pibs from the start,
# and a pib burning or falling shows no fur for a while, so each view has up
# to ten shots over several seconds to show it in.
expect_pibs_in_views() {  # players
  local players="$1" p seen=()
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    import -window root -crop 600x450+0+0 +repage "$OUT/probe.png"
    for ((p = 1; p <= players; p++)); do
      [ -n "${seen[p]:-}" ] || ! pib_showing "$p" "$players" "$OUT/probe.png" || seen[p]=1
    done
    [ "${#seen[@]}" -eq "$players" ] && return 0
    sleep 0.5
  done
  for ((p = 1; p <= players; p++)); do
    [ -n "${seen[p]:-}" ] || fail "view $p of $players never showed its pib's fur"
  done
}
