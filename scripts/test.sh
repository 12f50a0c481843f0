#!/usr/bin/env bash
# Sets up, builds and runs every test: a virtual X display (Xvfb), the demo
# content server on loopback, audio to ALSA's null device.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/install-deps.sh --tests
scripts/build.sh

work=$(mktemp -d)
cleanup() {
  [[ -n "${server:-}" ]] && kill "$server" 2>/dev/null || true
  [[ -n "${xvfb:-}" ]] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
port=8712
python3 content/server.py --host 127.0.0.1 --port "$port" >"$work/server.log" 2>&1 &
server=$!
# Wait for the display and the server to answer.
for _ in $(seq 100); do
  if [[ -e "/tmp/.X11-unix/X${display#:}" ]] &&
     python3 -c "import urllib.request; urllib.request.urlopen('http://127.0.0.1:$port/TVAPIS.htm', timeout=1)" 2>/dev/null; then
    break
  fi
  sleep 0.2
done

# Audio to ALSA's null device, so mute is real without a sound card.
mkdir -p "$work/home"
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$work/home/.asoundrc"

export DISPLAY="$display" HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu" QT_QUICK_BACKEND=software
if [[ $(id -u) -eq 0 ]]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
export KELVORA_TEST_SERVER="127.0.0.1:$port"
ctest --test-dir build --output-on-failure --timeout 300 "$@"
