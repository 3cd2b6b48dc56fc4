#!/bin/sh
# Builds the 24 MP photo set and runs bench/catalog_bench on it.
#   sh bench/catalog_bench.sh [BUILD_DIR] [PHOTO_ROOT] [COUNT]
set -eu
. "$(dirname "$0")/common.sh"
PHOTOS=${2:-/tmp/photos}
COUNT=${3:-500}
need_packages libsqlite3-dev
need_photos "$PHOTOS" mp24
run_bench catalog_bench "$PHOTOS/mp24" "$COUNT" "$BUILD/catalog_bench_work"
