#!/bin/bash
# Both products exist with the right PE machine type and import system DLLs only.
BUILD=${1:-build}
status=0
check() {
    local exe=$1 format=$2 objdump=$3
    if [ ! -f "$exe" ]; then echo "missing: $exe"; status=1; return; fi
    "$objdump" -f "$exe" | grep -q "file format $format" || { echo "$exe: not $format"; status=1; }
    local dlls
    dlls=$("$objdump" -p "$exe" | awk '/DLL Name:/ {print tolower($3)}' | sort -u)
    for dll in $dlls; do
        case "$dll" in
        kernel32.dll | user32.dll | gdi32.dll | gdiplus.dll | msimg32.dll | comctl32.dll | ole32.dll | \
            oleaut32.dll | wininet.dll | advapi32.dll | shell32.dll | msvcrt.dll | ws2_32.dll | psapi.dll | \
            uxtheme.dll | comdlg32.dll | api-ms-win-*) ;;
        *) echo "$exe imports a non-system DLL: $dll"; status=1 ;;
        esac
    done
    echo "$exe: $format, imports: $(echo $dlls)"
}
check "$BUILD/win32/shibei.exe" pei-i386 i686-w64-mingw32-objdump
check "$BUILD/win64/shibei.exe" pei-x86-64 x86_64-w64-mingw32-objdump
exit $status
