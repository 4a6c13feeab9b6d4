# Pixel facts of the window's picture, shared by the display checks.

# pixel FILE X Y: the colour at (X, Y) as "R,G,B", each 0 to 255.
pixel() { convert "$1" -format "%[fx:round(255*p{$2,$3}.r)],%[fx:round(255*p{$2,$3}.g)],%[fx:round(255*p{$2,$3}.b)]" info:; }
white=255,255,255
black=0,0,0

# The four plot areas are white inside, and the window's background between them is not.
check_start_up_pixels() {
  local shot=$1 failed=0
  for point in "455 30" "455 185" "204 400" "596 400"; do
    [ "$(pixel "$shot" $point)" = "$white" ] || { echo "not white at $point" >&2; failed=1; }
  done
  [ "$(pixel "$shot" 5 300)" != "$white" ] || { echo "background white at 5 300" >&2; failed=1; }
  return $failed
}
