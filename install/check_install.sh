#!/usr/bin/env bash
# check_install.sh BUILD: installs the build into a temporary prefix and
# checks the installation as a desktop and a player would meet it:
#   - the desktop entry and the AppStream metadata validate;
#   - the icon is there at 48, 128 and 256 pixels;
#   - the installed game answers --version;
#   - started from an unrelated working folder it finds its data, keeps the
#     player's files in the XDG data folder and writes F12 pictures to the
#     XDG pictures folder;
#   - moved to another prefix, it still runs.
# Prints one line per check; exits non-zero at the first failure.
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
app_id=com.tolvogames.Corvellane

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
echo "installed into a temporary prefix: $(find "$prefix" -type f | wc -l) files"

desktop-file-validate "$prefix/share/applications/$app_id.desktop"
echo "desktop-file-validate: ok"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" >/dev/null
echo "appstreamcli validate: ok"

# A PNG's width and height, from its header.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }'; }
for size in 48 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
  [ "$(png_size "$icon")" = "${size}x${size}" ] || { echo "icon $icon is $(png_size "$icon")" >&2; exit 1; }
done
echo "icons: 48x48 128x128 256x256"

version=$("$prefix/bin/corvellane" --version)
[ "$version" = "corvellane 1.1" ] || { echo "--version said: $version" >&2; exit 1; }
echo "--version: $version"

# The player: an own home, nothing of the build's environment.
home="$work/home"
pictures="$work/pictures"
mkdir -p "$home" "$work/elsewhere"
printf '500 key F12\n1500 quit\n' >"$work/visit.txt"
play() {
  (cd "$work/elsewhere" && env -u CORVELLANE_SETTINGS_DIR -u XDG_DATA_HOME HOME="$home" \
     XDG_PICTURES_DIR="$pictures" "$@")
}
play "$prefix/bin/corvellane" --headless --input "$work/visit.txt" --capture "$work/shots"
[ -f "$home/.local/share/TolvoGames/corvellane/options.dat" ] || { echo "no options.dat in the XDG data folder" >&2; exit 1; }
echo "saves: $(ls "$home/.local/share/TolvoGames/corvellane" | tr '\n' ' ')in ~/.local/share/TolvoGames/corvellane"
shot=$(find "$pictures" -name 'corvellane-*.png' | head -n 1)
[ -n "$shot" ] && [ "$(png_size "$shot")" = "1024x768" ] || { echo "no 1024x768 F12 picture in $pictures" >&2; exit 1; }
echo "F12: $(basename "$shot") in the pictures folder"
[ -f "$work/shots/last.png" ] || { echo "the installed game showed nothing" >&2; exit 1; }

mv "$prefix" "$work/moved"
play "$work/moved/bin/corvellane" --headless --frames 30
echo "moved installation: runs"
