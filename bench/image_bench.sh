#!/bin/sh
# Builds the photo set and the peers of bench/image_bench, then runs it.
#   sh bench/image_bench.sh [BUILD_DIR] [PHOTO_ROOT]
# The peers (djpeg, vipsthumbnail, gm) are installed here only, never by scripts/deps.sh.
set -eu
HERE=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-$HERE/build}
PHOTOS=${2:-/tmp/photos}
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
missing=""
for p in libjpeg-turbo-progs libvips-tools graphicsmagick; do
  dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
done
if [ -n "$missing" ]; then
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $missing
fi
[ -d "$PHOTOS/real" ] || $SUDO sh "$HERE/../shared/bench/photos.sh" "$PHOTOS" real
cmake --build "$BUILD" --target image_bench
"$BUILD/bench/image_bench" "$PHOTOS/real" 3
