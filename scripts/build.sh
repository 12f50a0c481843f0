#!/usr/bin/env bash
# Configures and builds into build/ (the program is build/kelvora).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja "$@"
cmake --build build
