#!/bin/sh
# Builds the 24-megapixel photo set and runs bench/slideshow_bench on it.
#   sh bench/slideshow_bench.sh [BUILD_DIR] [PHOTO_ROOT] [REPEATS]
set -eu
. "$(dirname "$0")/common.sh"
PHOTOS=${2:-/tmp/photos}
REPEATS=${3:-3}
need_photos "$PHOTOS" mp24
run_bench slideshow_bench "$PHOTOS/mp24" "$REPEATS"
