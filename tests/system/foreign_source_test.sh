#!/usr/bin/env bash
# An engine request sent from another machine is not acted on; the same request from this
# machine is. The other machine is a network namespace of the sandbox's own, joined by a veth
# pair (10.77.0.2 -> 10.77.0.1); nothing leaves the sandbox.
set -euo pipefail
bin=$1
[ -n "${ZELVO_SANDBOX_RUN:-}" ] || { echo "run inside tools/sandbox.sh" >&2; exit 2; }

logs=$ZELVO_SANDBOX_RUN/foreign-source
mkdir -p "$logs"
export ZELVO_STANDIN_LOG_DIR=$(winepath -w "$logs")
pids=()
peer=zelvo-peer
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  ip netns del "$peer" 2>/dev/null || true
  ip link del zveth0 2>/dev/null || true
}
trap cleanup EXIT

ip netns add "$peer"
ip link add zveth0 type veth peer name zveth1
ip link set zveth1 netns "$peer"
ip addr add 10.77.0.1/24 dev zveth0
ip link set zveth0 up
ip netns exec "$peer" ip addr add 10.77.0.2/24 dev zveth1
ip netns exec "$peer" ip link set zveth1 up
ip netns exec "$peer" ip link set lo up

wine reg add 'HKCR\http\shell\open\command' /ve /d "\"$(winepath -w "$bin/iexplore.exe")\"" /f >/dev/null 2>&1

cd "$bin"
wine EngineStandin.exe & pids+=($!)
wine ZelvoPhone.exe & pids+=($!)
for _ in $(seq 300); do grep -q 'code=0x0 ' "$logs/handset-calls.log" 2>/dev/null && break; sleep 0.05; done
grep -q 'code=0x0 ' "$logs/handset-calls.log" || { echo "shell did not open the handset"; exit 1; }
sleep 0.5

# The peer reaches the shell's port: a datagram from 10.77.0.2 arrives on 10.77.0.1:7072.
ip netns exec "$peer" bash -c 'printf "ORVANE_MESSAGE_OPENURL:http://foreign.zelvo.test/" > /dev/udp/10.77.0.1/7072'
ip netns exec "$peer" bash -c 'printf "ORVANE_MESSAGE_INCOMING:Mallory" > /dev/udp/10.77.0.1/7072'
sleep 1
# The same kind of request from this machine, to the address the peer used and to loopback.
printf "ORVANE_MESSAGE_OPENURL:http://own.zelvo.test/" > /dev/udp/10.77.0.1/7072
printf "ORVANE_MESSAGE_OPENURL:http://loopback.zelvo.test/" > /dev/udp/127.0.0.1/7072
for _ in $(seq 200); do [ "$(grep -c args= "$logs/browser.log" 2>/dev/null)" = 2 ] && break; sleep 0.05; done

fail=0
grep -q 'own.zelvo.test' "$logs/browser.log" || { echo "FAIL: request from the own address was not acted on"; fail=1; }
grep -q 'loopback.zelvo.test' "$logs/browser.log" || { echo "FAIL: request from loopback was not acted on"; fail=1; }
if grep -q 'foreign.zelvo.test' "$logs/browser.log"; then echo "FAIL: request from 10.77.0.2 was acted on"; fail=1; fi
if grep -q 'code=0x1001' "$logs/handset-calls.log"; then echo "FAIL: foreign incoming call rang the handset"; fail=1; fi
[ $fail -eq 0 ] && echo "foreign requests dropped, local requests acted on"
exit $fail
