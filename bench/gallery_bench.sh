#!/bin/sh
# Builds the photo set and installs the peer gallery generators of bench/gallery_bench, then
# runs it.
#   sh bench/gallery_bench.sh [BUILD_DIR] [PHOTO_ROOT] [REPEATS]
# The peers (llgal, igal2, lazygal, fgallery, vipsthumbnail) are installed here only, never by scripts/deps.sh.
set -eu
. "$(dirname "$0")/common.sh"
PHOTOS=${2:-/tmp/photos}
REPEATS=${3:-3}
need_packages llgal igal2 lazygal fgallery libvips-tools
need_photos "$PHOTOS" real
run_bench gallery_bench "$PHOTOS/real" "$REPEATS"
