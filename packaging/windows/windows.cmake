# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Windows build (preset "windows", see scripts/windows): every program
# linked statically, so that velmarit.exe and velmarit-tabelle.exe need no
# DLL beside them; both carry the version resource, the icon and a manifest;
# and the downloads Velmarit-<version>-win64.zip and
# Velmarit-<version>-win64-setup.exe. Included from the top-level
# CMakeLists.txt before the targets exist; the per-program steps run at the
# end of the top-level directory, when they do.

enable_language(RC)
# Qt, the C++ runtime and the thread library all go into the .exe.
add_link_options(-static $<$<CONFIG:Release>:-s>)
# Qt is built with a section per function and datum; the link keeps only
# what is reached from the program, and the program's own code does the same.
add_compile_options(-ffunction-sections -fdata-sections)
add_link_options($<$<CONFIG:Release>:-Wl,--gc-sections>)
# The same program from any folder: no build path may reach the binaries
# (through __FILE__, say), or two clones would build different bytes. The
# link time and the zip's times come from SOURCE_DATE_EPOCH, the last
# commit's time (scripts/windows sets it). A commit that changes no source
# still changes that time, so the programs and the downloads depend on a
# file holding it: without that, a tree built at an earlier commit would
# keep the earlier time, and a fresh clone of the same commit would not.
set(VELMARIT_SOURCE_DATE_FILE ${PROJECT_BINARY_DIR}/windows/source-date-epoch)
file(CONFIGURE OUTPUT ${VELMARIT_SOURCE_DATE_FILE} CONTENT "$ENV{SOURCE_DATE_EPOCH}\n")

set(VELMARIT_WINDOWS_DIR ${CMAKE_CURRENT_LIST_DIR})
# Found here, before any directory is read: the installer tests build a
# second installer with it too, and a fresh tree must know it then.
find_program(VELMARIT_MAKENSIS makensis REQUIRED)
# Python makes the installer's texts and packs the zip.
find_program(VELMARIT_PYTHON3 NAMES python3 REQUIRED NO_CMAKE_FIND_ROOT_PATH
             PATHS /usr/bin NO_DEFAULT_PATH)

