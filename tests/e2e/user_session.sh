#!/usr/bin/env bash
# Installs the build into a staging folder, starts the installed program in Xvfb with a
# fresh configuration folder, and drives it as a user would: type 100, click the France
# flag, backspace, tick the rounding box in the configuration dialog, quit with the green
# ball, close the about window. Checks the window, pixels of screenshots and the settings
# file written at the end. Screenshots are kept in the third argument's folder.
set -euo pipefail
build=$1 work=$2 shots=${3:-$2/shots}
rm -rf "$work"; mkdir -p "$work/config" "$shots"
stage=$work/stage
cmake --install "$build" --prefix "$stage/usr" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }

# A display of our own; -displayfd picks a free number.
exec 3> "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp > "$work/xvfb.log" 2>&1 &
xvfb=$!
app=
cleanup() { [ -n "$app" ] && kill "$app" 2>/dev/null; kill "$xvfb" 2>/dev/null; wait 2>/dev/null || true; }
trap cleanup EXIT
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 "$work/display")

export XDG_CONFIG_HOME=$work/config LC_ALL=C.UTF-8 LANG=C.UTF-8
unset QT_QPA_PLATFORM
(cd "$stage/usr/share/tresilva" && exec "$stage/usr/bin/tresilva") > "$work/app.log" 2>&1 &
app=$!

wait_window() {  # name -> window id
  local id=""
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 || true)
    [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
  fail "no window named '$1'"
}
origin() {  # window id -> "x y" of its client area on the screen
  xdotool getwindowgeometry --shell "$1" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x, y}'
}
click() {  # window id, x, y in its client area
  local o; o=$(origin "$1"); set -- "$1" "$2" "$3" $o
  xdotool mousemove --sync $(( $4 + $2 )) $(( $5 + $3 )) click 1
  sleep 0.4
}
pixel() {  # screenshot, window id, x, y -> "r,g,b"
  local o; o=$(origin "$2"); set -- "$1" "$2" "$3" "$4" $o
  local hex
  hex=$(convert "$1" -crop "1x1+$(( $5 + $3 ))+$(( $6 + $4 ))" -depth 8 txt:- | tail -n1 \
    | grep -o '#[0-9A-Fa-f]\{6\}' | head -n1)
  printf '%d,%d,%d\n' "0x${hex:1:2}" "0x${hex:3:2}" "0x${hex:5:2}"
}
shot() { import -window root "$shots/$1.png"; echo "$shots/$1.png"; }
expect_pixel() {  # screenshot, window, x, y, expected r,g,b, what
  local got; got=$(pixel "$1" "$2" "$3" "$4")
  [ "$got" = "$5" ] || fail "$6: pixel ($3, $4) is $got, expected $5"
}

main=$(wait_window "Tresilva 99")
sleep 1
geometry=$(xdotool getwindowgeometry --shell "$main")
grep -q '^WIDTH=563$' <<<"$geometry" && grep -q '^HEIGHT=283$' <<<"$geometry" \
  || fail "client area is not 563 x 283: $geometry"

s=$(shot 01-start)
expect_pixel "$s" "$main" 430 210 "255,0,0" "EUR's panel is red at start"

xdotool windowfocus --sync "$main" 2>/dev/null || true
click "$main" 300 30          # the display, to give the window the keyboard
xdotool type --delay 120 100
sleep 0.5
s=$(shot 02-typed-100)

click "$main" 293 115         # the France flag
s=$(shot 03-france)
expect_pixel "$s" "$main" 290 130 "255,0,0" "FRF's panel is red once France is chosen"
expect_pixel "$s" "$main" 430 210 "0,0,128" "EUR's panel is navy again"

xdotool key BackSpace
sleep 0.5
shot 04-backspace >/dev/null

click "$main" 33 32           # the hammer
config=$(wait_window "Configuration")
sleep 0.5
shot 05-configuration >/dev/null
click "$config" 18 53         # "Arrondir deux chiffres après la virgule"
shot 06-rounding-ticked >/dev/null
click "$config" 110 201       # OK
sleep 0.5
s=$(shot 07-rounded)

click "$main" 110 32          # the green ball
about=$(wait_window "A propos")
sleep 0.5
shot 08-about >/dev/null
click "$about" 157 326        # "Cliquez ici"

for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "the program did not end after the about window closed"
wait "$app" || fail "the program ended with status $?"
app=

ini=$XDG_CONFIG_HOME/Tresilva.ini
[ -f "$ini" ] || fail "no settings file written"
printf '[Propri\xe9t\xe9s]\r\narrondir=1\r\nmonnaie=11\r\nUSD=1,15455\r\nGBP=0,70807\r\nJPY=129,289\r\napropos=0\r\n' > "$work/expected.ini"
cmp -s "$ini" "$work/expected.ini" || { od -c "$ini" | head -20 >&2; fail "settings file differs from the expected six keys"; }
echo "e2e: 1 passed, 0 failed"
