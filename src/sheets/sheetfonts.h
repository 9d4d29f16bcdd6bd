// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

namespace velmarit {

// The font families to set the sheets in, most wanted first; the first one
// installed is used (and embedded in a PDF). Each platform has its own list
// (sheetfonts_unix.cpp, sheetfonts_win.cpp; CMake picks one).
QStringList sheetFontFamilies();

} // namespace velmarit
