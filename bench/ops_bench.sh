#!/bin/sh
# Runs bench/ops_bench: our pixel operations against vips on a 24-megapixel photo.
#   sh bench/ops_bench.sh [BUILD_DIR] [PHOTO] [RUNS]
# vips (libvips-tools) is installed here only, never by scripts/deps.sh. Without a photo it
# makes the 24 MP photo set with the shared photos script, or, failing that, lets the
# bench make a synthetic image.
set -eu
. "$(dirname "$0")/common.sh"
PHOTO=${2:-}
RUNS=${3:-5}
need_packages libvips-tools
if [ -z "$PHOTO" ]; then
  need_photos /tmp/photos mp24 || true
  PHOTO=$(ls /tmp/photos/mp24/*.jpg 2>/dev/null | head -1 || true)
fi
run_bench ops_bench ${PHOTO:+"$PHOTO"} "$RUNS"
