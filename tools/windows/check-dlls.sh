#!/usr/bin/env bash
# Checks a deployed Windows folder: every DLL that one of its programs (.exe, .com) or DLLs
# (the Qt libraries and the plugins in the subfolders) imports lies at the folder's top, where
# Windows looks first, or is a DLL of Windows itself.
#   tools/windows/check-dlls.sh FOLDER        lists each program with what it lacks; exit 1 if any
#   tools/windows/check-dlls.sh --is-system NAME   exit 0 when NAME is a DLL of Windows
set -euo pipefail
objdump=x86_64-w64-mingw32-objdump

# The DLLs every Windows 7 to 11 has, which a deployed folder must not carry.
is_system() {
    local name
    name=$(tr '[:upper:]' '[:lower:]' <<<"$1")
    case $name in
    api-ms-win-*.dll | ext-ms-win-*.dll) return 0 ;;
    advapi32.dll | bcrypt.dll | comctl32.dll | comdlg32.dll | crypt32.dll | d3d11.dll | \
        d3d9.dll | dwmapi.dll | dwrite.dll | dxgi.dll | gdi32.dll | imm32.dll | iphlpapi.dll | \
        kernel32.dll | mpr.dll | msvcrt.dll | netapi32.dll | ntdll.dll | ole32.dll | \
        oleaut32.dll | rpcrt4.dll | secur32.dll | setupapi.dll | shcore.dll | shell32.dll | \
        shlwapi.dll | user32.dll | userenv.dll | uxtheme.dll | version.dll | winmm.dll | \
        winspool.drv | ws2_32.dll | wtsapi32.dll)
        return 0 ;;
    esac
    return 1
}

if [ "${1:-}" = --is-system ]; then
    is_system "${2:?a DLL name}"
    exit
fi

folder=${1:?usage: check-dlls.sh FOLDER}
[ -d "$folder" ] || { echo "check-dlls: no folder $folder" >&2; exit 1; }
# The DLLs at the top, by lower-case name (Windows does not tell the cases apart).
present=" $(find "$folder" -maxdepth 1 -iname '*.dll' -printf '%f\n' | tr '[:upper:]' '[:lower:]' | tr '\n' ' ') "
missing=0 checked=0
while IFS= read -r -d '' file; do
    checked=$((checked + 1))
    lacks=()
    while read -r dll; do
        [ -n "$dll" ] || continue
        is_system "$dll" && continue
        lower=$(tr '[:upper:]' '[:lower:]' <<<"$dll")
        [[ $present == *" $lower "* ]] || lacks+=("$dll")
    done < <("$objdump" -p "$file" | sed -n 's/^\s*DLL Name: //p')
    if [ ${#lacks[@]} -gt 0 ]; then
        echo "${file#"$folder"/} imports DLLs that are neither in the folder nor Windows': ${lacks[*]}"
        missing=$((missing + 1))
    fi
done < <(find "$folder" -type f \( -iname '*.dll' -o -iname '*.exe' -o -iname '*.com' \) -print0)
if [ "$checked" -eq 0 ]; then
    echo "check-dlls: no programs or DLLs in $folder"
    exit 1
fi
echo "check-dlls: $checked programs and DLLs, $missing with missing DLLs"
[ "$missing" -eq 0 ]
