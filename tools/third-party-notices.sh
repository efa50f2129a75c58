#!/usr/bin/env bash
# THIRD-PARTY-NOTICES.txt for the release package: what is linked into VeltriaClock.exe
# and, in full, the copyright files of the Debian packages it comes from.
#   tools/third-party-notices.sh JPEG_CACHE > THIRD-PARTY-NOTICES.txt
set -euo pipefail
jpeg_cache=$1

version_of() { dpkg-query -W -f='${Version}' "$1"; }

jpeg_version=$(sed -n 's/^libjpeg-turbo \([^ ]*\).*/\1/p' "$jpeg_cache/.complete")
copyrights=(
    "libjpeg-turbo|/usr/share/doc/libjpeg62-turbo/copyright"
    "MinGW-w64 runtime and winpthreads|/usr/share/doc/mingw-w64-x86-64-dev/copyright"
    "GCC runtime libraries (libgcc, libstdc++)|/usr/share/doc/gcc-mingw-w64-base/copyright"
)

cat <<TEXT
Third-party notices for VeltriaClock.exe
========================================

VeltriaClock.exe is one statically linked program. Besides VeltriaClock's own code (MIT
License, see LICENSE.txt) it contains:

1. libjpeg-turbo ${jpeg_version} (built from Debian's source package libjpeg-turbo),
   used to write the JPEG screenshots.
   This software is based in part on the work of the Independent JPEG Group.
   libjpeg-turbo is covered by the IJG License, the Modified (3-clause) BSD License and
   the zlib License; their texts are in its copyright file below.

2. The MinGW-w64 runtime (mingw-w64-x86-64-dev $(version_of mingw-w64-x86-64-dev)),
   including the winpthreads library, under the licences named in its copyright file
   below (chiefly the Zope Public License 2.1, public domain and MIT-style terms).

3. The GCC runtime libraries libgcc and libstdc++ (g++-mingw-w64-x86-64-posix
   $(version_of g++-mingw-w64-x86-64-posix)), under the GNU General Public License
   version 3 with the GCC Runtime Library Exception, version 3.1, whose text is in the
   GCC copyright file below.

The copyright files follow in full, as Debian ships them.
TEXT
for entry in "${copyrights[@]}"; do
    name=${entry%%|*}
    file=${entry#*|}
    [ -s "$file" ] || { echo "third-party-notices: $file is missing" >&2; exit 1; }
    printf '\n\n==========================================================================\n'
    printf '%s  (%s)\n' "$name" "$file"
    printf '==========================================================================\n\n'
    cat "$file"
done
