// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "texts/texts.h"

#include <QApplication>

#include <memory>

namespace velmarit {

// The start of the window program up to its window, as every start makes
// it: the display is checked and chosen before Qt connects to it
// (prepareDisplay), the application object is made, and Qt's own texts (edit
// menus, dialogs) speak `language`, the program's. Null when no window can be
// shown, after saying why in one line on stderr. Qt's own options
// (-platform, -display) choose the display as well as the environment does;
// Qt takes them out of `argv` itself. `argc` must outlive the application,
// as Qt requires.
std::unique_ptr<QApplication> startApplication(int &argc, char **argv, const Texts &language);

} // namespace velmarit
