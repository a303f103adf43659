#!/usr/bin/env bash
# Render the README screenshots from the real window, under Xvfb:
#   docs/no-font.png      the window right after start-up
#   docs/editing.png      tests/data/Font08x08vp.fnt imported, the letter Ж selected
#   docs/preview.png      the same font in the "Просмотр" window beside the editor
#   docs/font-import.png  the dialog "Импорт из шрифта..." on DejaVu Sans Mono
#   docs/proportional.png tests/data/Font16x16vp.fnt made proportional, the
#                         letter i selected with its width line, and the
#                         preview setting text by each glyph's width
#
#   scripts/screenshots.sh
#
# Builds the Release build (build/release, as `./build.sh run` does) and
# installs what is missing, like build.sh.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
APP=$ROOT/build/release/src/app/zgedit
DOCS=$ROOT/docs
FONT=$ROOT/tests/data/Font08x08vp.fnt
FONT16=$ROOT/tests/data/Font16x16vp.fnt
MAIN_TITLE="Редактор знакогенератора"
IMPORT_TITLE="Загрузить файл знакогенератора"

# Click targets, in pixels from the top-left corner of the 843 x 529 designed
# layout; the menu bar above it adds its own height.
IMPORT_BUTTON=(76 496)   # "Импортировать знакогенератор"
SYMBOL_ZHE=(204 301)     # the symbol box of Ж: row C0h, column 6
EXPECTED_WIDTH=843
LAYOUT_HEIGHT=529
PREVIEW_TEXT="Привет, мир! 0123"

# shellcheck source=scripts/install_missing.sh
source "$ROOT/scripts/install_missing.sh"

# Waits up to 10 s for a visible window whose title is exactly $1; prints its id.
wait_for_window() {
  local id
  for _ in $(seq 50); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.2
  done
  echo "screenshots: no window \"$1\" appeared" >&2
  return 1
}

# Waits up to 10 s for the window titled $1 to close.
wait_for_close() {
  for _ in $(seq 50); do
    if ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; then
      return 0
    fi
    sleep 0.2
  done
  echo "screenshots: window \"$1\" did not close" >&2
  return 1
}

# Fails when any window other than the main one is open, such as an error
# message after a failed import.
expect_main_window_only() {
  local titles
  titles=$(xdotool search --onlyvisible --name '.' getwindowname %@ 2>/dev/null | sort -u)
  if [ "$titles" != "$MAIN_TITLE" ]; then
    echo "screenshots: unexpected windows open:" >&2
    echo "$titles" >&2
    return 1
  fi
}

click() {  # window, x, y in the designed layout
  xdotool mousemove --window "$1" "$2" "$(($3 + MENU_HEIGHT))" click 1
  sleep 0.5   # let the window repaint before the next step
}

