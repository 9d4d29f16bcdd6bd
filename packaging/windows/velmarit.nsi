# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Windows installer, made by makensis (Debian's nsis) from the files
# staged for the zip; called by makesetup.cmake, which defines:
#   VERSION (2.0.3), VERSION_QUAD (2.0.0.3), FILE_VERSION_TEXT (2.00.0003),
#   STAGE (folder of the zip's files), OUTFILE, ICON, PUBLISHER, CONTACT,
#   ESTIMATED_KB (the installed size in KiB).
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

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmarit"

Name "Velmarit ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Velmarit"
# An earlier version is upgraded where it is.
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
!define MUI_LICENSEPAGE_TEXT_TOP "Velmarit ist freie Software unter der GNU General Public License (englischer Originaltext)."
!define MUI_LICENSEPAGE_TEXT_BOTTOM "Die Lizenz regelt das Weitergeben und Verändern. Zum Benutzen müssen Sie ihr nicht zustimmen."
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LIZENZ.txt"
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\velmarit.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Velmarit jetzt starten"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "German"

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
        DetailPrint "Nicht überschrieben: $INSTDIR\${name}"
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

Section "Velmarit" SecProgram
    SectionIn RO
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    !insertmacro VELMARIT_FILES "${INSTALL_FILE}"
    WriteUninstaller "$INSTDIR\Deinstallieren.exe"

    # Start menu: the window program only; velmarit-tabelle belongs to the
    # command prompt.
    CreateShortcut "$SMPROGRAMS\Velmarit.lnk" "$INSTDIR\velmarit.exe" "" "$INSTDIR\velmarit.exe" 0
    WriteINIStr "$INSTDIR\${RECORD}" "${RECORD_LINKS}" "Startmenue" 1
    # A desktop shortcut an earlier install made stays listed while it is
    # there; once the user has deleted it, the name is free for anyone's.
    ${IfNot} ${FileExists} "$DESKTOP\Velmarit.lnk"
        DeleteINIStr "$INSTDIR\${RECORD}" "${RECORD_LINKS}" "Desktop"
    ${EndIf}

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Velmarit"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\velmarit.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Deinstallieren.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Deinstallieren.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${ESTIMATED_KB}
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Verknüpfung auf dem Desktop" SecDesktop
    SetShellVarContext current
    CreateShortcut "$DESKTOP\Velmarit.lnk" "$INSTDIR\velmarit.exe" "" "$INSTDIR\velmarit.exe" 0
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
        MessageBox MB_ICONSTOP|MB_OK "In $INSTDIR liegt bereits ein Deinstallieren.exe, das nicht zu Velmarit gehört. Bitte installieren Sie Velmarit in einen anderen Ordner." /SD IDOK
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
# that copy's to keep. The folder is compared as written and, while both
# exist, by its short name, for one folder has many spellings.
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
        ${If} $3 == $INSTDIR
            StrCpy $0 1
        ${Else}
            GetFullPathName /SHORT $1 $3
            GetFullPathName /SHORT $2 $INSTDIR
            ${If} $1 != ""
            ${AndIf} $1 == $2
                StrCpy $0 1
            ${EndIf}
        ${EndIf}
    ${EndIf}
    Pop $3
    Pop $2
    Pop $1
    Exch $0
FunctionEnd

# Removes a shortcut this install made, when it still starts this copy.
!macro REMOVE_LINK path
    ${If} ${FileExists} "${path}"
        Push "${path}"
        Call un.PointsHere
        Pop $1
        ${If} $1 == 1
            Delete "${path}"
        ${EndIf}
    ${EndIf}
!macroend

Section "Uninstall"
    SetShellVarContext current
    # The shortcuts first, while the folder they may point to is whole.
    ReadINIStr $0 "$INSTDIR\${RECORD}" "${RECORD_LINKS}" "Startmenue"
    ${If} $0 == 1
    ${OrIfNot} ${FileExists} "$INSTDIR\${RECORD}"
        !insertmacro REMOVE_LINK "$SMPROGRAMS\Velmarit.lnk"
    ${EndIf}
    ReadINIStr $0 "$INSTDIR\${RECORD}" "${RECORD_LINKS}" "Desktop"
    ${If} $0 == 1
        !insertmacro REMOVE_LINK "$DESKTOP\Velmarit.lnk"
    ${EndIf}
    !insertmacro VELMARIT_FILES "${REMOVE_FILE}"
    # The window position lives in the program's folder; with the program
    # gone it would only keep the folder alive.
    Delete "$INSTDIR\Velmarit.ini"
    Delete "$INSTDIR\Deinstallieren.exe"
    Delete "$INSTDIR\${RECORD}"
    # Without /r: whatever else the user put there stays, and so does the folder.
    RMDir "$INSTDIR"
    # The entry is this folder's unless a later install elsewhere took it
    # over; that one's uninstaller is still in place. Asking the file system
    # rather than comparing paths, for one folder has many spellings.
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == ""
    ${OrIfNot} ${FileExists} "$0\Deinstallieren.exe"
        DeleteRegKey HKCU "${UNINSTALL_KEY}"
    ${EndIf}
SectionEnd
