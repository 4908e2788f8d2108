# Shared by the scripts: the build folders, the test architecture and the
# private Wine prefix.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_root="$root/build"

# The product is always built for 32-bit Windows (build/i686). Tests run a
# 32-bit test build when this machine can execute 32-bit x86 code; where it
# cannot (some virtual machines switch 32-bit emulation off), they run the
# same sources built for 64-bit Windows under 64-bit Wine. This tells which.
test_arch() {
  local probe="$build_root/ia32-probe"
  mkdir -p "$build_root"
  if [ ! -x "$probe" ] || [ "$root/tools/ia32-probe.c" -nt "$probe" ]; then
    cc -O1 -no-pie -static -o "$probe" "$root/tools/ia32-probe.c" 2>/dev/null \
      || cc -O1 -no-pie -o "$probe" "$root/tools/ia32-probe.c"
  fi
  # The probe dies by a signal where it cannot; the shell that waits for it
  # reports that on its own error output, which goes nowhere here.
  if sh -c '"$1" 2>/dev/null' _ "$probe" 2>/dev/null; then echo i686; else echo x86_64; fi
}

# configure_and_build <folder under build/> <build type> [cmake options...]
# The folder name is the architecture unless a toolchain option says otherwise.
configure_and_build() {
  local folder="$1" type="$2"
  local arch="${folder##*-}"
  cmake -S "$root" -B "$build_root/$folder" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" \
    -DCMAKE_BUILD_TYPE="$type" "${@:3}" >/dev/null
  cmake --build "$build_root/$folder"
}

wine_loader() {
  if [ "$1" = x86_64 ]; then echo /usr/lib/wine/wine64; else echo /usr/lib/wine/wine; fi
}

# A private prefix inside the build folder (or the folder given), created once. Its Desktop,
# Documents and Downloads are plain folders (not links into the host's home),
# so nothing a test writes lands outside it. The dialog font is set to one
# whose metrics give the dialog base units of Windows' own dialog font (6 x 13
# pixels for "MS Shell Dlg" 8), so dialogs have their Windows size: Wine's
# stand-in gives 6 x 12, which squeezes the wizard's controls onto its skin.
make_prefix() {
  local arch="$1"
  local folder="${2:-$build_root/$arch}"
  mkdir -p "$folder"
  export WINEPREFIX="$(cd "$folder" && pwd)/wineprefix"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"
  # Processes of an earlier run (started without a display, say) go first.
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  if [ ! -f "$WINEPREFIX/.velto-ready-2" ]; then
    rm -rf "$WINEPREFIX"
    "$(wine_loader "$arch")" wineboot -i >/dev/null 2>&1 || true
    /usr/lib/wine/wineserver -w 2>/dev/null || true
    local user_dir
    for user_dir in "$WINEPREFIX"/drive_c/users/*/; do
      local sub
      for sub in Desktop Documents Downloads Music Pictures Videos Templates; do
        if [ -L "$user_dir$sub" ]; then rm -f "$user_dir$sub"; mkdir -p "$user_dir$sub"; fi
      done
    done
    "$(wine_loader "$arch")" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
      /v "MS Shell Dlg" /d "DejaVu Sans Condensed" /f >/dev/null 2>&1
    /usr/lib/wine/wineserver -w 2>/dev/null || true
    touch "$WINEPREFIX/.velto-ready-2"
  fi
}
