// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "translations/qttexts.h"

#include "language/languagechoice.h"
#include "language/qtexts.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QTranslator>

namespace velmarit {

bool installQtTexts(const Texts &language)
{
    // Dialogs also take their units and formats from the locale: the page
    // sizes in millimetres, the dates in the file dialog.
    QLocale::setDefault(localeFor(language));
    const QString catalogue = qtCatalogue(toQString(language.lang));
    if (!QFileInfo::exists(catalogue))
        return false;
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(catalogue)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace velmarit
