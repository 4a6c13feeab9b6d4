# Pixel facts of the window's picture, shared by the display checks.

# pixel FILE X Y: the colour at (X, Y) as "R,G,B", each 0 to 255.
pixel() { convert "$1" -format "%[fx:round(255*p{$2,$3}.r)],%[fx:round(255*p{$2,$3}.g)],%[fx:round(255*p{$2,$3}.b)]" info:; }
white=255,255,255
black=0,0,0

# region FILE WxH+X+Y: the one colour of every pixel in that rectangle as "R,G,B", or
# "mixed" when it holds more than one.
region() {
  local part="$1[$2]"
  [ "$(convert "$part" -format %k info:)" = 1 ] || { echo mixed; return; }
  pixel "$part" 0 0
}

# expect_region FILE COLOUR WxH+X+Y ...: every rectangle has that colour alone.
expect_region() {
  local shot=$1 colour=$2 rect failed=0
  shift 2
  for rect in "$@"; do
    [ "$(region "$shot" "$rect")" = "$colour" ] || { echo "not $colour in $rect" >&2; failed=1; }
  done
  return $failed
}

# At start-up each plot area shows its empty frame, at the area's place in the window plus
# margins of 3 % of its size: views 1 and 2 (670 × 100 at (120, 10) and (120, 135)) a
# vertical axis and a centre line, view 3 (388 × 330 at (10, 260)) a vertical and a bottom
# axis without ticks, since no file is loaded, view 4 (at (402, 260)) an axis and a centre
# line. Over the middle of view 1 the window writes its one-line hint on how to open a
# sound, so there only both ends of the centre line are seen. The window's background
# between the areas is not white.
check_start_up_pixels() {
  local shot=$1 failed=0
  expect_region "$shot" "$black" \
    1x95+140+13 60x1+140+60 60x1+711+60 \
    1x95+140+138 631x1+140+185 \
    1x313+21+269 367x1+21+581 \
    1x313+413+269 367x1+413+425 || failed=1
  # Beside the lines, inside the frames, and below view 3's axis where ticks would hang.
  expect_region "$shot" "$white" \
    20x100+120+10 630x35+141+13 630x34+141+74 1x95+139+13 651x1+139+12 \
    20x100+120+135 630x47+141+138 630x47+141+186 \
    11x330+10+260 366x312+22+269 366x6+22+582 \
    11x330+402+260 366x156+414+269 366x156+414+426 || failed=1
  [ "$(dark "$shot" 500x24+205+48)" -gt 300 ] || { echo "no hint over view 1" >&2; failed=1; }
  [ "$(pixel "$shot" 5 300)" != "$white" ] || { echo "background white at 5 300" >&2; failed=1; }
  return $failed
}

# dark FILE WxH+X+Y: how many dark pixels that rectangle holds.
dark() { convert "$1" -crop "$2" +repage -colorspace Gray -threshold 50% -format "%[fx:round((1-mean)*w*h)]" info:; }

# With a wave loaded every plot holds a curve: far more dark pixels inside its frame than
# the frame's own lines.
check_loaded_pixels() {
  local shot=$1 failed=0 rect
  for rect in 629x93+141+13 629x93+141+138 365x311+22+269 365x311+414+269; do
    [ "$(dark "$shot" "$rect")" -gt 1000 ] || { echo "no curve in $rect" >&2; failed=1; }
  done
  return $failed
}

# Resized to 1100 × 800, with a wave loaded, the plots fill the new room: view 1 (970 wide,
# mx = 29) has its centre line up to x = 1061, view 2 a curve across its 970 columns; view 3
# (538 × 530 at (10, 260), mx = 16, my = 15) its axes at x = 26 and y = 775, view 4 (at
# (552, 260)) its centre line at y = 525 up to x = 1074. Lines and curves are black alike.
check_resized_pixels() {
  local shot=$1 failed=0
  [ "$(identify -format %wx%h "$shot")" = 1100x800 ] || { echo "the window is not 1100x800" >&2; failed=1; }
  expect_region "$shot" "$black" 300x1+700+60 1x490+26+280 490x1+30+775 490x1+575+525 || failed=1
  [ "$(dark "$shot" 920x93+150+138)" -gt 1000 ] || { echo "no curve across view 2" >&2; failed=1; }
  [ "$(dark "$shot" 500x495+30+278)" -gt 1000 ] || { echo "no curve in view 3" >&2; failed=1; }
  return $failed
}

# The position label (the left column at y = 160) reads differently at start-up, after the
# load ("0") and after each of two steps ("1", "2").
check_position_label_changes() {
  local rect=105x20+10+160 previous="" current shot
  for shot in "$@"; do
    current=$(convert "$shot" -crop "$rect" +repage -format %#  info:)
    [ "$current" != "$previous" ] || { echo "position label unchanged in $shot" >&2; return 1; }
    previous=$current
  done
}
