#!/usr/bin/env bash
# Builds libjpeg-turbo as a static library for x86-64 Windows (mingw-w64),
# from Debian's own source package (with Debian's patches applied), and
# installs it into the cache folder given as the only argument:
#
#   tools/build-libjpeg-mingw.sh build/cache/libjpeg-turbo-mingw
#
# Result: <cache>/include/{jpeglib.h,jconfig.h,jmorecfg.h,jerror.h} and
# <cache>/lib/libjpeg.a. A stamp file <cache>/.complete is written last;
# when it is there the script exits at once without printing anything.
#
# Needs: apt-get, dpkg-dev, cmake, nasm (for SIMD), the mingw-w64 posix compilers
# (tools/setup.sh installs them) and root (or sudo) to enable deb-src.
# Build output goes to <cache>.work/build.log; on failure its tail is printed
# and the work folder is kept to look at (the next run starts afresh).
set -euo pipefail

if [ $# -ne 1 ] || [ -z "$1" ]; then
  echo "usage: $0 <cache-dir>" >&2
  exit 2
fi

# Fast path: a finished install is reused silently.
if [ -f "$1/.complete" ] && [ -f "$1/lib/libjpeg.a" ] && [ -f "$1/include/jpeglib.h" ]; then
  exit 0
fi

script_dir=$(cd "$(dirname "$0")" && pwd)
toolchain="$script_dir/../cmake/mingw-w64-x86_64.cmake"

mkdir -p "$(dirname "$1")"
cache="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
repo_root=$(cd "$script_dir/.." && pwd)
case "$cache" in
  / | /. | /.. | "$repo_root" | "$HOME") echo "build-libjpeg-mingw: refusing cache dir '$cache'" >&2; exit 2 ;;
esac
work="$cache.work"
log="$work/build.log"
stamp="$cache/.complete"

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

# One build at a time for a given cache folder.
if command -v flock >/dev/null 2>&1; then
  exec 9>"$cache.lock"
  flock 9
  # Another run may have finished it while we waited.
  if [ -f "$stamp" ] && [ -f "$cache/lib/libjpeg.a" ]; then
    exit 0
  fi
fi

fail() {
  echo "build-libjpeg-mingw: $*" >&2
  if [ -s "$log" ]; then
    echo "---- last lines of $log ----" >&2
    tail -n 40 "$log" >&2
  fi
  rm -rf "$cache"
  exit 1
}

# Runs a command with its output going to the log; fails with the log's tail.
run() {
  "$@" >>"$log" 2>&1 || fail "failed: $*"
}

# Leftovers of an interrupted earlier run.
rm -rf "$work" "$cache"
mkdir -p "$work"
: >"$log"

for tool in apt-get dpkg-source cmake x86_64-w64-mingw32-gcc-posix; do
  command -v "$tool" >/dev/null 2>&1 || fail "'$tool' not found (run tools/setup.sh first)"
done
[ -f "$toolchain" ] || fail "toolchain file not found: $toolchain"

# ---------------------------------------------------------------------------
# deb-src: if apt has no source index configured, add a separate sources file
# with deb-src twins of the machine's Debian "deb" entries (the existing files
# are left untouched).
# ---------------------------------------------------------------------------
srcfile_name=veltriaclock-deb-src.sources

debian_deb_src_stanzas() {
  local srclist srcparts f
  srclist=/etc/apt/sources.list
  srcparts=/etc/apt/sources.list.d
  eval "$(apt-config shell srclist Dir::Etc::sourcelist/f srcparts Dir::Etc::sourceparts/d)"
  srcparts=${srcparts%/}

  # deb822 files: copy each enabled stanza whose Types include "deb" and that
  # points at a Debian archive, with Types changed to deb-src.
  for f in "$srcparts"/*.sources; do
    [ -f "$f" ] || continue
    [ "$(basename "$f")" = "$srcfile_name" ] && continue
    awk '
      function is_debian(    n, i, u) {
        if (tolower(signed) ~ /debian-archive-keyring/) return 1
        n = split(uris, u, /[ \t]+/)
        for (i = 1; i <= n; i++)
          if (u[i] ~ /\/debian(-security|-ports|-debug)?\/?$/) return 1
        return 0
      }
      function flush(    i, t, n, has_deb) {
        if (nlines > 0) {
          has_deb = 0
          n = split(types, t, /[ \t]+/)
          for (i = 1; i <= n; i++) if (t[i] == "deb") has_deb = 1
          if (has_deb && tolower(enabled) != "no" && is_debian()) {
            print "Types: deb-src"
            for (i = 1; i <= nlines; i++) print lines[i]
            print ""
          }
        }
        nlines = 0; types = ""; enabled = ""; uris = ""; signed = ""; skip = 0
      }
      BEGIN { nlines = 0 }
      /^#/ { next }
      /^[ \t]*$/ { flush(); next }
      /^[ \t]/ { if (!skip) lines[++nlines] = $0; next }
      {
        key = tolower($0); sub(/:.*/, "", key)
        val = $0; sub(/^[^:]*:[ \t]*/, "", val)
        skip = 0
        if (key == "types") { types = val; skip = 1; next }
        if (key == "architectures") { skip = 1; next }
        if (key == "enabled") enabled = val
        if (key == "uris") uris = val
        if (key == "signed-by") signed = val
        lines[++nlines] = $0
      }
      END { flush() }
    ' "$f"
  done

  # One-line-style files: "deb [options] uri suite [components...]".
  for f in "$srclist" "$srcparts"/*.list; do
    [ -f "$f" ] || continue
    awk '
      /^[ \t]*deb[ \t]/ {
        line = $0; sub(/#.*/, "", line); sub(/^[ \t]*deb[ \t]+/, "", line)
        opts = ""
        if (line ~ /^\[/) {
          opts = line; sub(/\].*/, "", opts); sub(/^\[/, "", opts)
          sub(/^\[[^]]*\][ \t]*/, "", line)
        }
        n = split(line, w, /[ \t]+/)
        if (n < 2) next
        if (w[1] !~ /\/debian(-security|-ports|-debug)?\/?$/ && opts !~ /debian-archive-keyring/) next
        print "Types: deb-src"
        print "URIs: " w[1]
        print "Suites: " w[2]
        comps = ""
        for (i = 3; i <= n; i++) if (w[i] != "") comps = comps (comps == "" ? "" : " ") w[i]
        if (comps != "") print "Components: " comps
        m = split(opts, o, /[ \t]+/)
        for (i = 1; i <= m; i++) {
          if (o[i] ~ /^signed-by=/) { v = o[i]; sub(/^signed-by=/, "", v); print "Signed-By: " v }
          if (o[i] ~ /^trusted=/) { v = o[i]; sub(/^trusted=/, "", v); print "Trusted: " v }
        }
        print ""
      }
    ' "$f"
  done
}

