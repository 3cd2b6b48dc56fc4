#!/bin/sh
# Runs bench/batchwin_bench: folder listings on the source images page against find, and
# Test Script on a 24-megapixel sample made from a real photo.
#   sh bench/batchwin_bench.sh [BUILD_DIR] [PHOTO_ROOT] [FILES]
set -eu
. "$(dirname "$0")/common.sh"
PHOTOS=${2:-/tmp/photos}
FILES=${3:-10000}
need_photos "$PHOTOS" real
run_bench batchwin_bench "$PHOTOS/real" "$FILES"
