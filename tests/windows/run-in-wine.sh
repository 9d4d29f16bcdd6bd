#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a Windows console program under Wine in the build tree's prefix and
# passes its exit status on.  Usage: run-in-wine.sh PROGRAM.exe [ARGS...]
set -euo pipefail
source "$(dirname "$0")/../support/wine.sh"
ensure_wine_prefix
exec env -u DISPLAY wine "$@"
