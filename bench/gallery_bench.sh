#!/bin/sh
# Builds the photo set and installs the peer gallery generators of bench/gallery_bench, then
# runs it.
#   sh bench/gallery_bench.sh [BUILD_DIR] [PHOTO_ROOT] [REPEATS]
# The peers (llgal, igal2, lazygal, fgallery) are installed here only, never by scripts/deps.sh.
set -eu
HERE=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-$HERE/build}
PHOTOS=${2:-/tmp/photos}
REPEATS=${3:-3}
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
missing=""
for p in llgal igal2 lazygal fgallery; do
  dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
done
if [ -n "$missing" ]; then
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $missing
fi
[ -d "$PHOTOS/real" ] || $SUDO sh "$HERE/../shared/bench/photos.sh" "$PHOTOS" real
cmake --build "$BUILD" --target gallery_bench
"$BUILD/bench/gallery_bench" "$PHOTOS/real" "$REPEATS"
