# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Windows installer, made by makensis (Debian's nsis) from the files
# staged for the zip; called by makesetup.cmake, which defines:
#   VERSION (2.0.3), VERSION_QUAD (2.0.0.3), FILE_VERSION_TEXT (2.00.0003),
#   STAGE (folder of the zip's files), OUTFILE, ICON, PUBLISHER, CONTACT,
#   ESTIMATED_KB (the installed size in KiB), TEXTS (the languages and
#   Velmarit's texts in each, made from texts/*.json by localize.py).
#
# It installs for the current user only, without administrator rights, into
# %LOCALAPPDATA%\Programs\Velmarit. There the folder is the user's own, so
# velmarit.exe keeps its Velmarit.ini beside itself; an upgrade writes the
# programs over the old ones in place and never touches that file.

Unicode true
# Debian's Wine and every current Windows run the 64-bit stub.
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma
# The installed files get the time they are installed at; storing the build
# tree's times would make two builds of the same commit differ.
SetDateSave off
ManifestDPIAware true
# makensis marks the installer for ASLR (DYNAMIC_BASE, HIGH_ENTROPY_VA), but
# Debian's stub is linked without relocations, so Windows can never move it:
# the marks would only promise what the file cannot do. DEP (NX_COMPAT) it
# has for real.
PEDllCharacteristics 0 0x0060

# "Apps & Features" lists one entry per install folder, so that each copy
# in a folder of its own can be found and uninstalled there. The first copy's
# entry is "Velmarit", the only name an earlier installer's copies and
# uninstallers know; a copy in another folder while that one is still there
# gets "Velmarit-2", "Velmarit-3", ... The name of a folder's entry is kept
# in its record (below), for its uninstaller.
!define UNINSTALL_ROOT "Software\Microsoft\Windows\CurrentVersion\Uninstall"
!define ENTRY "Velmarit"
!define UNINSTALL_KEY "${UNINSTALL_ROOT}\${ENTRY}"

Name "Velmarit ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Velmarit"
# An earlier version is upgraded where it is; with copies in several folders,
# the one whose entry is "Velmarit".
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Velmarit ${VERSION}"

VIProductVersion "${VERSION_QUAD}"
VIFileVersion "${VERSION_QUAD}"

!include "MUI2.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

# The GPL grants rights and asks nothing of someone who only uses the
# program, so the page informs rather than asks for consent.
!define MUI_LICENSEPAGE_TEXT_TOP "$(installer.licenceTop)"
!define MUI_LICENSEPAGE_TEXT_BOTTOM "$(installer.licenceBottom)"
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LIZENZ.txt"
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\velmarit.exe"
!define MUI_FINISHPAGE_RUN_TEXT "$(installer.runNow)"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

# What a text's {folder} and {file} stand for.
Var folder
Var file
# The installer speaks the user's Windows display language when it has it,
# also with /S, and German otherwise: German is inserted first. Its pages'
# own texts come with NSIS's language files, Velmarit's as LangStrings.
# Only what people read is translated: the files, the shortcuts and the
# entry keep their names in every language, so that an install made in one
# language is upgraded and uninstalled in any other.
!include "${TEXTS}"

VIAddVersionKey /LANG=${LANG_GERMAN} "ProductName" "Velmarit"
VIAddVersionKey /LANG=${LANG_GERMAN} "ProductVersion" "${FILE_VERSION_TEXT}"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileDescription" "Velmarit-Installation"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileVersion" "${FILE_VERSION_TEXT}"
VIAddVersionKey /LANG=${LANG_GERMAN} "InternalName" "Velmarit-${VERSION}-win64-setup"
VIAddVersionKey /LANG=${LANG_GERMAN} "OriginalFilename" "Velmarit-${VERSION}-win64-setup.exe"
VIAddVersionKey /LANG=${LANG_GERMAN} "LegalCopyright" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_GERMAN} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_GERMAN} "Comments" "${CONTACT}"

