#!/usr/bin/env bash
# Runs a test program as an unprivileged user when we are root, since root
# may write where a normal user may not.
set -euo pipefail
if [[ $(id -u) -eq 0 ]]; then
  exec setpriv --reuid=nobody --regid=nogroup --clear-groups env TMPDIR=/tmp "$@"
fi
exec "$@"