need_update=0
if [ -z "$(apt-get indextargets --no-release-info 'Created-By: Sources' 2>/dev/null)" ]; then
  stanzas=$(debian_deb_src_stanzas)
  [ -n "$stanzas" ] || fail "no Debian 'deb' entry found in the apt sources to derive deb-src from"
  eval "$(apt-config shell srcparts_dir Dir::Etc::sourceparts/d)"
  srcparts_dir=${srcparts_dir:-/etc/apt/sources.list.d/}
  {
    echo "# Written by tools/build-libjpeg-mingw.sh: source-package twins of the"
    echo "# Debian entries configured on this machine (to build libjpeg-turbo)."
    echo
    printf '%s\n' "$stanzas"
  } >"$work/$srcfile_name"
  as_root install -m 0644 "$work/$srcfile_name" "${srcparts_dir%/}/$srcfile_name" \
    || fail "cannot write ${srcparts_dir%/}/$srcfile_name"
  need_update=1
elif ! apt-cache showsrc libjpeg-turbo 2>/dev/null | grep -q '^Package:'; then
  need_update=1
fi
if [ "$need_update" -eq 1 ]; then
  # A failing third-party repository makes apt-get update exit non-zero;
  # what matters is whether the source index we need arrived.
  as_root apt-get update -qq >>"$log" 2>&1 || true
  apt-cache showsrc libjpeg-turbo 2>/dev/null | grep -q '^Package:' \
    || fail "apt knows no source package libjpeg-turbo after apt-get update"
fi

# ---------------------------------------------------------------------------
# Source: apt-get source unpacks it and applies Debian's patches.
# ---------------------------------------------------------------------------
(cd "$work" && apt-get source -q libjpeg-turbo) >>"$log" 2>&1 \
  || fail "apt-get source libjpeg-turbo failed"
dsc=$(find "$work" -maxdepth 1 -name 'libjpeg-turbo_*.dsc' | head -n 1)
src=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n 1)
if [ -z "$dsc" ] || [ -z "$src" ] || [ ! -f "$src/CMakeLists.txt" ]; then
  fail "unpacked libjpeg-turbo source not found in $work"
fi
version=$(sed -n 's/^Version:[ \t]*//p' "$dsc" | head -n 1)

# ---------------------------------------------------------------------------
# Configure, build, install.
# ---------------------------------------------------------------------------
generator=()
build_cmd=(make -j2)
if command -v ninja >/dev/null 2>&1; then
  generator=(-G Ninja)
  build_cmd=(ninja -j2)
fi

configure() {
  rm -rf "$work/build"
  # libjpeg-turbo picks its SIMD code from CMAKE_SYSTEM_PROCESSOR (lowercased;
  # "x86_64" and "amd64" both select the x86-64 NASM code), set by the
  # toolchain file. REQUIRE_SIMD makes a SIMD setup failure fatal instead of
  # silently building the slow C-only library.
  cmake -S "$src" -B "$work/build" "${generator[@]}" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$cache" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
    -DWITH_TURBOJPEG=OFF \
    "$@" >>"$log" 2>&1
}

simd=on
echo "==== configure (SIMD on)" >>"$log"
if ! configure -DWITH_SIMD=ON -DREQUIRE_SIMD=ON; then
  echo "==== configure (SIMD off)" >>"$log"
  configure -DWITH_SIMD=OFF || fail "cmake configure failed"
  simd=off
fi
(cd "$work/build" && "${build_cmd[@]}") >>"$log" 2>&1 || fail "build failed"
run cmake --install "$work/build"

# Some versions install the static archive as libjpeg-static.a or into lib64.
if [ ! -f "$cache/lib/libjpeg.a" ]; then
  for cand in "$cache/lib/libjpeg-static.a" "$cache/lib64/libjpeg.a" "$cache/lib64/libjpeg-static.a"; do
    if [ -f "$cand" ]; then
      mkdir -p "$cache/lib"
      cp "$cand" "$cache/lib/libjpeg.a"
      break
    fi
  done
fi
for f in include/jpeglib.h include/jconfig.h include/jmorecfg.h include/jerror.h lib/libjpeg.a; do
  [ -f "$cache/$f" ] || fail "install is missing $f"
done

# Stamp last: everything above is in place.
printf 'libjpeg-turbo %s simd=%s\n' "$version" "$simd" >"$stamp"
rm -rf "$work"
rm -f "$cache.lock"

if [ "$simd" = off ]; then
  echo "libjpeg-turbo (mingw): SIMD configuration failed, built without SIMD (slower)"
fi
echo "libjpeg-turbo $version (mingw, static): built into $cache"
