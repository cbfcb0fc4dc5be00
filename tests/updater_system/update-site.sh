# Sourced by the updater's scripts inside the sandbox: publishes a patch of a given size on the
# sandbox's update server and makes an installation folder with an older installed version.
#   zelvo_publish_patch BIN NAME SIZE   -> sets zelvo_install (Unix) and zelvo_install_win
zelvo_publish_patch() {
  local bin=$1 name=$2 size=$3
  local www=$ZELVO_SANDBOX_RUN/www/zelvoupdates
  mkdir -p "$www"
  # The stand-in patch program, padded with zero bytes to the size wanted.
  cp "$bin/PatchStandin.exe" "$www/$name"
  truncate -s "$size" "$www/$name"
  printf '<update><patchVersion>2.0.1.5</patchVersion><patchname>%s</patchname><patchsize>%d</patchsize></update>' \
    "$name" "$size" > "$www/update.xml"
  zelvo_install=$ZELVO_SANDBOX_RUN/install
  mkdir -p "$zelvo_install"
  printf '<configuration><OrvaneVersion>2.0.1.4</OrvaneVersion></configuration>' > "$zelvo_install/OrvaneVoip.xml"
  zelvo_install_win="Z:$(printf '%s' "$zelvo_install" | tr / '\\')"
  # A patch left from an earlier run would be continued or deleted; start from nothing.
  rm -f "$WINEPREFIX/drive_c/windows/temp/$name"
}
