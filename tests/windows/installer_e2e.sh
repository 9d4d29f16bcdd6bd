#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The installer as a user (or an administrator's script) runs it, silently,
# under Wine: the files it puts in %LOCALAPPDATA%\Programs\Velmarit, the
# shortcuts and where they point, the "Apps & Features" entry; the installed
# program started from the Start-menu shortcut's target in a real X session,
# keeping its position beside itself and reopening there; a second install
# over the first keeping that position; the installer of a later version
# upgrading in place, still keeping it; the silent uninstall through the
# entry's QuietUninstallString leaving nothing of the install behind; two
# copies in two folders, each with an entry of its own, uninstalled in both
# orders: uninstalling the first leaves the shortcuts that now start the
# second, whose entry then takes the name "Velmarit"; uninstalling the second
# hands the shortcuts back to the first, whose entry stays; and an
# install into a folder that already holds files, without the desktop
# shortcut (/NODESKTOP), whose uninstall leaves the user's files and the
# user's own desktop "Velmarit.lnk" exactly as they were; a folder holding
# another program's uninstaller is refused. Last, the user's language: the
# installer's texts in the Windows display language it has (French, Dutch,
# English, German), German for any other, also when silent; an install made
# in one language upgraded and uninstalled in another.
#
# Usage: installer_e2e.sh SETUP.exe ZIP VERSION PUBLISHER LATER-SETUP.exe LATER-VERSION TEXTS-DIR
set -uo pipefail

usage="usage: $0 SETUP.exe ZIP VERSION PUBLISHER LATER-SETUP.exe LATER-VERSION TEXTS-DIR"
setup=${1:?$usage}
zip=${2:?$usage}
version=${3:?$usage}
publisher=${4:?$usage}
later_setup=${5:?$usage}
later_version=${6:?$usage}
texts=${7:?$usage}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../support/wine.sh"
ensure_wine_prefix || exit 1

source "$here/../support/xsession.sh"
xsession_start
work="$XSESSION_DIR/work"
mkdir -p "$work/zip"
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    wineserver -k 2>/dev/null
}
xsession_at_exit cleanup
wineserver -k 2>/dev/null
wineserver -w 2>/dev/null

profile="$WINEPREFIX/drive_c/users/$(id -un)"
install_dir="$profile/AppData/Local/Programs/Velmarit"
start_menu_link="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Velmarit.lnk"
desktop_link="$profile/Desktop/Velmarit.lnk"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmarit'
files=(velmarit.exe velmarit-tabelle.exe LIESMICH.txt LIZENZ.txt LIZENZEN-Qt.txt)

