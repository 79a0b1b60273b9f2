#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program and every test with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan and runs every test there; the
# first report of either sanitizer fails its test. The preset builds at -O1,
# which keeps the long randomized run quick enough while the reports stay
# readable.
set -euo pipefail
exec bash "$(dirname "$0")/test.sh" sanitize
