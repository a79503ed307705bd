#!/usr/bin/env bash
# Installs, builds, starts the demo feed server on 127.0.0.1 and opens the
# window pointed at it; the server stops when the window closes.
# Options are handed to the demo server (e.g. --retire-marker).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VORLAN_BUILD:-$root/build}
"$root/scripts/setup.sh"
"$root/scripts/build.sh"

work=$(mktemp -d)
server_pid=""
cleanup() {
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null && wait "$server_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

"$build/tools/demo-server/vorlan-demo-server" --port 0 "$@" >"$work/url" &
server_pid=$!
for _ in $(seq 100); do
    [ -s "$work/url" ] && break
    sleep 0.1
done
url=$(head -n 1 "$work/url")
[ -n "$url" ] || { echo "the demo feed server did not start" >&2; exit 1; }
echo "Demo feed server at $url"
"$build/vorlan" --server "$url"
