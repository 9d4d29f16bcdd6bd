# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Windows build (preset "windows", see scripts/windows): every program
# linked statically, so that velmarit.exe and velmarit-tabelle.exe need no
# DLL beside them; both carry the version resource, the icon and a manifest;
# and the download Velmarit-<version>-win64.zip. Included from the top-level
# CMakeLists.txt before the targets exist; the per-program steps run at the
# end of the top-level directory, when they do.

enable_language(RC)
# Qt, the C++ runtime and the thread library all go into the .exe.
add_link_options(-static $<$<CONFIG:Release>:-s>)

set(VELMARIT_WINDOWS_DIR ${CMAKE_CURRENT_LIST_DIR})

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

function(velmarit_windows_finish)
    if(NOT TARGET velmarit OR NOT TARGET velmarit-tabelle)
        return()
    endif()
    velmarit_windows_resource(velmarit "Velmarit")
    velmarit_windows_resource(velmarit-tabelle "Velmarit-Codiertabellen")

    # The download: both programs, a German read-me and the licence texts,
    # with Windows line ends.
    set(zip ${PROJECT_BINARY_DIR}/Velmarit-${PROJECT_VERSION}-win64.zip)
    set(qt_copyright /usr/share/doc/libqt6core6/copyright)
    add_custom_command(OUTPUT ${zip}
        COMMAND ${CMAKE_COMMAND}
            -DZIP=${zip}
            -DSTAGE=${PROJECT_BINARY_DIR}/zip
            -DVERSION=${PROJECT_VERSION}
            "-DPROGRAMS=$<TARGET_FILE:velmarit>;$<TARGET_FILE:velmarit-tabelle>"
            -DREADME=${VELMARIT_WINDOWS_DIR}/LIESMICH.txt
            -DLICENCE=${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt
            -DQT_COPYRIGHT=${qt_copyright}
            -P ${VELMARIT_WINDOWS_DIR}/makezip.cmake
        DEPENDS velmarit velmarit-tabelle
            ${VELMARIT_WINDOWS_DIR}/makezip.cmake
            ${VELMARIT_WINDOWS_DIR}/LIESMICH.txt
            ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt
        COMMENT "Packing Velmarit-${PROJECT_VERSION}-win64.zip"
        VERBATIM)
    add_custom_target(velmarit_zip ALL DEPENDS ${zip})
endfunction()

cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL velmarit_windows_finish)
