#!/usr/bin/env bash
# The exe is one file: it imports only DLLs that every Windows has and always takes from
# its own folder (KnownDLLs), so that a DLL lying beside the exe is never loaded in their
# place. (comctl32, for one, is not among them.)
set -euo pipefail
imports=$(x86_64-w64-mingw32-objdump -p "$VC_EXE" | sed -n 's/^\s*DLL Name: //p' | tr 'a-z' 'A-Z' | sort)
[ -n "$imports" ] || { echo "FAIL: no imports read from $VC_EXE" >&2; exit 1; }
system="ADVAPI32.DLL COMDLG32.DLL GDI32.DLL KERNEL32.DLL MSVCRT.DLL OLE32.DLL SHELL32.DLL USER32.DLL"
for dll in $imports; do
    case " $system " in
        *" $dll "*) echo "ok: $dll" ;;
        *) echo "FAIL: $VC_EXE needs $dll" >&2; exit 1 ;;
    esac
done
