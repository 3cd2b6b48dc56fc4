#!/bin/sh
# The table of runs over many files on every core: ours (all cores and one thread) against
# the bare pipeline, vipsthumbnail and gm run a file a process on every core, then the older
# goals (Find over 100,000 files, the slide show's next picture). Unattended; about ten
# minutes on an idle 8-core machine.
#   sh bench/cores_bench.sh [BUILD_DIR] [PHOTO_ROOT] [ROUNDS]
# The peers (vipsthumbnail, gm) are installed here only, never by scripts/deps.sh.
set -eu
. "$(dirname "$0")/common.sh"
PHOTOS=${2:-/tmp/photos}
ROUNDS=${3:-5}
need_packages libvips-tools graphicsmagick
need_photos "$PHOTOS" real
cmake --build "$BUILD" --target cores_bench find_bench slideshow_bench
"$BUILD/bench/cores_bench" table "$PHOTOS/real" "$ROUNDS"
"$BUILD/bench/cores_bench" timeline batch "$PHOTOS/real" | tail -n 3
QT_QPA_PLATFORM=offscreen "$BUILD/bench/find_bench" "$PHOTOS/real" 3
QT_QPA_PLATFORM=offscreen "$BUILD/bench/slideshow_bench" "$PHOTOS/real" 3
