# Sourced by the scripts: where things are, and the private Wine prefix and
# virtual display that the Windows build runs in.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${PLACEMOVE_BUILD:-$root/build}"
export PLACEMOVE_WINEPREFIX="$build/wineprefix"
export WINEPREFIX="$PLACEMOVE_WINEPREFIX"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
jobs=$(nproc 2>/dev/null || echo 2)

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
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
  cmake --build "$build/release" -j "$jobs" --target placemove-cli MakeSampleProfiles
}

# The packages users download: the Debian package and tarball of the
# native release, and the zip of the Windows build, in their build folders.
package_release() { build_release && (cd "$build/release" && cpack >/dev/null); }
package_windows() { build_windows && (cd "$build/windows" && cpack >/dev/null); }
build_windows() { configure_and_build "$build/windows" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake"; }

# Creates the Wine prefix the first time; later runs reuse it.
prepare_wine() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix in $WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wineserver -w
  fi
  # Keep one wine server and Wine's own services for the whole run. They are
  # started here with their output closed: started by a test, they would hold
  # the test's output open and CTest would wait for them forever.
  wineserver -p >/dev/null 2>&1 </dev/null || true
  wine cmd.exe /c exit >/dev/null 2>&1 </dev/null || true
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

stop_display() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "${display_pid:-}" ] && kill "$display_pid" 2>/dev/null || true
}
