#!/usr/bin/env bash
# Installs what is missing, builds, and starts Glimmerbox.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
scripts/build.sh --target glimmerbox
exec build/bin/glimmerbox "$@"
