#!/usr/bin/env bash
# Static checks: clang-format and clang-tidy on the project's own sources.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh clang-format clang-tidy

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run --Werror "${sources[@]}"
echo "clang-format: ${#sources[@]} files clean"

# clang-tidy reads the compile commands of a configured build.
build_dir=${VELNARO_BUILD_DIR:-build}
[ -f "$build_dir/compile_commands.json" ] || scripts/build.sh >/dev/null
mapfile -t units < <(git ls-files 'pay/*.cpp' 'wording/*.cpp' 'language/*.cpp' 'staff/*.cpp' 'cli/*.cpp' \
    'print/*.cpp' 'slips/*.cpp' 'ui/*.cpp' 'ui/**/*.cpp')
printf '%s\n' "${units[@]}" | xargs -P "$(nproc)" -n 4 clang-tidy -p "$build_dir" --quiet
echo "clang-tidy: ${#units[@]} files clean"
