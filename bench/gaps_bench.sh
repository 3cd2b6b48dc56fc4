#!/bin/sh
# The longest event gaps of every run over many files, at 600 and 6,000 photos: the 60 real
# photos taken in turn. Unattended; about half an hour on an idle 8-core machine.
#   sh bench/gaps_bench.sh [BUILD_DIR] [PHOTO_ROOT] [COUNT...]
set -eu
. "$(dirname "$0")/common.sh"
PHOTOS=${2:-/tmp/photos}
need_photos "$PHOTOS" real
shift 2 2>/dev/null || true
cmake --build "$BUILD" --target gaps_bench
[ $# -gt 0 ] || set -- 600 6000
QT_QPA_PLATFORM=offscreen "$BUILD/bench/gaps_bench" "$PHOTOS/real" "$@"
