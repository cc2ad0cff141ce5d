#!/bin/sh
# Fails when a C++ source of the repository differs from what clang-format
# makes of it under the repository's .clang-format; names the files that do.
set -e
cd "$(dirname "$0")/.."
format=$(command -v clang-format-14 || command -v clang-format)
bad=""
for f in $(git ls-files '*.cpp' '*.h'); do
    "$format" --style=file "$f" | cmp -s - "$f" || bad="$bad $f"
done
if [ -n "$bad" ]; then
    echo "Not formatted with $format (run: $format -i FILE):" >&2
    for f in $bad; do echo "  $f" >&2; done
    exit 1
fi
echo "C++ sources formatted."
