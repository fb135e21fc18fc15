#!/bin/sh
# Runs a test command on the Wine desktop ctest allotted to it (resource "desktop"): that
# desktop's display and prefix, and so its own Wine server. Without an allotment the command
# runs in the environment it was given.
#   on-desktop.sh COMMAND [ARG...]
if [ -n "${CTEST_RESOURCE_GROUP_0_DESKTOP:-}" ] && [ -n "${TACKNOTE_DESKTOPS:-}" ]; then
  id=${CTEST_RESOURCE_GROUP_0_DESKTOP#id:}
  id=${id%%,*}
  . "$TACKNOTE_DESKTOPS/$id.env" || exit 1
fi
exec "$@"
