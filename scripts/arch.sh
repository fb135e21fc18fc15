# Sourced by the scripts: which Windows architectures are built and which this host can run.
#   TACKNOTE_ARCH   "32", "64" or "32 64": the architectures to run, instead of what the host
#                   is found to run (the 32-bit one only works where the host can execute it)
# Build trees: <base> holds the 32-bit product, <base>-x64 the 64-bit build (base: build).

arch_build_dir() {  # arch_build_dir BASE ARCH
  if [ "$2" = 64 ]; then echo "$1-x64"; else echo "$1"; fi
}

arch_toolchain() {
  if [ "$1" = 64 ]; then echo mingw-x86_64.cmake; else echo mingw-i686.cmake; fi
}

arch_wine_loader() {
  if [ "$1" = 64 ]; then echo /usr/lib/wine/wine64; else echo /usr/lib/wine/wine; fi
}

# Some x86-64 kernels are built without 32-bit user mode, and names do not tell: try it.
# The program is the smallest static i386 ELF file: exit(0) through int 0x80.
arch_host_runs_32() {
  local probe rc
  probe=$(mktemp)
  printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000' >"$probe"
  printf '\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000' >>"$probe"
  printf '\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000' >>"$probe"
  printf '\000\000\000\000\001\000\000\000\000\000\000\000\000\200\004\010\000\200\004\010' >>"$probe"
  printf '\135\000\000\000\135\000\000\000\005\000\000\000\000\020\000\000' >>"$probe"
  printf '\270\001\000\000\000\061\333\315\200' >>"$probe"
  chmod +x "$probe"
  rc=0; "$probe" 2>/dev/null || rc=$?
  rm -f "$probe"
  [ $rc -eq 0 ]
}

# The architectures wanted on this host, before anything is installed ("32 64" or "64").
arch_wanted() {
  if [ -n "${TACKNOTE_ARCH:-}" ]; then
    echo "$TACKNOTE_ARCH"
  elif arch_host_runs_32; then
    echo "32 64"
  else
    echo 64
  fi
}

# Why the list is what it is, in words, for the one line the scripts print.
arch_reason() {
  if [ -n "${TACKNOTE_ARCH:-}" ]; then
    echo "TACKNOTE_ARCH=$TACKNOTE_ARCH chose it"
  elif arch_host_runs_32; then
    echo "this host runs both 32-bit and 64-bit programs"
  else
    echo "this host's kernel cannot execute 32-bit programs"
  fi
}
