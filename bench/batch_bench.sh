#!/bin/sh
# Builds the photo set and the peers of bench/batch_bench, then runs it.
#   sh bench/batch_bench.sh [BUILD_DIR] [PHOTO_ROOT]
# The peers (vipsthumbnail, gm) are installed here only, never by scripts/deps.sh.
set -eu
. "$(dirname "$0")/common.sh"
PHOTOS=${2:-/tmp/photos}
need_packages libvips-tools graphicsmagick
need_photos "$PHOTOS" real
run_bench batch_bench "$PHOTOS/real" 3
