#!/usr/bin/env bash
# Takes out/updater/window.png: the update window in the middle of a download (progress bar,
# status line in Courier, Cancel button).
#   tools/sandbox.sh tests/updater_system/screenshot.sh build/updater-win32
set -euo pipefail
[ -n "${ZELVO_SANDBOX_RUN:-}" ] || { echo "run inside tools/sandbox.sh" >&2; exit 1; }
bin=$(cd "$1/bin" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
out=$ZELVO_ROOT/out/updater
mkdir -p "$out"
"$here/add-gateway.sh"
. "$here/update-site.sh"
# slow-* goes out at 200 kB/s: a 3 MB patch is mid-way for several seconds.
zelvo_publish_patch "$bin" slow-ZelvoPatch.exe 3000000

report=$ZELVO_SANDBOX_RUN/driver.out
wine "$bin/UpdateDriver.exe" "$zelvo_install_win" > "$report" 2>/dev/null &
driver=$!
for _ in $(seq 600); do grep -q '^visible' "$report" && break; sleep 0.1; done
read -r _ left top width height < <(grep '^visible' "$report" | tr -d '\r')
sleep 2
margin=12
x0=$(( left > margin ? left - margin : 0 )); y0=$(( top > margin ? top - margin : 0 ))
import -window root -crop "$((left + width + margin - x0))x$((top + height + margin - y0))+$x0+$y0" +repage "$out/window.png"
wait "$driver"
echo "screenshot: $out/window.png"
