#!/bin/sh
# Runs a test program as an ordinary user when started by root, for the
# suites about folders the user cannot write to: root writes in any folder.
# Where that user cannot reach the program or the sources (a checkout under
# a private home), it runs as root, and those suites skip their cases.
if [ "$(id -u)" = 0 ]; then
    as_user="setpriv --reuid=65534 --regid=65534 --clear-groups --"
    if $as_user test -x "$1" && $as_user test -r "$0"; then
        exec $as_user "$@"
    fi
fi
exec "$@"
