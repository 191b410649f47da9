#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Sivane developers
#
# Formats every C++ file of the tree with the project's .clang-format.
# With --check it changes nothing and fails if any file is not formatted (CI runs that).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = --check ]; then
    git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
else
    git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format -i
fi
