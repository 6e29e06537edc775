#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs of it.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

id=org.example.einmaleins
expected=(
    bin/einmaleins
    share/applications/$id.desktop
    share/metainfo/$id.metainfo.xml
)
for size in 32 48 64 128; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
status=0
for file in "${expected[@]}"; do
    [ -f "$prefix/$file" ] || { echo "missing: $file"; status=1; }
done
[ -x "$prefix/bin/einmaleins" ] || { echo "not executable: bin/einmaleins"; status=1; }

# Each icon is a square PNG of its folder's size.
for size in 32 48 64 128; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ -f "$png" ] || continue
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4, $7*256+$8}')
    [ "$width" = "$size" ] && [ "$height" = "$size" ] || { echo "icon $size is ${width}x${height}"; status=1; }
done

desktop-file-validate "$prefix/share/applications/$id.desktop" || status=1
grep -q '^Categories=.*Education;.*Math;' "$prefix/share/applications/$id.desktop" || { echo "categories"; status=1; }
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || status=1
[ $status -eq 0 ] && echo "installed files are complete and valid"
exit $status
