// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pdfplatform.h"

namespace velmarit {

void preparePdfPlatform()
{
    // The windows platform needs no display of its own: it works in a
    // console and in a service session alike.
}

} // namespace velmarit
