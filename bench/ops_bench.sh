#!/bin/sh
# Runs bench/ops_bench: our pixel operations against vips on a 24-megapixel photo.
#   sh bench/ops_bench.sh [BUILD_DIR] [PHOTO] [RUNS]
# vips (libvips-tools) is installed here only, never by scripts/deps.sh. Without a photo it
# makes the 24 MP photo set with the shared photos script, or, failing that, lets the
# bench make a synthetic image.
set -eu
HERE=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-$HERE/build}
PHOTO=${2:-}
RUNS=${3:-5}
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
if ! dpkg -s libvips-tools >/dev/null 2>&1; then
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq libvips-tools
fi
if [ -z "$PHOTO" ]; then
  [ -d /tmp/photos/mp24 ] || $SUDO sh "$HERE/../shared/bench/photos.sh" /tmp/photos mp24 || true
  PHOTO=$(ls /tmp/photos/mp24/*.jpg 2>/dev/null | head -1 || true)
fi
cmake --build "$BUILD" --target ops_bench
"$BUILD/bench/ops_bench" ${PHOTO:+"$PHOTO"} "$RUNS"
