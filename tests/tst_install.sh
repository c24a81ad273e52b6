#!/usr/bin/env bash
# Installs the built program into a prefix under /opt in a temporary folder, as a user would
# (`cmake --install BUILD --prefix ...`) and as a packager would (DESTDIR), and checks that the menu
# entry and the software-centre entry are files of install_manifest.txt, that the menu entry starts
# the installed launcher, that the installed program finds its own font, that removing the
# manifest's files leaves nothing behind, and that the metainfo passes `appstreamcli validate`
# where AppStream is installed.
# Usage: tst_install.sh BUILD_DIR APP_ID VERSION
set -euo pipefail
build=$1 id=$2 version=$3
tmp=$(mktemp -d)
manifest=$build/install_manifest.txt
# The test's installs write the build's manifest; one from a real install is put back afterwards.
[ -e "$manifest" ] && cp -p "$manifest" "$tmp/manifest.kept"
restore() {
  if [ -e "$tmp/manifest.kept" ]; then cp -p "$tmp/manifest.kept" "$manifest"; else rm -f "$manifest"; fi
  rm -rf "$tmp"
}
trap restore EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# The installed program, started where fontconfig does not know SPIonic (rejected here, in case the
# machine has it), sets its window up, which it does only with the font: the folders it makes then
# appear in the data folder.
starts_with_its_font() {
  local root=$1 data=$tmp/data
  mkdir -p "$data" "$tmp/fccache"
  cat >"$tmp/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <cachedir>$tmp/fccache</cachedir>
  <selectfont><rejectfont><pattern><patelt name="family"><string>SPIonic</string></patelt></pattern></rejectfont></selectfont>
</fontconfig>
CONF
  (cd "$data" && exec env QT_QPA_PLATFORM=offscreen FONTCONFIG_FILE="$tmp/fonts.conf" "$root/bin/mnemora") &
  local pid=$! i
  for i in $(seq 100); do
    [ -d "$data/Backups" ] && break
    sleep 0.2
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  [ -d "$data/Backups" ] || fail "$root/bin/mnemora did not find its font"
  rm -rf "$data"
}

# check_install PREFIX [DESTDIR]: installs, checks, uninstalls by the manifest. The manifest names
# the files by PREFIX; with DESTDIR they lie in DESTDIR/PREFIX.
check_install() {
  local prefix=$1 destdir=${2:-}
  local root=$destdir$prefix
  local entry=$root/share/applications/$id.desktop metainfo=$root/share/metainfo/$id.metainfo.xml
  DESTDIR=$destdir cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" || { cat "$tmp/install.log"; fail "install into $root"; return; }
  grep -qxF "$prefix/share/applications/$id.desktop" "$manifest" || fail "$id.desktop is not in install_manifest.txt"
  grep -qxF "$prefix/share/metainfo/$id.metainfo.xml" "$manifest" || fail "$id.metainfo.xml is not in install_manifest.txt"
  # The entry names the launcher where it is run from: the prefix, without the staging folder.
  grep -qxF "Exec=\"$prefix/bin/mnemora-launch\"" "$entry" || fail "$entry: $(grep '^Exec=' "$entry")"
  [ -x "$root/bin/mnemora-launch" ] || fail "no launcher in $root/bin"
  grep -qxF "Name=Mnemora" "$entry" || fail "$entry: $(grep '^Name=' "$entry")"
  grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "$metainfo does not launch $id.desktop"
  grep -qF "<release version=\"$version\"" "$metainfo" || fail "$metainfo has no release $version"
  [ -f "$root/share/fonts/mnemora/SPIonic.ttf" ] || fail "no font in $root/share/fonts/mnemora"
  [ -n "$destdir" ] || starts_with_its_font "$root"
  if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate $metainfo"
  fi
  # Uninstall as the README says.
  sed "s|^|$destdir|" "$manifest" | xargs -d '\n' rm -f
  local left
  left=$(find "$root" ! -type d)
  [ -z "$left" ] || fail "left after removing the manifest's files: $left"
}

# An entry from an earlier install (written as mnemora.desktop, outside the manifest) is replaced.
opt=$tmp/opt/mnemora
mkdir -p "$opt/share/applications"
printf '[Desktop Entry]\nName=Mnemora\nExec="%s"\n' "$opt/bin/mnemora-launch" >"$opt/share/applications/mnemora.desktop"
check_install "$opt"
check_install /opt/mnemora "$tmp/stage"
command -v appstreamcli >/dev/null || echo "appstreamcli not installed (Debian: appstream): metainfo not validated"
exit $failed
