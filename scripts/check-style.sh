#!/usr/bin/env bash
# The static checks of make test, over the project's own C and C++ sources (src/, tests/, bench/,
# tools/; never build/ or GLFW's source):
#   clang-format  against .clang-format, no change allowed
#   clang-tidy    the checks in .clang-tidy, every finding an error, with the compile commands of
#                 the sanitize build (configured here if need be). Windows-only files are not in
#                 that build and get clang-format only.
#   check-style.sh [--fix]   --fix rewrites the files instead of failing.
set -euo pipefail
cd "$(dirname "$0")/.."
fix=${1:-}

mapfile -t sources < <(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'tests/*.c' \
                                    'bench/*.cpp' 'bench/*.h' 'tools/*.cpp' 'tools/*.h' 'tools/*.c')

if [[ $fix == --fix ]]; then
  clang-format -i "${sources[@]}"
else
  clang-format --dry-run --Werror "${sources[@]}"
fi
echo "check-style: clang-format clean over ${#sources[@]} files"

db=build/sanitize
[[ -f $db/compile_commands.json ]] || cmake --preset sanitize >/dev/null
# Generated headers (the GL table) must exist before the sources that include them are parsed.
cmake --build $db --target vorlune_gl_table >/dev/null 2>&1 || true
mapfile -t units < <(/usr/bin/python3 - "$db/compile_commands.json" "${sources[@]}" <<'PY'
import json, os, sys
compiled = {os.path.realpath(entry["file"]) for entry in json.load(open(sys.argv[1]))}
for source in sys.argv[2:]:
    if os.path.realpath(source) in compiled:
        print(source)
PY
)
tidy_fix=()
[[ $fix == --fix ]] && tidy_fix=(--fix)
status=0
printf '%s\n' "${units[@]}" | xargs -P "$(nproc)" -n 4 clang-tidy -p "$db" --quiet "${tidy_fix[@]}" \
  2> >(grep -v -E '^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$|^Suppressed [0-9]+ warnings' >&2) || status=$?
[[ $status == 0 ]] || { echo "check-style: clang-tidy found problems" >&2; exit 1; }
echo "check-style: clang-tidy clean over ${#units[@]} translation units"
