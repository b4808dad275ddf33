#!/bin/sh
# Regenerates the place atlas from the pinned packages of tools/atlas and
# compares it byte for byte with the committed data/places.atlas.
#   regenerate-and-compare.sh SOURCE_DIR
# Exit 77 (skipped) where Node.js, npm or Debian's iso-codes are missing.
set -eu
source_dir="$1"
for tool in node npm; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "$tool is not installed: atlas regeneration skipped"
        exit 77
    fi
done
iso=/usr/share/iso-codes/json/iso_3166-1.json
if [ ! -r "$iso" ]; then
    echo "$iso is missing (Debian package iso-codes): atlas regeneration skipped"
    exit 77
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$source_dir/tools/atlas/package.json" "$source_dir/tools/atlas/package-lock.json" \
   "$source_dir/tools/atlas/generate.js" "$work/"
cd "$work"
npm ci --no-audit --no-fund --loglevel=error
node generate.js "$work/places.atlas" "$iso"
if cmp "$work/places.atlas" "$source_dir/data/places.atlas"; then
    echo "data/places.atlas is what the generator writes"
else
    echo "data/places.atlas differs from what tools/atlas/generate.js writes"
    exit 1
fi
