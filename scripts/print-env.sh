# Sourced by the test script: a CUPS queue that prints into PDF files, for the printing tests.
# Started before Wine (Wine copies the CUPS printers when a program first opens the spooler)
# and stopped afterwards; only what was started or added here is stopped or removed.
#   print_env_start DIR  the PDFs go to DIR/pdf. Exports TACKNOTE_PRINTER (the queue) and
#                        TACKNOTE_PDF_DIR, or TACKNOTE_PRINT_SKIP (why there is no printer);
#                        and PRINTER and LPDEST, which make the queue the default of every
#                        program started from here (CUPS reads them before its own default),
#                        so that test runs side by side each see their own.
#   print_env_stop
#   print_scheduler_start DIR / print_scheduler_stop
#                        a CUPS scheduler, when none runs, for runs side by side: one that
#                        print_env_start started would end with its run, under the others.

PRINT_ENV_QUEUE=TacknotePDF

print_env_skip() {
  export TACKNOTE_PRINT_SKIP="$*"
  unset TACKNOTE_PRINTER TACKNOTE_PDF_DIR
  echo "print-env: no PDF printer: $*" >&2
}

# Starts cupsd (log in $1/cupsd.log) unless one answers; sets PRINT_ENV_CUPSD_PID when it did.
print_cupsd_start() {
  PRINT_ENV_CUPSD_PID=''
  command -v cupsd >/dev/null && [ "$(id -u)" -eq 0 ] || return 0
  lpstat -r 2>/dev/null | grep -q 'is running' && return 0
  mkdir -p "$1"
  # Containers have no service manager: the scheduler runs in the foreground of a child.
  cupsd -f >"$1/cupsd.log" 2>&1 </dev/null &
  PRINT_ENV_CUPSD_PID=$!
  local waited=0
  until lpstat -r 2>/dev/null | grep -q 'is running'; do
    sleep 0.1; waited=$((waited + 1))
    if [ $waited -ge 100 ] || ! kill -0 "$PRINT_ENV_CUPSD_PID" 2>/dev/null; then
      print_cupsd_stop; return 1
    fi
  done
}

print_cupsd_stop() {
  if [ -n "${PRINT_ENV_CUPSD_PID:-}" ]; then
    kill "$PRINT_ENV_CUPSD_PID" 2>/dev/null || true
    wait "$PRINT_ENV_CUPSD_PID" 2>/dev/null || true
  fi
  PRINT_ENV_CUPSD_PID=''
}

print_scheduler_start() {
  print_cupsd_start "$1" || true
  PRINT_SCHEDULER_PID=$PRINT_ENV_CUPSD_PID PRINT_ENV_CUPSD_PID=''
}

print_scheduler_stop() {
  PRINT_ENV_CUPSD_PID=${PRINT_SCHEDULER_PID:-}
  print_cupsd_stop
  PRINT_SCHEDULER_PID=''
}

print_env_start() {
  PRINT_ENV_STATE=$1
  # One queue per state folder: the output folder is a setting of the queue, and two test
  # runs side by side must not send each other's pages elsewhere.
  PRINT_ENV_QUEUE=TacknotePDF-$(printf %s "$1" | cksum | cut -d' ' -f1)
  PRINT_ENV_CUPSD_PID='' PRINT_ENV_ADDED=0
  unset TACKNOTE_PRINT_SKIP PRINTER LPDEST
  local ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
  if ! command -v cupsd >/dev/null || ! command -v lpadmin >/dev/null; then
    print_env_skip "CUPS is not installed (packages cups, printer-driver-cups-pdf)"; return 0
  fi
  if [ ! -x /usr/lib/cups/backend/cups-pdf ] || [ ! -f "$ppd" ]; then
    print_env_skip "the cups-pdf backend is not installed (package printer-driver-cups-pdf)"; return 0
  fi
  if [ "$(id -u)" -ne 0 ]; then
    print_env_skip "setting up a print queue needs root"; return 0
  fi
  mkdir -p "$PRINT_ENV_STATE/pdf"
  rm -f "$PRINT_ENV_STATE/pdf"/*.pdf
  if ! print_cupsd_start "$PRINT_ENV_STATE"; then
    print_env_stop; print_env_skip "cupsd did not start (see $PRINT_ENV_STATE/cupsd.log)"
    return 0
  fi
  # cups-pdf reads cups-pdf-<queue>.conf for a queue named in its URI: the system's own
  # cups-pdf.conf stays as it is. Label 2 gives every job its own file.
  if ! printf 'Out %s\nLabel 2\nUserUMask 0022\n' "$PRINT_ENV_STATE/pdf" \
       >"/etc/cups/cups-pdf-$PRINT_ENV_QUEUE.conf" 2>/dev/null; then
    print_env_stop; print_env_skip "/etc/cups/cups-pdf-$PRINT_ENV_QUEUE.conf could not be written"
    return 0
  fi
  lpstat -p "$PRINT_ENV_QUEUE" >/dev/null 2>&1 || PRINT_ENV_ADDED=1
  if ! lpadmin -p "$PRINT_ENV_QUEUE" -E -v "cups-pdf:/$PRINT_ENV_QUEUE" -P "$ppd" \
       >>"$PRINT_ENV_STATE/cupsd.log" 2>&1; then
    print_env_stop; print_env_skip "the queue could not be added (see $PRINT_ENV_STATE/cupsd.log)"
    return 0
  fi
  export TACKNOTE_PRINTER=$PRINT_ENV_QUEUE TACKNOTE_PDF_DIR=$PRINT_ENV_STATE/pdf
  export PRINTER=$PRINT_ENV_QUEUE LPDEST=$PRINT_ENV_QUEUE
  echo "print-env: printing to PDF files in $TACKNOTE_PDF_DIR through queue $PRINT_ENV_QUEUE"
}

print_env_stop() {
  [ -n "${PRINT_ENV_STATE:-}" ] || return 0
  if [ "$PRINT_ENV_ADDED" = 1 ]; then
    lpadmin -x "$PRINT_ENV_QUEUE" >/dev/null 2>&1 || true
    rm -f "/etc/cups/cups-pdf-$PRINT_ENV_QUEUE.conf"
  fi
  print_cupsd_stop
  PRINT_ENV_STATE='' PRINT_ENV_ADDED=0
}
