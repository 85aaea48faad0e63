# Sourced by the scripts: where things are, and the private Wine prefix and
# virtual display that the Windows build runs in.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${PLACEMOVE_BUILD:-$root/build}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
jobs=$(nproc 2>/dev/null || echo 2)

# The version users see, major.minor.patch of project(VERSION).
project_version() {
  sed -n 's/^project(Placemove VERSION \([0-9]*\.[0-9]*\.[0-9]*\).*/\1/p' "$root/CMakeLists.txt"
}

configure_and_build() {  # <build folder> [cmake options...]
  local folder=$1
  shift
  cmake -S "$root" -B "$folder" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$folder" -j "$jobs"
}

build_native() { configure_and_build "$build/native"; }
# The native placemove-cli as users get it: optimised, without sanitizers,
# and the sample maker that scripts/check-release.sh runs it on.
# Its packages need nothing else built.
build_release() {
  cmake -S "$root" -B "$build/release" -DCMAKE_BUILD_TYPE=Release -DPLACEMOVE_SANITIZERS=OFF \
    -DPLACEMOVE_PAGE="$(page_file)" >/dev/null
  cmake --build "$build/release" -j "$jobs" --target placemove-cli MakeSampleProfiles
}

# The page placemove.html (build/web/web/placemove.html): the core compiled
# to WebAssembly with Debian's emscripten, whose tools find their acorn in
# Debian's Node modules. Its tests run under Node, which takes the module's
# own .wasm file only without the experimental fetch (emcmake's emulator
# would pass a threads flag that Node 20 refuses), and compare the page
# with the native build's placemove-cli.
page_file() { echo "$build/web/web/placemove.html"; }
build_web() {
  export NODE_PATH=/usr/share/nodejs
  emcmake cmake -S "$root" -B "$build/web" -DCMAKE_BUILD_TYPE=Release \
    "-DCMAKE_CROSSCOMPILING_EMULATOR=$(command -v node);--no-experimental-fetch" \
    -DPLACEMOVE_NATIVE_BUILD="$build/native" >/dev/null
  cmake --build "$build/web" -j "$jobs"
}

# The packages users download: the Debian package and tarball of the
# native release, and the zip of the Windows build, in their build folders;
# each carries the page, which is also a release file of its own,
# build/release/placemove.html.
package_release() {
  build_web >/dev/null && build_release && (cd "$build/release" && cpack >/dev/null) &&
    cp "$(page_file)" "$build/release/placemove.html"
}
# The Windows builds: 32-bit (`build_windows 32`, in build/windows, the one
# shipped first) and 64-bit (`build_windows 64`, in build/windows64); every
# target, or only those named after the build (`windows_programs`, say).
windows_folder() { if [ "$1" = 32 ]; then echo "$build/windows"; else echo "$build/windows64"; fi; }
windows_programs="Placemove placemove-cli"
build_windows() {  # <32|64> [target...]
  local bits=$1
  shift
  local folder
  folder=$(windows_folder "$bits")
  if [ "$bits" = 32 ]; then
    cmake -S "$root" -B "$folder" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
      -DPLACEMOVE_WINDOWS64_BUILD="$(windows_folder 64)" -DPLACEMOVE_PAGE="$(page_file)" >/dev/null
  else
    cmake -S "$root" -B "$folder" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" >/dev/null
  fi
  cmake --build "$folder" -j "$jobs" ${1:+--target "$@"}
}
# The zip users download (build/windows/placemove-VERSION-win32.zip): the
# 32-bit programs, and the 64-bit ones in its folder 64-bit. Only the
# programs are built for it.
package_windows() {
  build_web >/dev/null && build_windows 64 $windows_programs && build_windows 32 $windows_programs &&
    (cd "$(windows_folder 32)" && cpack >/dev/null)
}

