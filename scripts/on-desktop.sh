#!/bin/sh
# Runs a test command on a free one of the suite's Wine desktops (see scripts/test.sh): that
# desktop's display and prefix, and so its own Wine server, for the test's whole run. A desktop
# is taken by a lock on its file, held by flock itself, so that a process the test leaves
# behind does not keep it. Without desktops the command runs in the environment it was given.
#   on-desktop.sh COMMAND [ARG...]
ls "${TACKNOTE_DESKTOPS:-/nonexistent}"/*.env >/dev/null 2>&1 || exec "$@"
while :; do
  for env in "$TACKNOTE_DESKTOPS"/*.env; do
    # 75 is flock's answer when the desktop is taken (no test of ours exits with it).
    flock -n -o -E 75 "$env" sh -c '. "$0" && exec "$@"' "$env" "$@"
    rc=$?
    [ $rc -eq 75 ] || exit $rc
  done
  sleep 0.2
done
