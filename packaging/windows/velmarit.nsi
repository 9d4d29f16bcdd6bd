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

# What the installer writes, listed once for installing and removing.
!macro VELMARIT_FILES action
    ${action} "velmarit.exe"
    ${action} "velmarit-tabelle.exe"
    ${action} "LIESMICH.txt"
    ${action} "LIZENZ.txt"
    ${action} "LIZENZEN-Qt.txt"
!macroend
!macro INSTALL_FILE name
    File "${STAGE}\${name}"
!macroend
!macro REMOVE_FILE name
    Delete "$INSTDIR\${name}"
!macroend
!define INSTALL_FILE "!insertmacro INSTALL_FILE"
!define REMOVE_FILE "!insertmacro REMOVE_FILE"

Section "Velmarit" SecProgram
    SectionIn RO
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    !insertmacro VELMARIT_FILES "${INSTALL_FILE}"
    WriteUninstaller "$INSTDIR\Deinstallieren.exe"

    # Start menu: the window program only; velmarit-tabelle belongs to the
    # command prompt.
    CreateShortcut "$SMPROGRAMS\Velmarit.lnk" "$INSTDIR\velmarit.exe" "" "$INSTDIR\velmarit.exe" 0

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
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    !insertmacro VELMARIT_FILES "${REMOVE_FILE}"
    # The window position lives in the program's folder; with the program
    # gone it would only keep the folder alive.
    Delete "$INSTDIR\Velmarit.ini"
    Delete "$INSTDIR\Deinstallieren.exe"
    # Without /r: whatever else the user put there stays, and so does the folder.
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Velmarit.lnk"
    Delete "$DESKTOP\Velmarit.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
