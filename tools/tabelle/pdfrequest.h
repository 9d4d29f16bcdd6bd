// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace velmarit {

// Whether the command line asks for the option `--<name>` (alone or as
// `--<name>=value`) before any "--" that ends the options. The program must
// know this before it creates its application object, that is before the
// command-line parser can run; the parser still checks the line in full.
bool asksForOption(const QStringList &arguments, const QString &name);

} // namespace velmarit
