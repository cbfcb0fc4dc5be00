#!/usr/bin/env bash
# The demo, run inside the sandbox by `make demo`: a real start-up of the shell with the stand-in
# engine and handset, one call, a relay token and the exit from the tray menu. What crosses
# between the programs is printed; screenshots land in out/demo/.
set -euo pipefail
bin=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/out/demo
mkdir -p "$out"
rm -f "$out"/*.png
export ZELVO_SHOT_DIR=$ZELVO_SANDBOX_RUN/shots
mkdir -p "$ZELVO_SHOT_DIR"

cd "$bin"
wine demo_call.exe &
driver=$!
# The driver announces each picture with NAME.ready and waits for NAME.done.
while kill -0 $driver 2>/dev/null; do
  for ready in "$ZELVO_SHOT_DIR"/*.ready; do
    [ -e "$ready" ] || continue
    name=$(basename "$ready" .ready)
    sleep 0.3
    import -window root "$out/$name.png"
    rm -f "$ready"
    touch "$ZELVO_SHOT_DIR/$name.done"
  done
  sleep 0.05
done
wait $driver
echo
echo "screenshots:"; ls "$out"/*.png | sed "s|$root/|  |"
