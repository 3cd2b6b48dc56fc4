#!/bin/sh
# Builds the photo set and runs bench/explorer_bench on it.
#   sh bench/explorer_bench.sh [BUILD_DIR] [PHOTO_ROOT] [COUNT]
set -eu
HERE=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-$HERE/build}
PHOTOS=${2:-/tmp/photos}
COUNT=${3:-500}
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
[ -d "$PHOTOS/real" ] || $SUDO sh "$HERE/../shared/bench/photos.sh" "$PHOTOS" real
cmake --build "$BUILD" --target explorer_bench
"$BUILD/bench/explorer_bench" "$PHOTOS/real" "$COUNT"
