#!/usr/bin/env bash
# Sets up what is missing, builds, and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
keyloom_install_missing
keyloom_build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)"