# A value of the entry "Velmarit", or of the entry named second.
reg_value() {
    wine reg query "${2:-$key}" /v "$1" 2>/dev/null | tr -d '\r' | awk -v name="$1" '$1 == name { $1 = ""; $2 = ""; sub(/^  */, ""); print }'
}
reg_key_exists() { wine reg query "$key" >/dev/null 2>&1; }
win_path() { windows_path "$1"; }
uninstall_keys() { wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall' 2>/dev/null | tr -d '\r'; }
# Velmarit's entries: "Velmarit", and "Velmarit-2" and on for other folders.
velmarit_entries() { uninstall_keys | grep -E '\\Uninstall\\Velmarit(-[0-9]+)?$'; }
no_entries() { ! velmarit_entries >/dev/null; }
# The entry whose InstallLocation is the Windows folder given.
entry_of() {
    local entry folder
    while read -r entry; do
        folder=$(reg_value InstallLocation "$entry")
        [ "${folder,,}" = "${1,,}" ] && { echo "$entry"; return 0; }
    done < <(velmarit_entries)
    return 1
}
# Whether value $2 of entry $1 reads $3 (as Windows compares paths, in any case).
entry_is() {
    local got
    got=$(reg_value "$2" "$1")
    [ "${got,,}" = "${3,,}" ]
}

# Where a .lnk points, and its description.
link_target() { /usr/bin/python3 "$here/readback.py" target "$1"; }
link_description() { /usr/bin/python3 "$here/readback.py" description "$1"; }

run_silently() {
    wine "$@" >/dev/null 2>&1
    local status=$?
    # The uninstaller copies itself to %TEMP% and goes on from there.
    wineserver -w
    return "$status"
}

# The exact command line the entry (by default "Velmarit") gives, run as
# Windows runs it.
run_quiet_uninstall() {
    local command
    command=$(reg_value QuietUninstallString "${1:-$key}")
    [ -n "$command" ] || return 1
    printf '@%s\r\n' "$command" >"$work/uninstall.cmd"
    run_silently cmd /c "$(win_path "$work/uninstall.cmd")"
}

# A clean start: no earlier install in this prefix.
if reg_key_exists; then
    run_quiet_uninstall
fi
rm -rf "$install_dir" "$start_menu_link" "$desktop_link"
(cd "$work/zip" && cmake -E tar xf "$zip") || fail "could not unpack $zip"

# --- silent install
check "the installer ends with status 0 on /S" run_silently "$setup" /S
for file in "${files[@]}"; do
    check "installed $file, the same bytes as in the zip" cmp -s "$work/zip/$file" "$install_dir/$file"
done
check "installed the uninstaller" test -f "$install_dir/Deinstallieren.exe"
exe_windows=$(win_path "$install_dir/velmarit.exe")
for link in "Start menu|$start_menu_link" "desktop|$desktop_link"; do
    target=$([ -f "${link#*|}" ] && link_target "${link#*|}")
    check "${link%%|*} shortcut \"Velmarit\" points to $exe_windows (read '$target')" \
        test "${target,,}" = "${exe_windows,,}"
done
check "no shortcut to velmarit-tabelle.exe" \
    bash -c "! grep -rl --include='*.lnk' -a 'velmarit-tabelle' '$profile' >/dev/null"

# The "Apps & Features" entry, value by value.
install_windows=$(win_path "$install_dir")
uninstaller="\"$install_windows\\Deinstallieren.exe\""
entries=(
    "DisplayName|Velmarit"
    "DisplayVersion|$version"
    "Publisher|$publisher"
    "DisplayIcon|$install_windows\\velmarit.exe,0"
    "UninstallString|$uninstaller"
    "QuietUninstallString|$uninstaller /S"
    "NoModify|0x1"
    "NoRepair|0x1"
)
for entry in "${entries[@]}"; do
    name=${entry%%|*}
    want=${entry#*|}
    got=$(reg_value "$name")
    check "registry $name is '$want' (read '$got')" test "${got,,}" = "${want,,}"
done
# EstimatedSize counts KiB: at least what the programs take, at most twice.
size=$(( $(reg_value EstimatedSize) ))
files_kib=$(( $(cat "${files[@]/#/$install_dir/}" | wc -c) / 1024 ))
check "registry EstimatedSize $size KiB fits the $files_kib KiB installed" \
    test "$size" -ge "$files_kib" -a "$size" -le $((2 * files_kib))

# --- the installed program, started from the shortcut's target
ini="$install_dir/Velmarit.ini"
appdata_ini="$profile/AppData/Roaming/Velmarit/Velmarit.ini"
rm -f "$appdata_ini"
target=$(link_target "$start_menu_link")
program=$(wine winepath -u "$target" 2>/dev/null | tr -d '\r')
window=
start_program() {
    (cd "$work" && exec wine "$program") >"$work/app.log" 2>&1 &
    app_pid=$!
    window=$(xsession_wait_window --name '^ Velmarit für märklin-Digital$' --timeout 300) ||
        fail "the installed program showed no window ($(cat "$work/app.log"))"
    sleep 1
}

start_program
check "the shortcut's target starts Velmarit" test -n "$window"
xdotool windowmove --sync "$window" 160 120 >/dev/null 2>&1
sleep 1
check "it closes on Alt+F4" close_program
check "it writes its position beside itself, in the install folder" test -f "$ini"
check "and not into %APPDATA%" test ! -e "$appdata_ini"
cp "$ini" "$work/moved.ini" 2>/dev/null
start_program
close_program
check "it reopens where it was closed" cmp -s "$work/moved.ini" "$ini"

# --- installing again (an upgrade in place) keeps the position
check "a second install over the first ends with status 0" run_silently "$setup" /S
check "the second install keeps Velmarit.ini" cmp -s "$work/moved.ini" "$ini"
check "still one entry, the same version" test "$(reg_value DisplayVersion)" = "$version"

# --- a later version over it, in place
check "the installer of $later_version over $version ends with status 0" run_silently "$later_setup" /S
check "the entry now shows version $later_version" test "$(reg_value DisplayVersion)" = "$later_version"
check "one entry only" test "$(velmarit_entries | grep -c .)" -eq 1
check "the upgrade keeps Velmarit.ini" cmp -s "$work/moved.ini" "$ini"
check "the upgrade leaves the programs in the same folder" test -f "$install_dir/velmarit.exe" -a -f "$install_dir/Deinstallieren.exe"

# A shortcut of the user's own, for later: a real one, to a program elsewhere.
cp "$start_menu_link" "$work/own.lnk" 2>/dev/null

# --- silent uninstall through the entry
check "QuietUninstallString runs with status 0" run_quiet_uninstall
check "the install folder is gone" test ! -e "$install_dir"
check "the Start-menu shortcut is gone" test ! -e "$start_menu_link"
check "the desktop shortcut is gone" test ! -e "$desktop_link"
check "the uninstall entry is gone" no_entries

# The folder goes last, unquoted, as NSIS reads /D=; cmd reads its script in
# the console's code page.
run_setup_into() {
    local setup_exe=$1 folder=$2
    shift 2
    printf '@"%s" /S %s /D=%s\r\n' "$(win_path "$setup_exe")" "$*" "$(win_path "$folder")" |
        iconv -f UTF-8 -t CP850 >"$work/setup.cmd" || return 1
    run_silently cmd /c "$(win_path "$work/setup.cmd")"
}
links_point_to() {
    local link target
    for link in "$start_menu_link" "$desktop_link"; do
        [ -f "$link" ] || return 1
        target=$(link_target "$link")
        [ "${target,,}" = "${1,,}" ] || return 1
    done
}

first_files_kept() {
    local file
    for file in "${files[@]}"; do
        cmp -s "$work/zip/$file" "$install_dir/$file" || return 1
    done
    test -f "$install_dir/Deinstallieren.exe"
}

# --- two copies: the second install makes the shortcuts its own, and each
# copy has an entry of its own in "Apps & Features".
second="$WINEPREFIX/drive_c/Andere/Velmarit"
second_windows='C:\Andere\Velmarit'
second_exe="$second_windows\velmarit.exe"
two_copies() {
    rm -rf "$second"
    check "$1: a first copy in the default folder" run_silently "$setup" /S
    check "$1: a second copy in $second_windows" run_setup_into "$setup" "$second"
    check "$1: both shortcuts now start the second copy" links_point_to "$second_exe"
    check "$1: the entry \"Velmarit\" is still the first copy's" \
        entry_is "$key" InstallLocation "$install_windows"
    second_key=$(entry_of "$second_windows")
    check "$1: the second copy has an entry of its own ('$second_key')" \
        test -n "$second_key" -a "${second_key##*\\}" != Velmarit
    check "$1: which names its folder" entry_is "$second_key" DisplayName "Velmarit ($second_windows)"
    check "$1: and starts its own uninstaller" \
        entry_is "$second_key" QuietUninstallString "\"$second_windows\\Deinstallieren.exe\" /S"
}

# The first copy uninstalled first leaves the shortcuts to the second, whose
# entry becomes "Velmarit", the one a later version's installer upgrades.
two_copies "first, then second"
check "the first copy's uninstaller runs with status 0" run_silently "$install_dir/Deinstallieren.exe" /S
check "the first copy is gone" test ! -e "$install_dir"
check "both shortcuts are left, still starting the second copy" links_point_to "$second_exe"
check "the second copy's entry is now \"Velmarit\"" entry_is "$key" InstallLocation "$second_windows"
check "under its plain name" entry_is "$key" DisplayName "Velmarit"
check "and it is the only one" test "$(velmarit_entries | grep -c .)" -eq 1
check "the second copy's uninstall through the entry runs with status 0" run_quiet_uninstall
check "now both shortcuts are gone" test ! -e "$start_menu_link" -a ! -e "$desktop_link"
check "and so is the second copy" test ! -e "$second"
check "and the entry" no_entries

# The second copy uninstalled first: the first keeps its entry and gets its
# shortcuts back.
two_copies "second, then first"
check "the second copy's uninstall through its own entry runs with status 0" \
    run_quiet_uninstall "$second_key"
check "the second copy is gone" test ! -e "$second"
check "the first copy is whole" first_files_kept
check "both shortcuts are back, starting the first copy" links_point_to "$exe_windows"
check "the first copy keeps its entry" entry_is "$key" InstallLocation "$install_windows"
check "and it is the only one" test "$(velmarit_entries | grep -c .)" -eq 1
check "the first copy's uninstall through the entry runs with status 0" run_quiet_uninstall
check "now both shortcuts are gone" test ! -e "$start_menu_link" -a ! -e "$desktop_link"
check "and so is the first copy" test ! -e "$install_dir"
check "and every entry" no_entries

# --- into a folder the user shares with other programs, without the desktop
# shortcut: whatever was there before, and a desktop "Velmarit.lnk" of the
# user's own, outlives the install, an upgrade and the uninstall unchanged.
shared="$profile/Eigene Programme/Gleispläne und Texte"
rm -rf "$shared"
mkdir -p "$shared" "$work/before"
printf 'Liesmich eines anderen Programms\r\n' >"$shared/LIESMICH.txt"
printf 'Lizenz eines anderen Programms\r\n' >"$shared/LIZENZ.txt"
printf 'Weiche 12 klemmt\r\n' >"$shared/Notizen.txt"
cp -a "$shared/." "$work/before/"
[ -f "$work/own.lnk" ] || printf 'L\0\0\0' >"$work/own.lnk"
cp "$work/own.lnk" "$desktop_link"
user_files_kept() {
    local file
    for file in "$work/before"/*; do
        cmp -s "$file" "$shared/${file##*/}" || return 1
    done
}
check "installing into the shared folder with /NODESKTOP ends with status 0" run_setup_into "$setup" "$shared" /NODESKTOP
check "the programs are installed there" \
    bash -c "cmp -s '$work/zip/velmarit.exe' '$shared/velmarit.exe' && cmp -s '$work/zip/velmarit-tabelle.exe' '$shared/velmarit-tabelle.exe'"
check "the user's LIESMICH.txt, LIZENZ.txt and Notizen.txt keep their bytes" user_files_kept
check "the entry's uninstaller is the shared folder's" \
    test -f "$shared/Deinstallieren.exe" -a -n "$(reg_value QuietUninstallString)"
check "no desktop shortcut is made: the user's own keeps its bytes" cmp -s "$work/own.lnk" "$desktop_link"
check "the installer of $later_version upgrades it in place with status 0" run_silently "$later_setup" /S
check "the upgrade is in the shared folder" test "$(reg_value DisplayVersion)" = "$later_version" -a -f "$shared/velmarit.exe"
check "the upgrade keeps the choice of no desktop shortcut" cmp -s "$work/own.lnk" "$desktop_link"
check "the upgrade keeps the user's files" user_files_kept
check "its uninstall runs with status 0" run_quiet_uninstall
check "exactly the user's files are left in the shared folder, with their bytes" diff -r "$work/before" "$shared"
check "the user's own desktop shortcut is left, with its bytes" cmp -s "$work/own.lnk" "$desktop_link"
check "the Start-menu shortcut is gone" test ! -e "$start_menu_link"
check "the uninstall entry is gone" no_entries

# --- a folder holding another program's Deinstallieren.exe: refused, as it is
other="$profile/Anderes Programm"
rm -rf "$other"
mkdir -p "$other" "$work/other"
printf 'MZ eines anderen Programms' >"$other/Deinstallieren.exe"
cp -a "$other/." "$work/other/"
refused() { ! run_setup_into "$setup" "$other" /NODESKTOP; }
check "the installer refuses a folder with another program's uninstaller" refused
check "and leaves that folder as it was" diff -r "$work/other" "$other"
check "and makes no entry" no_entries

# --- the user's language. Wine takes the Windows display language from the
# locale a program starts in (the locales made beside the prefix). Each
# install goes over the one before, made in another language, and the last
# is uninstalled in yet another: the names of files, shortcuts and entry are
# the same in every language.
# LOCALE|the language of texts/ the installer is to speak there
languages=(
    "fr_FR|fr"
    "en_GB|en"
    "de_DE|de"
    "it_IT|de"  # a language the installer does not have: German
    "nl_NL|nl"  # the later version, an upgrade in another language
)
in_locale() {
    local locale=$1.UTF-8
    shift
    [ -d "$LOCPATH/$locale" ] || { echo "no locale $locale" >&2; return 1; }
    LC_ALL=$locale "$@"
}
# The entry's Comments, as Unicode (reg query writes the console's code page).
entry_comments() {
    rm -f "$work/entry.reg"
    wine reg export "$key" "$(win_path "$work/entry.reg")" /y >/dev/null 2>&1 &&
        /usr/bin/python3 "$here/readback.py" value "$work/entry.reg" Comments
}
# Whether the entry and both shortcuts describe Velmarit in language $1.
speaks() {
    local want link
    want=$(/usr/bin/python3 "$here/readback.py" text "$texts" "$1" desktop.comment) || return 1
    [ "$(entry_comments)" = "$want" ] || return 1
    for link in "$start_menu_link" "$desktop_link"; do
        [ "$(link_description "$link")" = "$want" ] || return 1
    done
}
previous=
for case in "${languages[@]}"; do
    locale=${case%%|*}
    lang=${case#*|}
    installer=$setup installed=$version
    if [ "$case" = "${languages[-1]}" ]; then
        installer=$later_setup installed=$later_version
    fi
    check "$locale: the silent install of $installed${previous:+ over the $previous one} ends with status 0" \
        in_locale "$locale" run_silently "$installer" /S
    check "$locale: the entry and the shortcuts speak '$lang'" speaks "$lang"
    check "$locale: one entry, of $installed" \
        test "$(velmarit_entries | grep -c .)" -eq 1 -a "$(reg_value DisplayVersion)" = "$installed"
    check "$locale: both shortcuts start that copy" links_point_to "$exe_windows"
    previous=$locale
done
check "fr_FR: uninstalling the $previous install ends with status 0" in_locale fr_FR run_quiet_uninstall
check "fr_FR: and leaves nothing of it" \
    test ! -e "$install_dir" -a ! -e "$start_menu_link" -a ! -e "$desktop_link"
check "fr_FR: and no entry" no_entries

# The pages themselves: the title of a French installer's window is NSIS's
# French one.
(in_locale fr_FR wine "$setup" >/dev/null 2>&1 &)
window=$(xsession_wait_window --name '^Installation de Velmarit ' --timeout 300)
check "the French installer's window is titled in French ('$(xdotool getwindowname "$window" 2>/dev/null)')" \
    test -n "$window"
wineserver -k 2>/dev/null
wineserver -w 2>/dev/null

checks_done "installer under Wine"
