#!/usr/bin/env bash
# Runs a test program as an unprivileged user when we are root, since root
# may write where a normal user may not. The program runs from a copy in a
# fresh directory, as the checkout may lie where that user cannot go.
set -euo pipefail
if [[ $(id -u) -ne 0 ]]; then
  exec "$@"
fi
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
chmod 755 "$dir"
cp "$1" "$dir/"
shift_program="$dir/$(basename "$1")"
shift
cd "$dir"
setpriv --reuid=nobody --regid=nogroup --clear-groups env TMPDIR=/tmp HOME="$dir" "$shift_program" "$@"