# FileVersion as Windows tools have always shown it: 2.00.0003 for 2.0.3.
function(velmarit_file_version_text out)
    set(text "${PROJECT_VERSION_MAJOR}")
    foreach(part MINOR:2 PATCH:4)
        string(REPLACE ":" ";" part "${part}")
        list(GET part 0 name)
        list(GET part 1 width)
        set(value "${PROJECT_VERSION_${name}}")
        string(LENGTH "${value}" digits)
        while(digits LESS width)
            string(PREPEND value "0")
            math(EXPR digits "${digits} + 1")
        endwhile()
        string(APPEND text ".${value}")
    endforeach()
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Compiles the version resource, icon and manifest into `target`.
function(velmarit_windows_resource target description)
    velmarit_file_version_text(VELMARIT_FILE_VERSION_TEXT)
    foreach(name COPYRIGHT_HOLDER CONTACT)
        # Resource scripts escape a quote by doubling it.
        string(REPLACE "\"" "\"\"" value "${VELMARIT_${name}}")
        string(REPLACE "\n" " " value "${value}")
        set(VELMARIT_${name}_RC "${value}")
    endforeach()
    set(VELMARIT_RC_NAME ${target})
    set(VELMARIT_RC_DESCRIPTION "${description}")
    set(VELMARIT_ICO_FILE ${PROJECT_SOURCE_DIR}/packaging/icons/velmarit.ico)
    set(VELMARIT_MANIFEST_FILE ${VELMARIT_WINDOWS_DIR}/velmarit.manifest)
    set(rc ${PROJECT_BINARY_DIR}/windows/${target}.rc)
    configure_file(${VELMARIT_WINDOWS_DIR}/versioninfo.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
    # windres does not see the files the script names.
    set_source_files_properties(${rc} TARGET_DIRECTORY ${target} PROPERTIES
        OBJECT_DEPENDS "${VELMARIT_ICO_FILE};${VELMARIT_MANIFEST_FILE}")
endfunction()

# Makes the installer `setup` for the programs staged by the zip, under
# `version`; the installer tests build one under a later version as well.
function(velmarit_windows_setup setup version file_version_text)
    file(GLOB texts CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/texts/*.json")
    # A texts file removed, or one that comes with an old time, makes no
    # input newer: the list of them, rewritten only when it changes, does.
    set(languages ${PROJECT_BINARY_DIR}/windows/languages.txt)
    file(CONFIGURE OUTPUT ${languages} CONTENT "${texts}\n")
    # One include of texts for each installer, so that two made at once
    # never write the same file.
    cmake_path(GET setup STEM LAST_ONLY name)
    add_custom_command(OUTPUT ${setup}
        COMMAND ${CMAKE_COMMAND}
            -DMAKENSIS=${VELMARIT_MAKENSIS}
            -DSCRIPT=${VELMARIT_WINDOWS_DIR}/velmarit.nsi
            -DSETUP=${setup}
            -DSTAGE=${PROJECT_BINARY_DIR}/zip
            -DVERSION=${version}
            -DFILE_VERSION_TEXT=${file_version_text}
            -DICON=${PROJECT_SOURCE_DIR}/packaging/icons/velmarit.ico
            -DPUBLISHER=${VELMARIT_COPYRIGHT_HOLDER}
            -DCONTACT=${VELMARIT_CONTACT}
            -DPYTHON=${VELMARIT_PYTHON3}
            -DLOCALIZE=${PROJECT_SOURCE_DIR}/packaging/localize.py
            -DTEXTS=${PROJECT_SOURCE_DIR}/texts
            -DTEXTS_INCLUDE=${PROJECT_BINARY_DIR}/windows/${name}-texts.nsh
            -P ${VELMARIT_WINDOWS_DIR}/makesetup.cmake
        DEPENDS ${PROJECT_BINARY_DIR}/Velmarit-${PROJECT_VERSION}-win64.zip
            ${VELMARIT_WINDOWS_DIR}/makesetup.cmake
            ${VELMARIT_WINDOWS_DIR}/velmarit.nsi
            ${PROJECT_SOURCE_DIR}/packaging/localize.py ${texts} ${languages}
            ${PROJECT_SOURCE_DIR}/packaging/icons/velmarit.ico
        COMMENT "Making Velmarit-${version}-win64-setup.exe"
        VERBATIM)
endfunction()

function(velmarit_windows_finish)
    if(NOT TARGET velmarit OR NOT TARGET velmarit-tabelle)
        return()
    endif()
    velmarit_windows_resource(velmarit "Velmarit")
    velmarit_windows_resource(velmarit-tabelle "Velmarit-Codiertabellen")
    set_property(TARGET velmarit velmarit-tabelle APPEND PROPERTY
        LINK_DEPENDS ${VELMARIT_SOURCE_DATE_FILE})

    # The download: both programs, a German read-me and the licence texts,
    # with Windows line ends.
    set(zip ${PROJECT_BINARY_DIR}/Velmarit-${PROJECT_VERSION}-win64.zip)
    set(qt_copyright /usr/share/doc/libqt6core6/copyright)
    # Python packs the zip: it alone leaves out every time but the one given.
    add_custom_command(OUTPUT ${zip}
        COMMAND ${CMAKE_COMMAND}
            -DZIP=${zip}
            -DSTAGE=${PROJECT_BINARY_DIR}/zip
            -DVERSION=${PROJECT_VERSION}
            "-DPROGRAMS=$<TARGET_FILE:velmarit>;$<TARGET_FILE:velmarit-tabelle>"
            -DREADME=${VELMARIT_WINDOWS_DIR}/LIESMICH.txt
            -DLICENCE=${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt
            -DQT_COPYRIGHT=${qt_copyright}
            -DPYTHON=${VELMARIT_PYTHON3}
            -P ${VELMARIT_WINDOWS_DIR}/makezip.cmake
        DEPENDS velmarit velmarit-tabelle ${VELMARIT_SOURCE_DATE_FILE}
            ${VELMARIT_WINDOWS_DIR}/makezip.cmake
            ${VELMARIT_WINDOWS_DIR}/packzip.py
            ${VELMARIT_WINDOWS_DIR}/LIESMICH.txt
            ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt
        COMMENT "Packing Velmarit-${PROJECT_VERSION}-win64.zip"
        VERBATIM)
    add_custom_target(velmarit_zip ALL DEPENDS ${zip})

    # The installer takes the files exactly as the zip has them.
    velmarit_file_version_text(file_version_text)
    set(setup ${PROJECT_BINARY_DIR}/Velmarit-${PROJECT_VERSION}-win64-setup.exe)
    velmarit_windows_setup("${setup}" ${PROJECT_VERSION} ${file_version_text})
    add_custom_target(velmarit_setup ALL DEPENDS ${setup})
endfunction()

cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL velmarit_windows_finish)