!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "Sections.nsh"

# What this install wrote, kept beside the uninstaller: the folder may be one
# the user shares with other programs (/D=), and the desktop shortcut is the
# user's choice, so the uninstaller removes what is listed here and nothing
# else of the same names. One INI file per install folder, so that a second
# install elsewhere keeps its own list.
!define RECORD "Deinstallieren.ini"
!define RECORD_FILES "Dateien"
!define RECORD_LINKS "Verknuepfungen"
!define RECORD_ENTRY "Eintrag"
!define RECORD_ENTRY_NAME "Schluessel"

# The name of this folder's entry under UNINSTALL_ROOT.
Var entry

# What the installer writes, listed once for installing and removing. The
# programs are written over whatever has their names (the install needs
# them, and a velmarit.exe there is Velmarit's); a text of the same name that
# this install did not write belongs to someone else and is left as it is.
!macro VELMARIT_FILES action
    ${action} program "velmarit.exe"
    ${action} program "velmarit-tabelle.exe"
    ${action} text "LIESMICH.txt"
    ${action} text "LIZENZ.txt"
    ${action} text "LIZENZEN-Qt.txt"
!macroend
!macro INSTALL_FILE kind name
    !if "${kind}" == "program"
        StrCpy $R0 1
    !else
        Push "${name}"
        Call MayWrite
        Pop $R0
    !endif
    ${If} $R0 == 1
        File "${STAGE}\${name}"
        WriteINIStr "$INSTDIR\${RECORD}" "${RECORD_FILES}" "${name}" 1
    ${Else}
        StrCpy $file "$INSTDIR\${name}"
        DetailPrint "$(installer.notOverwritten)"
    ${EndIf}
!macroend
!macro REMOVE_FILE kind name
    ReadINIStr $R0 "$INSTDIR\${RECORD}" "${RECORD_FILES}" "${name}"
    ${If} $R0 == 1
        Delete "$INSTDIR\${name}"
    !if "${kind}" == "program"
    ${ElseIfNot} ${FileExists} "$INSTDIR\${RECORD}"
        # Without its list the uninstaller still knows what every install
        # writes: the programs.
        Delete "$INSTDIR\${name}"
    !endif
    ${EndIf}
!macroend
!define INSTALL_FILE "!insertmacro INSTALL_FILE"
!define REMOVE_FILE "!insertmacro REMOVE_FILE"

# Pushes 1 when the two folders pushed before are one: the same as written
# or, while both exist, by their short names, for one folder has many
# spellings.
!macro SAME_FOLDER_FUNCTION un
Function ${un}SameFolder
    Exch $0
    Exch
    Exch $1
    Push $2
    Push $3
    ${If} $0 == $1
        StrCpy $0 1
    ${Else}
        GetFullPathName /SHORT $2 $0
        GetFullPathName /SHORT $3 $1
        ${If} $2 != ""
        ${AndIf} $2 == $3
            StrCpy $0 1
        ${Else}
            StrCpy $0 0
        ${EndIf}
    ${EndIf}
    Pop $3
    Pop $2
    Pop $1
    Exch $0
FunctionEnd
!macroend
!insertmacro SAME_FOLDER_FUNCTION ""
!insertmacro SAME_FOLDER_FUNCTION "un."

# The shortcut every install makes, to the window program in a folder; the
# folder is its working folder too. Its description is the menu entry's.
!macro MAKE_LINK path folder
    SetOutPath "${folder}"
    CreateShortcut "${path}" "${folder}\velmarit.exe" "" "${folder}\velmarit.exe" 0 \
        SW_SHOWNORMAL "" "$(desktop.comment)"
!macroend

