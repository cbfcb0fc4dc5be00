#!/usr/bin/env bash
# The demo, run inside the sandbox by `make demo`: the shell with the stand-in engine and handset
# plays one incoming call; the datagrams are printed and a screenshot lands in out/demo/.
set -euo pipefail
bin=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/out/demo
mkdir -p "$out"
ready=$ZELVO_SANDBOX_RUN/demo-ready done=$ZELVO_SANDBOX_RUN/demo-done

cd "$bin"
wine demo_call.exe "$(winepath -w "$ready")" "$(winepath -w "$done")" &
driver=$!
for _ in $(seq 600); do [ -e "$ready" ] && break; sleep 0.05; done
sleep 0.5
import -window root "$out/call.png"
touch "$done"
wait $driver
echo
echo "screenshot: out/demo/call.png"
