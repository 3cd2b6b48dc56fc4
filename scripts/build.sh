#!/usr/bin/env bash
# Configures and builds into build/ (or $BUILD_DIR). JOBS (or CMAKE_BUILD_PARALLEL_LEVEL) caps the
# number of compilers run at once; by default every core is used. ccache is used when installed.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
JOBS=${JOBS:-${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}}
launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
  # Paths inside the tree count relative to it, so a checkout in another folder (a CI
  # clone, a second work tree) finds what an earlier build compiled.
  export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
fi
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} "${launcher[@]}" ${CMAKE_ARGS:-} >/dev/null
cmake --build "$BUILD_DIR" -j "$JOBS" "$@"