# An install made before the list existed wrote every file of its version:
# what has those names in its folder is Velmarit's. The uninstall entry names
# that folder.
Var legacyInstall
Function FindLegacyInstall
    StrCpy $legacyInstall 0
    ${IfNot} ${FileExists} "$INSTDIR\${RECORD}"
        ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
        ${If} $0 != ""
        ${AndIf} $0 == $INSTDIR
        ${AndIf} ${FileExists} "$INSTDIR\Deinstallieren.exe"
            StrCpy $legacyInstall 1
        ${EndIf}
    ${EndIf}
FunctionEnd

# Pushes 1 when the text of this name (on the stack) may be written: the
# name is free, or an earlier install here wrote the file.
Function MayWrite
    Exch $0
    ${IfNot} ${FileExists} "$INSTDIR\$0"
        StrCpy $0 1
    ${ElseIf} $legacyInstall == 1
        StrCpy $0 1
    ${Else}
        ReadINIStr $0 "$INSTDIR\${RECORD}" "${RECORD_FILES}" "$0"
        ${If} $0 != 1
            StrCpy $0 0
        ${EndIf}
    ${EndIf}
    Exch $0
FunctionEnd

# Sets $entry to the name of this install's entry: the one this folder had
# before (an earlier installer's copy, whose record names none, "Velmarit"),
# unless that names another copy that is still there; then the first name
# of "Velmarit-2", "Velmarit-3", ... that names no other living copy. A
# name whose copy is gone (its folder deleted by hand) is free again.
Function ChooseEntry
    Push $0
    Push $1
    ReadINIStr $entry "$INSTDIR\${RECORD}" "${RECORD_ENTRY}" "${RECORD_ENTRY_NAME}"
    ${If} $entry == ""
        StrCpy $entry "${ENTRY}"
    ${EndIf}
    StrCpy $1 1
    ${Do}
        ReadRegStr $0 HKCU "${UNINSTALL_ROOT}\$entry" "InstallLocation"
        ${If} $0 == ""
            ${Break}
        ${EndIf}
        ${IfNot} ${FileExists} "$0\Deinstallieren.exe"
            ${Break}
        ${EndIf}
        Push $0
        Push $INSTDIR
        Call SameFolder
        Pop $0
        ${If} $0 == 1
            ${Break}
        ${EndIf}
        IntOp $1 $1 + 1
        StrCpy $entry "${ENTRY}-$1"
    ${Loop}
    Pop $1
    Pop $0
FunctionEnd

Section "Velmarit" SecProgram
    SectionIn RO
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    !insertmacro VELMARIT_FILES "${INSTALL_FILE}"
    WriteUninstaller "$INSTDIR\Deinstallieren.exe"

    # Start menu: the window program only; velmarit-tabelle belongs to the
    # command prompt.
    !insertmacro MAKE_LINK "$SMPROGRAMS\Velmarit.lnk" "$INSTDIR"
    WriteINIStr "$INSTDIR\${RECORD}" "${RECORD_LINKS}" "Startmenue" 1
    # A desktop shortcut an earlier install made stays listed while it is
    # there; once the user has deleted it, the name is free for anyone's.
    ${IfNot} ${FileExists} "$DESKTOP\Velmarit.lnk"
        DeleteINIStr "$INSTDIR\${RECORD}" "${RECORD_LINKS}" "Desktop"
    ${EndIf}

    Call ChooseEntry
    WriteINIStr "$INSTDIR\${RECORD}" "${RECORD_ENTRY}" "${RECORD_ENTRY_NAME}" "$entry"
    StrCpy $0 "${UNINSTALL_ROOT}\$entry"
    # Two entries of the same name would leave the user guessing which is which.
    ${If} $entry == "${ENTRY}"
        WriteRegStr HKCU $0 "DisplayName" "Velmarit"
    ${Else}
        WriteRegStr HKCU $0 "DisplayName" "Velmarit ($INSTDIR)"
    ${EndIf}
    WriteRegStr HKCU $0 "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU $0 "Comments" "$(desktop.comment)"
    WriteRegStr HKCU $0 "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU $0 "DisplayIcon" "$INSTDIR\velmarit.exe,0"
    WriteRegStr HKCU $0 "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU $0 "UninstallString" '"$INSTDIR\Deinstallieren.exe"'
    WriteRegStr HKCU $0 "QuietUninstallString" '"$INSTDIR\Deinstallieren.exe" /S'
    WriteRegDWORD HKCU $0 "EstimatedSize" ${ESTIMATED_KB}
    WriteRegDWORD HKCU $0 "NoModify" 1
    WriteRegDWORD HKCU $0 "NoRepair" 1
