#!/usr/bin/env bash
# Sets up, builds, starts the demo content server on loopback and runs Kelvora.
# The server stops when the program ends.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
python3 content/server.py --host 127.0.0.1 --port 8712 &
server=$!
trap 'kill $server 2>/dev/null || true' EXIT
# WebEngine's sandbox cannot run as root; a normal user keeps it.
if [[ $(id -u) -eq 0 ]]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
build/kelvora
