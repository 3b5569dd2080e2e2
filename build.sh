#!/usr/bin/env bash
# Sets up a Debian 12 machine for Vessa, builds it, and runs it or its tests.
#
#   ./build.sh run    install what is missing, build, start the program
#   ./build.sh test   install what is missing, build, run the whole test suite
#
# Extra settings: BUILD_DIR (default ./build), CMAKE_ARGS (passed to cmake).
set -euo pipefail

cd "$(dirname "$0")"
mode="${1:-run}"
build_dir="${BUILD_DIR:-build}"

packages=(
  g++ cmake make pkg-config
  clang clang-14 libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libsqlite3-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  fonts-noto-cjk unicode-data python3
  xvfb xauth
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root apt-get update -q
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${CMAKE_ARGS:-}
cmake --build "$build_dir" -j "$(nproc)"

case "$mode" in
  run)
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "No display: starting Vessa on a virtual screen (Xvfb)."
      exec xvfb-run -a -s "-screen 0 1280x1024x24" "$build_dir/bin/vessa"
    fi
    exec "$build_dir/bin/vessa"
    ;;
  test)
    cd "$build_dir"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
