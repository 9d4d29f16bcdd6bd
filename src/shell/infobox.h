// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "texts/texts.h"

class QWidget;

namespace velmarit {

// Shows the modal information box (information icon, OK only) in `language`
// over `parent` and returns when the user has closed it.
void showInfoBox(QWidget *parent, const Texts &language);

} // namespace velmarit