shoot() {  # window [second window], file
  # shellcheck disable=SC2034
  local X Y WIDTH HEIGHT WINDOW SCREEN
  eval "$(xdotool getwindowgeometry --shell "$1")"
  if [ $# = 3 ]; then  # the box around both windows
    local x0=$X y0=$Y x1=$((X + WIDTH)) y1=$((Y + HEIGHT))
    eval "$(xdotool getwindowgeometry --shell "$2")"
    x1=$((X + WIDTH > x1 ? X + WIDTH : x1)) y1=$((Y + HEIGHT > y1 ? Y + HEIGHT : y1))
    X=$((X < x0 ? X : x0)) Y=$((Y < y0 ? Y : y0))
    WIDTH=$((x1 - X)) HEIGHT=$((y1 - Y))
    shift
  fi
  # Grab the screen and cut the window out of it: this also catches what the
  # window's own pixmap would miss, and leaves no date in the PNG.
  import -window root png:- |
    convert png:- -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -strip "$2"
  echo "screenshots: wrote ${2#"$ROOT"/} (${WIDTH}x${HEIGHT})"
}

take_screenshots() {
  # X Y WIDTH HEIGHT WINDOW SCREEN are set by getwindowgeometry --shell.
  # shellcheck disable=SC2034
  local wid dialog preview X Y WIDTH HEIGHT WINDOW SCREEN
  # An empty working folder keeps the file dialog free of unrelated files,
  # and a settings folder of its own starts the program as on a new machine.
  # Both stay global: the exit trap needs them after this function returns.
  WORKDIR=$(mktemp -d)
  export XDG_CONFIG_HOME=$WORKDIR/config
  mkdir -p "$XDG_CONFIG_HOME/zgedit"
  # The font import dialog opens on an installed font, 16 pixels.
  printf '[fontImport]\nsource=installed\nfamily=DejaVu Sans Mono\nstyle=Book\npixelSize=16\n' \
    > "$XDG_CONFIG_HOME/zgedit/zgedit.conf"
  (cd "$WORKDIR" && exec "$APP") &
  APP_PID=$!
  trap 'kill "$APP_PID" 2>/dev/null || true; rm -rf "$WORKDIR"' EXIT

  wid=$(wait_for_window "$MAIN_TITLE")
  sleep 1   # first paint
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  if [ "$WIDTH" != "$EXPECTED_WIDTH" ]; then
    echo "screenshots: the window is ${WIDTH} pixels wide, not $EXPECTED_WIDTH;" \
         "check the click targets in $0" >&2
  fi
  MENU_HEIGHT=$((HEIGHT - LAYOUT_HEIGHT))
  mkdir -p "$DOCS"
  shoot "$wid" "$DOCS/no-font.png"

  click "$wid" "${IMPORT_BUTTON[@]}"
  dialog=$(wait_for_window "$IMPORT_TITLE")
  xdotool windowfocus --sync "$dialog"
  sleep 0.5
  # The file name field has the focus: a full path there opens the file.
  xdotool type --delay 20 "$FONT"
  xdotool key Return
  wait_for_close "$IMPORT_TITLE"
  sleep 0.5
  expect_main_window_only

  click "$wid" "${SYMBOL_ZHE[@]}"
  sleep 0.5
  shoot "$wid" "$DOCS/editing.png"

  # The preview beside the editor, with a line of text.
  xdotool windowfocus --sync "$wid"
  xdotool key F3
  preview=$(wait_for_window "Просмотр")
  xdotool windowfocus --sync "$preview"
  xdotool key ctrl+a
  xdotool type --delay 20 "$PREVIEW_TEXT"
  sleep 0.5
  shoot "$wid" "$preview" "$DOCS/preview.png"

  # The font import on a 16 x 16 font.
  xdotool windowfocus --sync "$wid"
  xdotool key ctrl+o
  dialog=$(wait_for_window "$IMPORT_TITLE")
  xdotool windowfocus --sync "$dialog"
  sleep 0.5
  xdotool type --delay 20 "$FONT16"
  xdotool key Return
  wait_for_close "$IMPORT_TITLE"
  sleep 0.5
  xdotool windowfocus --sync "$wid"
  xdotool key ctrl+shift+o
  dialog=$(wait_for_window "Импорт из шрифта")
  sleep 1
  shoot "$dialog" "$DOCS/font-import.png"
  xdotool key Escape
  wait_for_close "Импорт из шрифта"

  # The same font made proportional, with the dialog's spacing and space.
  xdotool windowfocus --sync "$wid"
  xdotool key ctrl+shift+p
  dialog=$(wait_for_window "Пропорциональный шрифт")
  xdotool windowfocus --sync "$dialog"
  xdotool key Return
  wait_for_close "Пропорциональный шрифт"
  xdotool windowfocus --sync "$wid"
  xdotool type --delay 20 "i"
  sleep 0.5
  xdotool windowfocus --sync "$preview"
  xdotool key ctrl+a
  xdotool type --delay 20 "Hill Mill: width 1234"
  sleep 0.5
  shoot "$wid" "$preview" "$DOCS/proportional.png"
}

if [ "${ZG_SCREENSHOTS_IN_XVFB:-}" = 1 ]; then
  take_screenshots
  exit 0
fi

install_missing cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev qt6-qpa-plugins \
  fonts-liberation fonts-dejavu-core xvfb xauth xdotool imagemagick
cmake -S "$ROOT" -B "$ROOT/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DZG_BUILD_TESTS=OFF -DZG_BUILD_BENCH=OFF
cmake --build "$ROOT/build/release" -j "$(nproc 2>/dev/null || echo 2)"

# A screen large enough that the file dialog fits beside the window; the
# pictures are cut to the main window.
ZG_SCREENSHOTS_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1920x1080x24" \
  "$ROOT/scripts/screenshots.sh"
