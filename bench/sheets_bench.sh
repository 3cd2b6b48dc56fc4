#!/bin/sh
# Builds the 24 MP photo set and runs bench/sheets_bench over 500 of them.
#   sh bench/sheets_bench.sh [BUILD_DIR] [PHOTO_ROOT] [COUNT]
set -eu
. "$(dirname "$0")/common.sh"
PHOTOS=${2:-/tmp/photos}
COUNT=${3:-500}
need_photos "$PHOTOS" mp24
run_bench sheets_bench "$PHOTOS/mp24" "$COUNT" 1
