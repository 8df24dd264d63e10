#!/bin/sh
# with_window_manager.sh COMMAND...: runs the command on the current X
# display with a window manager (openbox) managing it, as on a desktop, so
# that a full-screen request is carried out rather than ignored.
openbox --sm-disable >/dev/null 2>&1 &
manager=$!
sleep 1
"$@"
status=$?
kill "$manager" 2>/dev/null
wait "$manager" 2>/dev/null
exit $status
