#!/usr/bin/env bash
# Install what is missing, build, and run every test.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
need_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
build_project tests
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)"
