#!/bin/sh
# Builds the photo set and the peers of bench/image_bench, then runs it.
#   sh bench/image_bench.sh [BUILD_DIR] [PHOTO_ROOT]
# The peers (djpeg, vipsthumbnail, gm) are installed here only, never by scripts/deps.sh.
set -eu
. "$(dirname "$0")/common.sh"
PHOTOS=${2:-/tmp/photos}
need_packages libjpeg-turbo-progs libvips-tools graphicsmagick
need_photos "$PHOTOS" real
run_bench image_bench "$PHOTOS/real" 3
