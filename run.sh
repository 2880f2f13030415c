#!/usr/bin/env bash
# Install what is missing, build, and start the psychrometric chart.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
need_packages "${BUILD_PACKAGES[@]}" xchm xdg-utils
build_project
exec ./build/psychart "$@"
