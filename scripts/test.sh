#!/usr/bin/env bash
# Installs what is missing, builds both architectures, and runs every test headless, once per
# architecture that this host can run, each on its own Xvfb and Wine prefix. Extra arguments go
# to ctest (e.g. -R note). Stops exactly the processes it started. Fails when any run fails.
#   TACKNOTE_ARCH=64 (or 32, or "32 64") chooses the runs instead of the host's abilities.
#   TACKNOTE_BUILD_ARCHS (default "32 64") narrows what is built, for a quicker local round.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
. scripts/arch.sh
base=${BUILD_DIR:-build}
case $base in /*) ;; *) base=$root/$base ;; esac

started=$SECONDS
scripts/setup.sh
installed=$SECONDS

runs=() skipped=()
for arch in $(arch_wanted); do
  if [ -x "$(arch_wine_loader "$arch")" ]; then runs+=("$arch"); else skipped+=("$arch"); fi
done
echo "test: running the ${runs[*]:-no}-bit suite(s): $(arch_reason)${skipped:+; the ${skipped[*]}-bit Wine is not installed}"

passed=0 failed=0 skipped_tests=0 status=0
# TACKNOTE_TEST_DESKTOPS (default 3) Wine desktops per suite, each an Xvfb, a prefix and a Wine
# server of its own: a test run under Wine takes a free one for its run (scripts/on-desktop.sh),
# so that many tests, mostly waiting for windows, run side by side.
desktops=${TACKNOTE_TEST_DESKTOPS:-3}

# Desktops 1 and up of a suite; desktop 0 is the suite's own environment.
start_extra_desktop() {  # start_extra_desktop BUILD ID
  export WINE_STATE=$1/wine-$2
  wine_env_start "$1/keeper.exe" && write_desktop_env "$2"
}
stop_extra_desktop() {  # stop_extra_desktop BUILD ID
  export WINE_STATE=$1/wine-$2 WINEPREFIX=$1/wine-$2/pfx
  wine_env_stop
}
write_desktop_env() {  # write_desktop_env ID: what on-desktop.sh sets for a test on it
  printf 'export DISPLAY=%q WINEPREFIX=%q WINE_STATE=%q\n' "$DISPLAY" "$WINEPREFIX" "$WINE_STATE" \
    >"$TACKNOTE_DESKTOPS/$1.env"
}

# One architecture's suite on its own Xvfbs, Wine servers, prefixes and print queue; its ctest
# output goes to <build>/ctest-summary.log as well.
run_suite() {  # run_suite ARCH BUILD [ctest arguments]
  local arch=$1 build=$2 id pid
  shift 2
  rm -f "$build/ctest-summary.log" # a suite that fails to start must not count an old run
  export WINE_ARCH=$arch WINE_STATE=$build/wine HEADLESS=1 TACKNOTE_DESKTOPS=$build/desktops
  . scripts/wine-env.sh
  . scripts/print-env.sh
  local extra
  extra=$(seq 1 $((desktops - 1)) | tr '\n' ' ')
  trap "for id in $extra; do (stop_extra_desktop '$build' \$id); done; wine_env_stop; print_env_stop" EXIT
  rm -rf "$TACKNOTE_DESKTOPS"
  mkdir -p "$TACKNOTE_DESKTOPS"
  # The printer before Wine: Wine copies the CUPS queues when a program first needs them.
  print_env_start "$build/print"
  local pids=()
  for id in $extra; do
    (start_extra_desktop "$build" "$id") &
    pids+=($!)
  done
  wine_env_start "$build/keeper.exe"
  write_desktop_env 0
  for pid in "${pids[@]}"; do
    wait "$pid" || { echo "test: a Wine desktop did not start" >&2; exit 1; }
  done
  cd "$build"
  # A test that fails is run once more before it counts: an end-to-end run drives real windows
  # under Wine on a loaded machine. Its first failure stays in the log above its second run.
  ctest --output-on-failure --repeat until-pass:2 -j"${CTEST_JOBS:-$desktops}" "$@" |
    tee "$build/ctest-summary.log"
  exit "${PIPESTATUS[0]}"
}

# Both trees are built first, each at the whole machine's pace; then the suites run side by
# side, each on its own desktops and print queue: most of a suite's time is windows waited
# for, not work. The headers' own checks compile meanwhile, at a lower priority so that the
# tests' windows keep their pace: no test needs them.
# TACKNOTE_SIDE_BY_SIDE=0 runs the suites one after the other instead.
side_by_side=${TACKNOTE_SIDE_BY_SIDE:-1}
building=0 build_failed=0 suites=()
for arch in ${TACKNOTE_BUILD_ARCHS:-32 64}; do
  start=$SECONDS rc=0
  case " ${runs[*]} " in
    *" $arch "*) ARCH=$arch BUILD_DIR=$base scripts/build.sh --target all || rc=$?
                 suites+=("$arch") ;;
    # A tree whose tests cannot run here is built as the programs alone: compiling its test
    # binaries too would double the build for nothing to run.
    *) echo "test: building only the $arch-bit programs: this host cannot run their tests"
       ARCH=$arch BUILD_DIR=$base scripts/build.sh \
         --target tacknote dateparse_cli calendar dateedit || rc=$? ;;
  esac
  building=$((building + SECONDS - start))
  if [ $rc -ne 0 ]; then
    echo "test: the $arch-bit build failed" >&2
    build_failed=1
  fi
done
built=$SECONDS
runs=()
[ $build_failed = 1 ] || runs=("${suites[@]}")

# One CUPS scheduler for all suites; each adds its own queue to it.
. scripts/print-env.sh
print_scheduler_start "$base-print"
pids=() rcs=()
# A suite still running when this script ends early is waited for: it stops what it started.
trap 'for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done; print_scheduler_stop' EXIT
if [ "$side_by_side" = 1 ]; then
  for arch in "${runs[@]}"; do
    build=$(arch_build_dir "$base" "$arch")
    echo "test: the $arch-bit suite runs in ${build#"$root"/} (its log: ${build#"$root"/}/suite.log)"
    (run_suite "$arch" "$build" "$@") >"$build/suite.log" 2>&1 &
    pids+=($!)
  done
fi
for arch in ${TACKNOTE_BUILD_ARCHS:-32 64}; do
  ARCH=$arch BUILD_DIR=$base nice -n 10 scripts/build.sh --target header_checks || {
    echo "test: the $arch-bit header checks failed" >&2
    build_failed=1
  }
done
if [ "$side_by_side" != 1 ]; then
  for arch in "${runs[@]}"; do
    build=$(arch_build_dir "$base" "$arch")
    echo "test: ---- $arch-bit suite in ${build#"$root"/} ----"
    rc=0; (run_suite "$arch" "$build" "$@") || rc=$?
    rcs+=("$rc")
  done
fi
for i in "${!pids[@]}"; do
  rc=0; wait "${pids[$i]}" || rc=$?
  rcs+=("$rc")
  build=$(arch_build_dir "$base" "${runs[$i]}")
  echo "test: ---- ${runs[$i]}-bit suite in ${build#"$root"/} ----"
  cat "$build/suite.log"
done
pids=()
for i in "${!runs[@]}"; do
  build=$(arch_build_dir "$base" "${runs[$i]}")
  line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$build/ctest-summary.log" | tail -1 || true)
  if [[ $line =~ ([0-9]+)\ tests\ failed\ out\ of\ ([0-9]+) ]]; then
    failed=$((failed + BASH_REMATCH[1])); passed=$((passed + BASH_REMATCH[2] - BASH_REMATCH[1]))
  fi
  # ctest counts a skipped test among the passed ones; it lists them under "did not run".
  n=$(grep -cE '^[[:space:]]+[0-9]+ - .*\((Skipped|Disabled)\)' "$build/ctest-summary.log" || true)
  passed=$((passed - n)); skipped_tests=$((skipped_tests + n))
  [ "${rcs[$i]}" -eq 0 ] || status=1
done
[ ${#runs[@]} -gt 0 ] && [ $build_failed = 0 ] || status=1
for arch in "${skipped[@]}"; do
  echo "test: the $arch-bit suite was skipped: its Wine could not be installed on this host"
done
minutes() { printf '%dm%02ds' $(($1 / 60)) $(($1 % 60)); }
echo "test: took $(minutes $((SECONDS - started))) in all: $(minutes $((installed - started))) installing," \
     "$(minutes $building) building, $(minutes $((SECONDS - built))) testing"
echo "tests: $passed passed, $failed failed, $skipped_tests skipped"
exit $status
