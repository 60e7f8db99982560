#!/usr/bin/env bash
# Unpacks GLFW's source from Debian's source package and applies our patches to it.
#   fetch-glfw.sh VERSION DEST [PATCH ...]
# DEST is rebuilt whenever the version or the set of patches changes; otherwise nothing happens.
# A patch that does not apply cleanly fails the build.
set -euo pipefail
version=$1 dest=$2
shift 2

stamp="$version $(cat "$@" /dev/null | sha256sum | cut -d' ' -f1)"
if [[ -f $dest/.vorlune-stamp && $(cat "$dest/.vorlune-stamp") == "$stamp" ]]; then
  exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && apt-get source --only-source "glfw3=$version-1" >/dev/null 2>"$work/log") || {
  cat "$work/log" >&2
  echo "fetch-glfw: apt-get source glfw3=$version-1 failed (is the deb-src entry there? run scripts/setup.sh)" >&2
  exit 1
}
src=$(find "$work" -maxdepth 1 -type d -name "glfw3-$version*" | head -n 1)
[[ -n $src ]] || { echo "fetch-glfw: no glfw3-$version directory in the source package" >&2; exit 1; }

for patch in "$@"; do
  if ! patch -d "$src" -p1 --forward --fuzz=0 --no-backup-if-mismatch -s <"$patch"; then
    echo "fetch-glfw: $patch does not apply cleanly to GLFW $version" >&2
    exit 1
  fi
done

rm -rf "$dest"
mkdir -p "$(dirname "$dest")"
mv "$src" "$dest"
echo "$stamp" >"$dest/.vorlune-stamp"
