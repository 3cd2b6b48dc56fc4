# Shared by the benchmark scripts, which source it first:
#   . "$(dirname "$0")/common.sh"
# Sets HERE (the source tree), BUILD (the first argument, else HERE/build) and SUDO.
HERE=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-$HERE/build}
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

# need_packages PACKAGE...: installs the Debian packages that are not installed yet. The
# peers of the benchmarks are installed here only, never by scripts/deps.sh.
need_packages() {
  missing=""
  for p in "$@"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
  done
  if [ -n "$missing" ]; then
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $missing
  fi
}

# need_photos ROOT SET: makes the photo set ROOT/SET with the shared photos script unless
# it is there.
need_photos() {
  [ -d "$1/$2" ] || $SUDO sh "$HERE/../shared/bench/photos.sh" "$1" "$2"
}

# run_bench NAME ARG...: builds the benchmark NAME and runs it.
run_bench() {
  name=$1
  shift
  cmake --build "$BUILD" --target "$name"
  "$BUILD/bench/$name" "$@"
}
