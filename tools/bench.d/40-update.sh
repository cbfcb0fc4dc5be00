#!/usr/bin/env bash
# Patch download figures: a 64 MiB patch through the real ZelvoUpdate.exe and through curl, from
# the same nginx in the same sandbox run, each timed by the server ($request_time of its GET);
# and the updater's peak working set.
#   tools/bench.d/40-update.sh NATIVE_BUILD WIN32_BUILD
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
win32=$(cd "$2" && pwd)

if [ -z "${ZELVO_SANDBOX_RUN:-}" ]; then
  exec "$root/tools/sandbox.sh" "$here/40-update.sh" "$1" "$win32"
fi

bin=$win32/bin
[ -x "$bin/ZelvoUpdate.exe" ] && [ -e "$bin/UpdateDriver.exe" ] || { echo "40-update: build the win32 tree first" >&2; exit 1; }
"$root/tests/updater_system/add-gateway.sh"
. "$root/tests/updater_system/update-site.sh"
name=ZelvoBench.exe
size=$((64 * 1024 * 1024))
zelvo_publish_patch "$bin" "$name" "$size"
log=$ZELVO_SANDBOX_RUN/nginx/access.log

report=$ZELVO_SANDBOX_RUN/driver.out
wine "$bin/UpdateDriver.exe" "$zelvo_install_win" > "$report" 2>/dev/null
downloaded=$WINEPREFIX/drive_c/windows/temp/$name
cmp -s "$downloaded" "$ZELVO_SANDBOX_RUN/www/zelvoupdates/$name" || { echo "40-update: the updater's patch differs" >&2; exit 1; }

curl -s -o "$ZELVO_SANDBOX_RUN/curl.bin" "http://updates.zelvo.test/zelvoupdates/$name"
cmp -s "$ZELVO_SANDBOX_RUN/curl.bin" "$ZELVO_SANDBOX_RUN/www/zelvoupdates/$name" || { echo "40-update: curl's copy differs" >&2; exit 1; }

# The server's time of the last complete GET of the patch by an agent.
seconds_for() {
  grep "GET /zelvoupdates/$name " "$log" | grep "agent=\"$1" | grep "sent=$size " | tail -1 | sed 's/.* time=//'
}
updater_s=$(seconds_for ZelvoUpdate)
curl_s=$(seconds_for curl)
peak=$(tr -d '\r' < "$report" | sed -n 's/.*peak_working_set=\([0-9]*\).*/\1/p')

awk -v size="$size" -v u="$updater_s" -v c="$curl_s" -v peak="$peak" 'BEGIN {
  mb = size / 1e6
  printf "update.download.mb_per_s: %.1f MB/s\n", mb / u
  printf "update.download.curl_mb_per_s: %.1f MB/s\n", mb / c
  printf "update.download.ratio_to_curl: %.3f ratio\n", (mb / u) / (mb / c)
  printf "update.download.peak_memory_mb: %.1f MB\n", peak / 1e6
}'
