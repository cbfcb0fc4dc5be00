#!/usr/bin/env bash
# Installs the build and test dependencies on Debian 12, quietly and only when something is missing.
# Usage: tools/install-deps.sh [base|bench|fuzz]...
set -euo pipefail

base=(cmake make g++ file googletest g++-mingw-w64-i686-posix binutils-mingw-w64-i686
      wine wine32:i386 xvfb xauth x11-apps imagemagick iproute2 util-linux nginx-light curl procps)
bench=(valgrind util-linux libpugixml-dev librapidxml-dev libtinyxml2-dev libexpat1-dev libxml2-dev
       pkg-config)
fuzz=(clang libclang-rt-14-dev)

want=()
for set in "${@:-base}"; do
  case "$set" in
    base) want+=("${base[@]}") ;;
    bench) want+=("${bench[@]}") ;;
    fuzz) want+=("${fuzz[@]}") ;;
    *) echo "unknown package set: $set" >&2; exit 2 ;;
  esac
done

missing=()
for pkg in "${want[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
echo "installing: ${missing[*]}"
if printf '%s\n' "${missing[@]}" | grep -q ':i386$' && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq >/dev/null
# Debian's nginx package starts its own service on install; the sandbox runs its own instances instead.
own_policy=""
if [ ! -e /usr/sbin/policy-rc.d ]; then
  printf '#!/bin/sh\nexit 101\n' | $sudo tee /usr/sbin/policy-rc.d >/dev/null
  $sudo chmod +x /usr/sbin/policy-rc.d
  own_policy=1
fi
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
[ -z "$own_policy" ] || $sudo rm -f /usr/sbin/policy-rc.d
