#!/bin/sh
# Builds the photo set and runs bench/explorer_bench on it.
#   sh bench/explorer_bench.sh [BUILD_DIR] [PHOTO_ROOT] [COUNT]
set -eu
. "$(dirname "$0")/common.sh"
PHOTOS=${2:-/tmp/photos}
COUNT=${3:-500}
need_photos "$PHOTOS" real
run_bench explorer_bench "$PHOTOS/real" "$COUNT"