SectionEnd

Section "$(installer.desktopShortcut)" SecDesktop
    SetShellVarContext current
    !insertmacro MAKE_LINK "$DESKTOP\Velmarit.lnk" "$INSTDIR"
    WriteINIStr "$INSTDIR\${RECORD}" "${RECORD_LINKS}" "Desktop" 1
SectionEnd

# A folder that holds another program's Deinstallieren.exe is no place for
# Velmarit: its uninstaller would take that one's place. Nothing is written
# then. The desktop shortcut is ticked unless the command line says
# /NODESKTOP or the install being upgraded was made without it: an upgrade
# keeps the choice made before.
Function .onInit
    Call FindLegacyInstall
    ${If} ${FileExists} "$INSTDIR\Deinstallieren.exe"
    ${AndIfNot} ${FileExists} "$INSTDIR\${RECORD}"
    ${AndIf} $legacyInstall == 0
        StrCpy $folder $INSTDIR
        MessageBox MB_ICONSTOP|MB_OK "$(installer.foreignUninstaller)" /SD IDOK
        SetErrorLevel 2
        Quit
    ${EndIf}
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/NODESKTOP" $1
    ${IfNot} ${Errors}
        !insertmacro UnselectSection ${SecDesktop}
        Return
    ${EndIf}
    ${If} ${FileExists} "$INSTDIR\${RECORD}"
        ReadINIStr $1 "$INSTDIR\${RECORD}" "${RECORD_LINKS}" "Desktop"
        ${If} $1 != 1
            !insertmacro UnselectSection ${SecDesktop}
        ${EndIf}
    ${EndIf}
FunctionEnd

# Pushes 1 when the shortcut named on the stack starts a program in the
# folder being uninstalled. Every install writes the same two shortcuts, so
# an install elsewhere after this one has made them its own; they are then
# that copy's to keep.
Function un.PointsHere
    Exch $0
    Push $1
    Push $2
    Push $3
    StrCpy $3 ""
    # IShellLinkW through COM, which the installer's runtime has started:
    # CLSID_ShellLink, IID_IShellLinkW, then IPersistFile::Load (vtable
    # slot 5) and IShellLinkW::GetPath (slot 3).
    System::Call "ole32::CoCreateInstance(g '{00021401-0000-0000-C000-000000000046}', p 0, i 1, g '{000214F9-0000-0000-C000-000000000046}', *p .r1) i .r2"
    ${If} $2 = 0
        System::Call "$1->0(g '{0000010B-0000-0000-C000-000000000046}', *p .r2) i .r3"
        ${If} $3 = 0
            System::Call "$2->5(w r0, i 0) i .r3"
            ${If} $3 = 0
                System::Call "$1->3(w .r3, i ${NSIS_MAX_STRLEN}, p 0, i 0)"
            ${Else}
                StrCpy $3 ""
            ${EndIf}
            System::Call "$2->2()"
        ${Else}
            StrCpy $3 ""
        ${EndIf}
        System::Call "$1->2()"
    ${EndIf}
    StrCpy $0 0
    ${If} $3 != ""
        ${un.GetParent} $3 $3
        Push $3
        Push $INSTDIR
        Call un.SameFolder
        Pop $0
    ${EndIf}
    Pop $3
    Pop $2
    Pop $1
    Exch $0
FunctionEnd

