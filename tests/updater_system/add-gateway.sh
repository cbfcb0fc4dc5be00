#!/bin/sh
# Inside the sandbox only: gives its network namespace a non-loopback interface with a default
# gateway, as a connected machine has. Wine reports an internet connection only then, and the
# updater asks for one before anything else. Both ends of the pair stay inside the namespace,
# so nothing can leave it. Does nothing when the gateway is there already; `--remove` takes it
# away again, so that other tests keep 127.0.0.1 as the machine's own address.
set -eu
[ -n "${ZELVO_SANDBOX_RUN:-}" ] || { echo "add-gateway.sh: run inside tools/sandbox.sh" >&2; exit 1; }
if [ "${1:-}" = --remove ]; then
  # Deleting one end of the pair deletes both, with the route.
  ip link del zelvo-gw0 2>/dev/null || true
  exit 0
fi
ip link show zelvo-gw0 >/dev/null 2>&1 && exit 0
ip link add zelvo-gw0 type veth peer name zelvo-gw1
ip addr add 10.254.0.1/24 dev zelvo-gw0
ip addr add 10.254.0.2/24 dev zelvo-gw1
ip link set zelvo-gw0 up
ip link set zelvo-gw1 up
ip route add default via 10.254.0.2 dev zelvo-gw0
