#!/usr/bin/env bash
# Runs a command in the project's sandbox: its own mount, network and UTS namespaces with only
# loopback up, the host name resolving to 127.0.0.1, a hosts file the command may rewrite
# ($ZELVO_HOSTS), Xvfb, a private Wine prefix copied from a cached template with its own
# wineserver, and the local servers of tools/services/. Everything started here is stopped here.
#
#   tools/sandbox.sh COMMAND [ARGS...]
#
# Inside, the command sees: DISPLAY, WINEPREFIX, ZELVO_HOSTS (the bind-mounted /etc/hosts),
# ZELVO_HOSTS_BASE (its initial content), ZELVO_SANDBOX_RUN (a scratch folder), ZELVO_ROOT.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
template=${ZELVO_WINE_TEMPLATE:-$root/build/wineprefix}
host_name=zelvo-sandbox
# Server names the programs use; each resolves to loopback inside the sandbox.
server_names="updates.zelvo.test www.zelvo.test ads.zelvo.test tv.zelvo.test account.zelvo.test probe.zelvo.test"
prefix_version="3 $(wine --version 2>/dev/null)"

if [ "${1:-}" != "--inside" ]; then
  [ $# -gt 0 ] || { echo "usage: $0 COMMAND [ARGS...]" >&2; exit 2; }
  run=$(mktemp -d /var/tmp/zelvo-sandbox.XXXXXX)
  trap 'rm -rf "$run"' EXIT
  userns=()
  [ "$(id -u)" -eq 0 ] || userns=(-r)
  # A PID namespace too: when the runner ends, however it ends, everything it started goes.
  unshare "${userns[@]}" -m -n -u -p -f --kill-child --mount-proc --propagation private \
    "$0" --inside "$run" "$@" &
  child=$!
  trap 'kill -TERM $child 2>/dev/null; wait $child; exit 143' TERM INT HUP
  set +e
  wait $child
  rc=$?
  exit $rc
fi

shift
run=$1; shift
pids=()
cleanup() {
  set +e
  for svc in "$root"/tools/services/*.sh; do
    [ -e "$svc" ] && ZELVO_SERVICE_ACTION=stop . "$svc"
  done
  [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
}
trap cleanup EXIT

ip link set lo up
hostname "$host_name"
printf '127.0.0.1\tlocalhost %s %s\n' "$host_name" "$server_names" > "$run/hosts"
cp "$run/hosts" "$run/hosts.base"
mount --bind "$run/hosts" /etc/hosts
# Private socket folders keep this sandbox's X server and wineserver apart from every other
# one; the rest of /tmp stays as it is (the project may live there).
mkdir -p /tmp/.X11-unix "/tmp/.wine-$(id -u)"
mount -t tmpfs -o mode=1777 tmpfs /tmp/.X11-unix
mount -t tmpfs -o mode=0700 tmpfs "/tmp/.wine-$(id -u)"
export ZELVO_HOSTS=$run/hosts ZELVO_HOSTS_BASE=$run/hosts.base ZELVO_SANDBOX_RUN=$run ZELVO_ROOT=$root

Xvfb :99 -screen 0 1024x768x24 -nolisten tcp -noreset -nolock >"$run/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 200); do [ -S /tmp/.X11-unix/X99 ] && break; sleep 0.05; done
export DISPLAY=:99

export WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree=d;mshtml=d;winemenubuilder.exe=d"
if [ "$(cat "$template/.zelvo-stamp" 2>/dev/null)" != "$prefix_version" ]; then
  rm -rf "$template"; mkdir -p "$template"
  WINEPREFIX=$template wineboot -i >/dev/null 2>&1
  WINEPREFIX=$template wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  WINEPREFIX=$template wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
  for dll in mscoree mshtml winemenubuilder.exe; do
    WINEPREFIX=$template wine reg add 'HKCU\Software\Wine\DllOverrides' /v "$dll" /d '' /f >/dev/null 2>&1
  done
  WINEPREFIX=$template wineserver -w
  echo "$prefix_version" > "$template/.zelvo-stamp"
fi
cp -a "$template" "$run/prefix"
export WINEPREFIX=$run/prefix
wineserver -p >/dev/null 2>&1
# Wine's background services start with the first program; started here with no terminal, they
# hold no pipe of the command's (ctest would otherwise wait for them until its timeout).
wineboot </dev/null >/dev/null 2>&1

for svc in "$root"/tools/services/*.sh; do
  [ -e "$svc" ] && ZELVO_SERVICE_ACTION=start . "$svc"
done

set +e
"$@"
