# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Packs the Windows download (cmake -P, called by windows.cmake):
#   -DZIP=out.zip -DSTAGE=folder -DVERSION=x.y.z -DPROGRAMS=a.exe;b.exe
#   -DREADME=LIESMICH.txt -DLICENCE=GPL text -DQT_COPYRIGHT=Debian's Qt copyright
#   -DPYTHON=python3
# Text files get CR LF line ends; the German read-me also a byte order mark,
# so that every editor on Windows shows its umlauts right. The entries come in
# a fixed order with fixed permissions and, when SOURCE_DATE_EPOCH is set
# (scripts/windows takes it from the last commit), all carry that time, so
# that the same commit packs the same bytes (packzip.py).
cmake_minimum_required(VERSION 3.25)

foreach(var ZIP STAGE VERSION PROGRAMS README LICENCE QT_COPYRIGHT PYTHON)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "makezip.cmake: ${var} is not set")
    endif()
endforeach()
if(NOT EXISTS "${QT_COPYRIGHT}")
    # Qt and the libraries inside it ask for their notices to travel with
    # the program; Debian's copyright file of the same source lists them all.
    message(FATAL_ERROR "makezip.cmake: ${QT_COPYRIGHT} is missing (package libqt6core6)")
endif()

function(write_windows_text in out bom)
    file(READ "${in}" text)
    string(REPLACE "\r\n" "\n" text "${text}")
    string(REPLACE "\n" "\r\n" text "${text}")
    string(REPLACE "@VERSION@" "${VERSION}" text "${text}")
    if(bom)
        string(ASCII 239 187 191 mark)
        string(PREPEND text "${mark}")
    endif()
    file(WRITE "${out}" "${text}")
endfunction()

file(REMOVE_RECURSE "${STAGE}")
file(MAKE_DIRECTORY "${STAGE}")
set(names)
foreach(program IN LISTS PROGRAMS)
    file(COPY "${program}" DESTINATION "${STAGE}")
    get_filename_component(name "${program}" NAME)
    list(APPEND names "${name}")
endforeach()
write_windows_text("${README}" "${STAGE}/LIESMICH.txt" ON)
write_windows_text("${LICENCE}" "${STAGE}/LIZENZ.txt" OFF)
write_windows_text("${QT_COPYRIGHT}" "${STAGE}/LIZENZEN-Qt.txt" OFF)
list(APPEND names LIESMICH.txt LIZENZ.txt LIZENZEN-Qt.txt)

# Without SOURCE_DATE_EPOCH the entries carry the time of packing.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(epoch "$ENV{SOURCE_DATE_EPOCH}")
else()
    string(TIMESTAMP epoch "%s" UTC)
endif()

file(REMOVE "${ZIP}")
execute_process(
    COMMAND "${PYTHON}" "${CMAKE_CURRENT_LIST_DIR}/packzip.py" "${ZIP}" "${epoch}" "${STAGE}" ${names}
    RESULT_VARIABLE failed)
if(failed)
    file(REMOVE "${ZIP}")
    message(FATAL_ERROR "makezip.cmake: packing ${ZIP} failed")
endif()
