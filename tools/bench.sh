#!/usr/bin/env bash
# Prints every benchmark figure as a `name: value unit` line. Each script in tools/bench.d/ is
# one group of figures; it gets the native and the win32 build folders as arguments.
set -uo pipefail
native=$1 win32=$2
root=$(cd "$(dirname "$0")/.." && pwd)
rc=0
for script in "$root"/tools/bench.d/*.sh; do
  [ -e "$script" ] || continue
  "$script" "$root/$native" "$root/$win32" || { echo "bench failed: $(basename "$script")" >&2; rc=1; }
done
exit $rc