# Removes a shortcut this install made, when it still starts this copy,
# and then sets `removed` to 1.
!macro REMOVE_LINK path removed
    ${If} ${FileExists} "${path}"
        Push "${path}"
        Call un.PointsHere
        Pop $1
        ${If} $1 == 1
            Delete "${path}"
            StrCpy ${removed} 1
        ${EndIf}
    ${EndIf}
!macroend

# Pushes the folder of a copy that is still installed, or "": the one of the
# entry "Velmarit" first, else the first other entry of Velmarit's whose
# uninstaller is in place.
Function un.LivingCopy
    Push $0
    Push $1
    Push $2
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == ""
    ${OrIfNot} ${FileExists} "$0\Deinstallieren.exe"
        StrCpy $0 ""
        StrCpy $1 0
        ${Do}
            EnumRegKey $2 HKCU "${UNINSTALL_ROOT}" $1
            ${If} $2 == ""
                ${Break}
            ${EndIf}
            IntOp $1 $1 + 1
            StrCpy $0 $2 9
            ${If} $0 == "${ENTRY}-"
                ReadRegStr $0 HKCU "${UNINSTALL_ROOT}\$2" "InstallLocation"
                ${If} $0 != ""
                ${AndIf} ${FileExists} "$0\Deinstallieren.exe"
                    ${Break}
                ${EndIf}
            ${EndIf}
            StrCpy $0 ""
        ${Loop}
    ${EndIf}
    Pop $2
    Pop $1
    Exch $0
FunctionEnd

# After the copy of the entry "Velmarit" is gone, another copy's entry
# takes that name, so that a later version's installer finds a copy to
# upgrade (InstallDirRegKey) and the entry keeps its plain name. Only an
# entry whose copy's record names it moves: that copy's uninstaller reads
# the new name from there.
!macro MOVE_ENTRY_VALUE type from name
    ClearErrors
    ReadReg${type} $3 HKCU "${from}" "${name}"
    ${IfNot} ${Errors}
        WriteReg${type} HKCU "${UNINSTALL_KEY}" "${name}" $3
    ${EndIf}
!macroend
Function un.PromoteEntry
    Push $0
    Push $1
    Push $2
    Push $3
    StrCpy $1 0
    ${Do}
        EnumRegKey $2 HKCU "${UNINSTALL_ROOT}" $1
        ${If} $2 == ""
            ${Break}
        ${EndIf}
        IntOp $1 $1 + 1
        StrCpy $0 $2 9
        ${If} $0 != "${ENTRY}-"
            ${Continue}
        ${EndIf}
        ReadRegStr $0 HKCU "${UNINSTALL_ROOT}\$2" "InstallLocation"
        ${If} $0 == ""
        ${OrIfNot} ${FileExists} "$0\Deinstallieren.exe"
            ${Continue}
        ${EndIf}
        ReadINIStr $3 "$0\${RECORD}" "${RECORD_ENTRY}" "${RECORD_ENTRY_NAME}"
        ${If} $3 != $2
            ${Continue}
        ${EndIf}
        StrCpy $2 "${UNINSTALL_ROOT}\$2"
        WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Velmarit"
        !insertmacro MOVE_ENTRY_VALUE Str $2 "DisplayVersion"
        !insertmacro MOVE_ENTRY_VALUE Str $2 "Comments"
        !insertmacro MOVE_ENTRY_VALUE Str $2 "Publisher"
        !insertmacro MOVE_ENTRY_VALUE Str $2 "DisplayIcon"
        !insertmacro MOVE_ENTRY_VALUE Str $2 "InstallLocation"
        !insertmacro MOVE_ENTRY_VALUE Str $2 "UninstallString"
        !insertmacro MOVE_ENTRY_VALUE Str $2 "QuietUninstallString"
        !insertmacro MOVE_ENTRY_VALUE DWORD $2 "EstimatedSize"
        !insertmacro MOVE_ENTRY_VALUE DWORD $2 "NoModify"
        !insertmacro MOVE_ENTRY_VALUE DWORD $2 "NoRepair"
        WriteINIStr "$0\${RECORD}" "${RECORD_ENTRY}" "${RECORD_ENTRY_NAME}" "${ENTRY}"
        DeleteRegKey HKCU $2
        ${Break}
    ${Loop}
    Pop $3
    Pop $2
    Pop $1
    Pop $0
