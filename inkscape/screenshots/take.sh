#!/usr/bin/env bash
# Takes the README's two pictures of the extension in Inkscape, under Xvfb: the dialog with its
# live preview beside the drawing, and the result after Apply.
#
#   inkscape/screenshots/take.sh [BUILD_DIR]    (writes inkscape/screenshots/dialog.png, result.png)
#
# Inkscape 1.2.2 crashes when --actions run before its window is up, so a person's clicks and
# keys (xdotool) drive it once the window is there; the clicks' places are those of its 1.2.2
# menus and of the dialog at the size Xvfb gives it.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/../../scripts/install-deps.sh" inkscape screenshots   # Inkscape, Xvfb, ImageMagick's import, xdotool
build="$(cd "${1:-$here/../../build/default}" && pwd)"
work="$(mktemp -d)"
display=:$((90 + RANDOM % 100))
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

export DISPLAY=$display INKSCAPE_PROFILE_DIR="$work/profile" HOME="$work"
Xvfb "$display" -screen 0 2660x1060x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
sleep 2
/usr/bin/python3 "$here/../install.py" "$build" >/dev/null

# The dialog opens with what the user chose last time: say the spiral page was chosen.
mkdir -p "$INKSCAPE_PROFILE_DIR"
cat > "$INKSCAPE_PROFILE_DIR/preferences.xml" <<'PREFS'
<?xml version="1.0" encoding="UTF-8" standalone="no"?>
<inkscape xmlns:sodipodi="http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd"
          xmlns:inkscape="http://www.inkscape.org/namespaces/inkscape" version="1">
  <group id="extensions" zu41.quentarb.tool="spiral" zu41.quentarb.tab="spiral" zu41.quentarb.shape="4"
         zu41.quentarb.copiesvalue_8="30" zu41.quentarb.closedpath="true" zu41.quentarb.filloptions="3"/>
  <group id="dialogs"><group id="startup" show="0"/></group>
</inkscape>
PREFS

cp "$here/demo.svg" "$work/demo.svg"
inkscape "$work/demo.svg" >"$work/inkscape.log" 2>&1 &
pids+=($!)
main=$(xdotool search --sync --name 'demo.svg' | head -1)
sleep 5
xdotool windowsize "$main" 1250 1060 windowmove "$main" 0 0 windowfocus "$main"
sleep 2
xdotool mousemove 600 500 key 5 key ctrl+a   # the page in the window; the path selected
sleep 1
# Extensions > Generate from Path > QuenTarb...
xdotool mousemove 423 12 click 1
sleep 1.5
xdotool mousemove 475 213 click 1
sleep 1.5
xdotool mousemove 800 213 mousemove 800 338 click 1
dialog=$(xdotool search --sync --name '^QuenTarb' | head -1)
sleep 3
xdotool windowmove "$dialog" 1260 0
sleep 1
xdotool mousemove --window "$dialog" 23 832 click 1   # Live preview
sleep 8
import -window root "$work/dialog.png"
xdotool mousemove --window "$dialog" 1305 870 click 1   # Apply
sleep 5
xdotool mousemove --window "$dialog" 1215 870 click 1   # Close
sleep 2
# The layers and objects panel shows the new group; saving shows it was applied.
xdotool mousemove 600 500 key ctrl+shift+l
sleep 3
import -window root -crop 1250x1060+0+0 "$work/result.png"
xdotool key ctrl+s
sleep 3
grep -q 'inkscape:label="QuenTarb: spiral"' "$work/demo.svg" || { echo "the extension's group is not in the saved drawing"; exit 1; }
cp "$work/dialog.png" "$work/result.png" "$here/"
echo "wrote $here/dialog.png and $here/result.png"