# Whether this machine's kernel runs 32-bit x86 programs, asked of the
# smallest such program (a 32-bit ELF file that only exits with 0), which
# needs nothing installed. PLACEMOVE_32BIT=no answers no, to try on any
# machine the road of one that refuses them.
runs_32bit_programs() {
  [ "${PLACEMOVE_32BIT:-}" = no ] && return 1
  local probe
  probe=$(mktemp)
  # ELF header, one loadable segment, and: xor eax,eax; inc eax; xor ebx,ebx; int 0x80.
  printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x5b\x00\x00\x00\x5b\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00\x31\xc0\x40\x31\xdb\xcd\x80' >"$probe"
  chmod +x "$probe"
  local status=0
  "$probe" 2>/dev/null || status=$?
  rm -f "$probe"
  return $status
}

# The Windows builds that Wine can run here, one word each (32, 64), with
# the reason on standard error: the 32-bit build where 32-bit programs and
# 32-bit Wine run, and the 64-bit build wherever 64-bit Wine is installed.
runnable_windows_builds() {
  local builds=()
  if ! runs_32bit_programs; then
    echo "This machine does not run 32-bit programs${PLACEMOVE_32BIT:+ (PLACEMOVE_32BIT=$PLACEMOVE_32BIT)}: the Windows tests run on the 64-bit build." >&2
  elif [ ! -x /usr/lib/wine/wine ]; then
    echo "32-bit Wine (wine32) is not installed: the Windows tests run on the 64-bit build." >&2
  else
    builds+=(32)
  fi
  [ -x /usr/lib/wine/wine64 ] && builds+=(64)
  echo "${builds[*]}"
}

# The one Windows build that scripts/run.sh and the benchmark run: the
# first that Wine can run here. Fails, saying why, where Wine runs neither.
windows_build_to_run() {
  local builds
  builds=$(runnable_windows_builds)
  if [ -z "$builds" ]; then no_windows_build; return 1; fi
  echo "${builds%% *}"
}
no_windows_build() {
  echo "Wine can run neither Windows build on this machine: install wine64 (scripts/setup.sh does)." >&2
}

# Selects the private Wine prefix of a Windows build (32: a win32 prefix in
# build/wineprefix; 64: a win64 prefix in build/wineprefix64), as
# scripts/wine-exec does for the programs it runs.
use_wine() {  # <32|64>
  if [ "$1" = 32 ]; then
    export WINEPREFIX="$build/wineprefix" WINEARCH=win32
    unset WINELOADER
  else
    export WINEPREFIX="$build/wineprefix64" WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64
  fi
  wine_arch=$WINEARCH
}

# Creates the Wine prefix selected by use_wine the first time; later runs
# reuse it.
prepare_wine() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix in $WINEPREFIX"
    "$root/scripts/wine-exec" "$wine_arch" wineboot -i >/dev/null 2>&1
    wineserver -w
  fi
  # Keep one wine server and Wine's own services for the whole run. They are
  # started here with their output closed: started by a test, they would hold
  # the test's output open and CTest would wait for them forever.
  wineserver -p >/dev/null 2>&1 </dev/null || true
  "$root/scripts/wine-exec" "$wine_arch" cmd.exe /c exit >/dev/null 2>&1 </dev/null || true
}

# Starts a virtual display and exports DISPLAY; stop_display ends it. Call it
# before prepare_wine: Wine's desktop process keeps the display it started
# with.
start_display() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
  done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  display_pid=$!
  export DISPLAY=":$n"
  for _ in $(seq 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && return 0
    sleep 0.1
  done
  echo "Xvfb did not start" >&2
  return 1
}

# Ends the wine server of the prefix in use.
stop_wine() { [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1 || true; }

stop_display() {
  stop_wine
  [ -n "${display_pid:-}" ] && kill "$display_pid" 2>/dev/null || true
}

# For the benchmarks, measure COMMAND...: runs it with its output discarded
# and prints "<seconds> <peak kB>" of it.
measure() {
  python3 - "$@" <<'PYTHON'
import resource, subprocess, sys, time
start = time.monotonic()
subprocess.run(sys.argv[1:], check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
elapsed = time.monotonic() - start
print(f"{elapsed:.3f} {resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss}")
PYTHON
}
