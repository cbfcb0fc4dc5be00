#!/usr/bin/env bash
# The shell's figures: its CPU time while idle beside the running engine, next to a reference
# that polls the engine's windows every millisecond as the written design does; the splash
# region's build time; and how soon the shell ends after the engine's frame closes.
#   tools/bench.d/30-shell.sh NATIVE_BUILD WIN32_BUILD
set -euo pipefail
win32=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
bin=$win32/bin

if [ "${1:-}" != "--inside" ]; then
  exec "$root/tools/sandbox.sh" "$0" --inside "$bin"
fi
bin=$2
seconds=10

# CPU time (user + system, clock ticks) of the process whose command line names $1.
pid_of() { grep -l -a -- "$1" /proc/[0-9]*/cmdline 2>/dev/null | head -1 | cut -d/ -f3; }
ticks_of() { awk '{print $14 + $15}' "/proc/$1/stat"; }

inst=$ZELVO_SANDBOX_RUN/shell-bench
mkdir -p "$inst/logs"
for f in ZelvoPhone.exe YLUSBTEL.dll Zelvosvr.exe ZelvoLauncher.exe EngineStandin.exe; do cp "$bin/$f" "$inst/"; done
cp "$bin/quick_updater.exe" "$inst/ZelvoUpdate.exe"
cp "$bin/idle_poll_reference.exe" "$inst/"
export ZELVO_STANDIN_LOG_DIR="Z:${inst//\//\\}\\logs"

(cd "$bin" && wine controls_region_bench.exe) | tr -d '\r' | grep -E '^shell\.region\.'

cd "$inst"
wine ZelvoPhone.exe >/dev/null 2>&1 &
for _ in $(seq 300); do [ -s logs/updater.log ] && break; sleep 0.1; done
[ -s logs/updater.log ] || { echo "the shell did not come up" >&2; exit 1; }
wine idle_poll_reference.exe $((seconds + 5)) >/dev/null 2>&1 &
sleep 2
shell=$(pid_of 'ZelvoPhone.exe'); reference=$(pid_of 'idle_poll_reference.exe')
[ -n "$shell" ] && [ -n "$reference" ] || { echo "processes not found" >&2; exit 1; }
s0=$(ticks_of "$shell"); r0=$(ticks_of "$reference")
sleep $seconds
s1=$(ticks_of "$shell"); r1=$(ticks_of "$reference")
hz=$(getconf CLK_TCK)
awk -v d=$((s1 - s0)) -v hz="$hz" -v s=$seconds 'BEGIN { printf "shell.idle.cpu_percent: %.2f %%\n", 100 * d / hz / s }'
awk -v d=$((r1 - r0)) -v hz="$hz" -v s=$seconds 'BEGIN { printf "shell.idle.reference_cpu_percent: %.2f %%\n", 100 * d / hz / s }'

(cd "$bin" && wine exit_after_frame_close_bench.exe) | tr -d '\r'
