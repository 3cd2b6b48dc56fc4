#!/bin/sh
# Builds the photo set and runs bench/splitter_bench on its first 5120 x 2880 photo (a
# generated one when there is none).
#   sh bench/splitter_bench.sh [BUILD_DIR] [PHOTO_ROOT]
set -eu
. "$(dirname "$0")/common.sh"
PHOTOS=${2:-/tmp/photos}
need_photos "$PHOTOS" real
need_packages imagemagick
photo=""
for f in "$PHOTOS"/real/*.jpg; do
  if [ "$(identify -format '%wx%h' "$f" 2>/dev/null)" = 5120x2880 ]; then photo=$f; break; fi
done
run_bench splitter_bench $photo
