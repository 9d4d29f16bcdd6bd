// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheets/pdffile.h"

#include "atomicwrite/atomicwrite.h"
#include "language/qtexts.h"
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
        writer.setTitle(sheetDocumentTitle(*heading.language));
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
    const auto &says = heading.language->pdf;
    const auto about = [&path](std::string_view text, const QString &reason = {}) {
        return filled(text, {{"path", nativePath(path)}, {"reason", reason}});
    };
    const QFileInfo target(path);
    if (target.isDir())
        return about(says.folder);
    // A device or pipe cannot be replaced by a finished file; writing into it
    // directly could leave half a PDF behind.
    if (target.exists() && !target.isFile())
        return about(says.notAFile);
    if (!target.absoluteDir().exists())
        return filled(says.noFolder, {{"path", nativePath(target.absolutePath())}});

    // Without a font for the text the pages would carry empty boxes, or no
    // text at all.
    if (!sheetFontFamily(tables, *heading.language))
        return filled(says.noFont, {{"fonts", sheetFontList().join(toQString(says.fontsApart))}});

    // The whole PDF (a few hundred KB) is made in memory first and written
    // with calls whose counts are checked: a short write (a full disk, a
    // quota) must never be committed as a finished file.
    const auto bytes = sheetsPdf(tables, heading);
    if (!bytes)
        return about(says.notMade);

    // The target may have become something else since it was looked at.
    if (const auto failure = writeFileAtomically(path, *bytes)) {
        if (failure->notAFile)
            return about(says.notAFile);
        return about(failure->opened ? says.incomplete : says.notCreated, failure->reason);
    }
    return {};
}

} // namespace velmarit
