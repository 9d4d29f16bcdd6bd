// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/applicationstart.h"

#include "platform/qtplatform.h"
#include "translations/qttexts.h"

#include <cstdio>
#include <string>

namespace velmarit {

std::unique_ptr<QApplication> startApplication(int &argc, char **argv, const Texts &language)
{
    if (const std::string missing = prepareDisplay(argc, argv, language); !missing.empty()) {
        std::fprintf(stderr, "%s\n", missing.c_str());
        return nullptr;
    }
    auto app = std::make_unique<QApplication>(argc, argv);
    // Where the catalogue is missing Qt's texts stay English.
    installQtTexts(language);
    return app;
}

} // namespace velmarit
