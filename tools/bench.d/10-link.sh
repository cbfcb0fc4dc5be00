#!/usr/bin/env bash
# Control-link latency through a real shell, in the sandbox.
set -euo pipefail
win32=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
"$root/tools/sandbox.sh" sh -c "cd '$win32/bin' && wine link_bench.exe"
