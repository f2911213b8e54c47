#!/usr/bin/env bash
# Removes what `cmake --install` wrote, as listed in its manifest (default
# build/install_manifest.txt), then the folders that only Tarnwick made (its
# pictures' folder and the icon size folders) once they are empty, and
# refreshes the desktop databases of that prefix. Run it with sudo for a
# system install. Usage: scripts/uninstall.sh [MANIFEST]
set -euo pipefail
manifest="${1:-build/install_manifest.txt}"
[ -f "$manifest" ] || { echo "uninstall: no $manifest (was Tarnwick installed from here?)" >&2; exit 1; }

program=$(grep -m1 '/bin/tarnwick$' "$manifest" || true)
[ -n "$program" ] || { echo "uninstall: $manifest does not list bin/tarnwick" >&2; exit 1; }
prefix=${program%/bin/tarnwick}

while IFS= read -r file || [ -n "$file" ]; do rm -f -- "$file"; done <"$manifest"
for dir in "$prefix"/share/tarnwick "$prefix"/share/icons/hicolor/*x*/apps; do
  [ -d "$dir" ] || continue
  rmdir --ignore-fail-on-non-empty -- "$dir"
  case "$dir" in */apps) rmdir --ignore-fail-on-non-empty -- "${dir%/apps}" ;; esac
done

if command -v update-mime-database >/dev/null && [ -d "$prefix/share/mime" ]; then
  update-mime-database "$prefix/share/mime"
fi
if command -v update-desktop-database >/dev/null && [ -d "$prefix/share/applications" ]; then
  update-desktop-database "$prefix/share/applications"
fi
echo "Tarnwick removed from $prefix"
