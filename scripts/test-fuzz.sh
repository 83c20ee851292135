#!/usr/bin/env bash
# CI: every fuzz target for 60 seconds under ASan and UBSan.
set -euo pipefail
exec "$(dirname "$0")/fuzz.sh" 60
