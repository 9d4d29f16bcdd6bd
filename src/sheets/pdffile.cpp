// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheets/pdffile.h"

#include "atomicwrite/atomicwrite.h"
#include "sheets/pdfcreationdate.h"
#include "sheets/sheetmetrics.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

namespace velmarit {

namespace {

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

std::optional<QByteArray> sheetsPdf(const std::vector<CodingTable> &tables,
                                    const SheetHeading &heading)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(SheetMetrics::designResolution);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        writer.setTitle(sheetDocumentTitle());
        writer.setCreator(heading.program);
        if (!paintSheets(writer, tables, heading))
            return std::nullopt;
    }
    // A build or package that asks for reproducible output names the time.
    if (const auto epoch = sourceDateEpoch(qgetenv("SOURCE_DATE_EPOCH")))
        return withCreationDate(buffer.data(), *epoch);
    return buffer.data();
}

QString writePdfFile(const QString &path, const std::vector<CodingTable> &tables,
                     const SheetHeading &heading)
{
    const QFileInfo target(path);
    if (target.isDir())
        return QStringLiteral("„%1“ ist ein Ordner; bitte einen Dateinamen angeben.")
            .arg(nativePath(path));
    // A device or pipe cannot be replaced by a finished file; writing into it
    // directly could leave half a PDF behind.
    if (target.exists() && !target.isFile())
        return QStringLiteral("„%1“ ist keine gewöhnliche Datei.").arg(nativePath(path));
    if (!target.absoluteDir().exists())
        return QStringLiteral("Den Ordner „%1“ gibt es nicht.")
            .arg(nativePath(target.absolutePath()));

    // Without a font for the text the pages would carry empty boxes, or no
    // text at all.
    if (!sheetFontFamily(tables))
        return QStringLiteral("Für das PDF fehlt eine Schrift: weder %1 noch eine andere Schrift "
                              "mit allen Zeichen der Tabellen ist installiert. Es wurde nichts "
                              "gespeichert.")
            .arg(sheetFontList().join(QStringLiteral(" noch ")));

    // The whole PDF (a few hundred KB) is made in memory first and written
    // with calls whose counts are checked: a short write (a full disk, a
    // quota) must never be committed as a finished file.
    const auto bytes = sheetsPdf(tables, heading);
    if (!bytes)
        return QStringLiteral("Das PDF „%1“ konnte nicht erzeugt werden.").arg(nativePath(path));

    if (const auto failure = writeFileAtomically(path, *bytes)) {
        if (!failure->opened)
            return QStringLiteral("„%1“ kann nicht angelegt werden (%2).")
                .arg(nativePath(path), failure->reason);
        return QStringLiteral("„%1“ konnte nicht vollständig geschrieben werden (%2); es wurde "
                              "nichts gespeichert.")
            .arg(nativePath(path), failure->reason);
    }
    return {};
}

} // namespace velmarit
