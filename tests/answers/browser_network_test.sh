#!/usr/bin/env bash
# The browser test on a network of its own: a network namespace holding
# loopback, one end of a veth pair with a private address and the default
# route, the pair's other end with no address (so nothing can leave the
# namespace), and a bridge like docker's. The card must show the default
# route's address, and the server must not listen on the bridge.
# Usage: browser_network_test.sh <answers_host program>; skips (77) unless root.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# Told as QtTest tells a skip, so that scripts/skip-report lists it.
skip() {
    echo "SKIP   : BrowserNetwork $1"
    exit 77
}
if [[ $EUID -ne 0 ]] || ! command -v ip >/dev/null; then
    skip "needs root and ip to make a network namespace"
fi
space="tallyvane-answers-$$"
ip netns add "$space" || skip "cannot make a network namespace here"
trap 'ip netns delete "$space"' EXIT
in_space() { ip netns exec "$space" "$@"; }
in_space ip link set lo up
in_space ip link add school type veth peer name far-end
in_space ip link set school up
in_space ip link set far-end up
in_space ip address add 10.77.0.2/24 dev school
in_space ip route add default via 10.77.0.1 dev school
in_space ip link add bridge0 type bridge
in_space ip link set bridge0 up
in_space ip address add 172.17.0.1/16 dev bridge0
EXPECTED_ADDRESS="http://10.77.0.2:" REFUSED_ADDRESS="172.17.0.1" \
    in_space /usr/bin/python3 "$here/browser_test.py" "$1" --school-network
