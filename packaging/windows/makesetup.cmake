# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Makes the installer with makensis (cmake -P, called by windows.cmake):
#   -DMAKENSIS=makensis -DSCRIPT=velmarit.nsi -DSETUP=out.exe -DSTAGE=folder
#   -DVERSION=x.y.z -DFILE_VERSION_TEXT=x.yy.zzzz -DICON=velmarit.ico
#   -DPUBLISHER=... -DCONTACT=... -DPYTHON=python3 -DLOCALIZE=localize.py
#   -DTEXTS=texts-folder -DTEXTS_INCLUDE=file-to-write
# STAGE holds the files of the zip, exactly as they are packed there.
cmake_minimum_required(VERSION 3.25)

foreach(var MAKENSIS SCRIPT SETUP STAGE VERSION FILE_VERSION_TEXT ICON PUBLISHER CONTACT
        PYTHON LOCALIZE TEXTS TEXTS_INCLUDE)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "makesetup.cmake: ${var} is not set")
    endif()
endforeach()

# "Apps & Features" shows the size from the uninstall entry, in KiB.
set(bytes 0)
file(GLOB staged "${STAGE}/*")
foreach(file IN LISTS staged)
    file(SIZE "${file}" size)
    math(EXPR bytes "${bytes} + ${size}")
endforeach()
math(EXPR kib "(${bytes} + 1023) / 1024")

string(REPLACE "." ";" numbers "${VERSION}")
list(GET numbers 0 major)
list(GET numbers 1 minor)
list(GET numbers 2 patch)

# The installer's languages and texts.
execute_process(
    COMMAND "${PYTHON}" "${LOCALIZE}" nsis "${SCRIPT}" "${TEXTS_INCLUDE}" "${TEXTS}"
    RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "makesetup.cmake: the installer's texts could not be made")
endif()

file(REMOVE "${SETUP}")
execute_process(
    COMMAND "${MAKENSIS}" -V2 -INPUTCHARSET UTF8
        "-DVERSION=${VERSION}"
        "-DVERSION_QUAD=${major}.${minor}.0.${patch}"
        "-DFILE_VERSION_TEXT=${FILE_VERSION_TEXT}"
        "-DSTAGE=${STAGE}"
        "-DOUTFILE=${SETUP}"
        "-DICON=${ICON}"
        "-DPUBLISHER=${PUBLISHER}"
        "-DCONTACT=${CONTACT}"
        "-DESTIMATED_KB=${kib}"
        "-DTEXTS=${TEXTS_INCLUDE}"
        "${SCRIPT}"
    RESULT_VARIABLE failed)
if(failed)
    file(REMOVE "${SETUP}")
    message(FATAL_ERROR "makesetup.cmake: makensis failed for ${SETUP}")
endif()