FunctionEnd

# The shortcuts this uninstall removed started this copy because it was
# installed last; a copy that is still there gets them back, as far as its
# own record lists them (an install from before the record made the
# Start-menu entry). A shortcut of the name that is there already stays.
!macro HAND_BACK_LINK path recordName withoutRecord removed folder
    ${If} ${removed} == 1
    ${AndIfNot} ${FileExists} "${path}"
        ReadINIStr $1 "${folder}\${RECORD}" "${RECORD_LINKS}" "${recordName}"
        ${IfNot} ${FileExists} "${folder}\${RECORD}"
            StrCpy $1 ${withoutRecord}
        ${EndIf}
        ${If} $1 == 1
            !insertmacro MAKE_LINK "${path}" "${folder}"
        ${EndIf}
    ${EndIf}
!macroend

Section "Uninstall"
    SetShellVarContext current
    # This folder's entry; an earlier installer's copy, whose record names
    # none, has "Velmarit".
    ReadINIStr $entry "$INSTDIR\${RECORD}" "${RECORD_ENTRY}" "${RECORD_ENTRY_NAME}"
    ${If} $entry == ""
        StrCpy $entry "${ENTRY}"
    ${EndIf}
    # The shortcuts first, while the folder they may point to is whole.
    StrCpy $R8 0
    StrCpy $R9 0
    ReadINIStr $0 "$INSTDIR\${RECORD}" "${RECORD_LINKS}" "Startmenue"
    ${If} $0 == 1
    ${OrIfNot} ${FileExists} "$INSTDIR\${RECORD}"
        !insertmacro REMOVE_LINK "$SMPROGRAMS\Velmarit.lnk" $R8
    ${EndIf}
    ReadINIStr $0 "$INSTDIR\${RECORD}" "${RECORD_LINKS}" "Desktop"
    ${If} $0 == 1
        !insertmacro REMOVE_LINK "$DESKTOP\Velmarit.lnk" $R9
    ${EndIf}
    !insertmacro VELMARIT_FILES "${REMOVE_FILE}"
    # The window position lives in the program's folder; with the program
    # gone it would only keep the folder alive.
    Delete "$INSTDIR\Velmarit.ini"
    Delete "$INSTDIR\Deinstallieren.exe"
    Delete "$INSTDIR\${RECORD}"
    # Without /r: whatever else the user put there stays, and so does the folder.
    RMDir "$INSTDIR"
    # The entry is this folder's unless an install elsewhere took it over
    # (an earlier installer did); that one's uninstaller is still in place. Asking the file system rather
    # than comparing paths, for one folder has many spellings.
    ReadRegStr $0 HKCU "${UNINSTALL_ROOT}\$entry" "InstallLocation"
    ${If} $0 == ""
    ${OrIfNot} ${FileExists} "$0\Deinstallieren.exe"
        DeleteRegKey HKCU "${UNINSTALL_ROOT}\$entry"
        ${If} $entry == "${ENTRY}"
            Call un.PromoteEntry
        ${EndIf}
    ${EndIf}
    ${If} $R8 == 1
    ${OrIf} $R9 == 1
        Call un.LivingCopy
        Pop $0
        ${If} $0 != ""
            !insertmacro HAND_BACK_LINK "$SMPROGRAMS\Velmarit.lnk" "Startmenue" 1 $R8 $0
            !insertmacro HAND_BACK_LINK "$DESKTOP\Velmarit.lnk" "Desktop" 0 $R9 $0
        ${EndIf}
    ${EndIf}
SectionEnd
