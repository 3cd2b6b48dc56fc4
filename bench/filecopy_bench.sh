#!/bin/sh
# Builds the photo set and runs bench/filecopy_bench on it.
#   sh bench/filecopy_bench.sh [BUILD_DIR] [PHOTO_ROOT] [REPEATS]
set -eu
. "$(dirname "$0")/common.sh"
PHOTOS=${2:-/tmp/photos}
REPEATS=${3:-3}
need_photos "$PHOTOS" real
run_bench filecopy_bench "$PHOTOS/real" "$REPEATS"
