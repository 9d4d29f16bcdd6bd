// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "translations/germanqttexts.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace velmarit {

bool installGermanQtTexts()
{
    // Dialogs also take their units and formats from the locale: the page
    // sizes in millimetres, German dates in the file dialog.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(germanQtCatalogue())) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace velmarit
