#!/bin/sh
# Runs a test program as an ordinary user when started by root, for the
# suites about folders the user cannot write to: root writes in any folder.
if [ "$(id -u)" = 0 ]; then
    exec setpriv --reuid=65534 --regid=65534 --clear-groups -- "$@"
fi
exec "$@"
