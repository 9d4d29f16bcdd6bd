// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The installed icons must show the window's own icon: the 16 x 16 PNG pixel
// for pixel, the SVG square for square, the Windows programs' icon pixel for
// pixel at 16 x 16 and as whole multiples of those pixels at its larger sizes.

#include "ui/pictures.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QXmlStreamReader>

namespace {

const QString iconDir = QStringLiteral(VELMARIT_ICON_DIR);

// Opaque pixels keep their colour; every transparent pixel counts as one.
QRgb normalised(QRgb pixel)
{
    return qAlpha(pixel) == 0 ? 0u : (pixel | 0xFF000000u);
}

void expectSamePixels(const QImage &actual, const QImage &expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            EXPECT_EQ(normalised(actual.pixel(x, y)), normalised(expected.pixel(x, y)))
                << "pixel " << x << "," << y;
        }
    }
}

// Draws the SVG's rectangles (the only shapes it uses) onto a 16 x 16 grid.
QImage rasteriseRects(const QString &path)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() == QLatin1String("svg"))
            continue;
        if (xml.name() != QLatin1String("rect"))
            return {}; // another shape: this reading would miss it
        const auto a = xml.attributes();
        const int left = a.value(QLatin1String("x")).toInt();
        const int top = a.value(QLatin1String("y")).toInt();
        const int width = a.value(QLatin1String("width")).toInt();
        const int height = a.value(QLatin1String("height")).toInt();
        const QRgb colour = QColor::fromString(a.value(QLatin1String("fill"))).rgba();
        for (int y = top; y < top + height; ++y) {
            for (int x = left; x < left + width; ++x)
                image.setPixel(x, y, colour);
        }
    }
    return xml.hasError() ? QImage() : image;
}

} // namespace

TEST(InstalledIcon, PngIsTheWindowIcon)
{
    const QImage png(iconDir + QStringLiteral("/velmarit-16.png"));
    ASSERT_FALSE(png.isNull());
    expectSamePixels(png.convertToFormat(QImage::Format_ARGB32), velmarit::windowIconImage());
}

TEST(InstalledIcon, SvgIsTheWindowIcon)
{
    const QImage svg = rasteriseRects(iconDir + QStringLiteral("/velmarit.svg"));
    ASSERT_FALSE(svg.isNull());
    expectSamePixels(svg, velmarit::windowIconImage());
}

TEST(InstalledIcon, IcoIsTheWindowIconAtEverySize)
{
    QImageReader reader(iconDir + QStringLiteral("/velmarit.ico"));
    ASSERT_EQ(reader.imageCount(), 3);
    const QImage window = velmarit::windowIconImage();
    for (int index = 0; index < reader.imageCount(); ++index) {
        ASSERT_TRUE(reader.jumpToImage(index));
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
        const int scale = image.width() / window.width();
        ASSERT_EQ(image.size(), window.size() * scale) << "image " << index;
        // Scaled back down pixel by pixel, without any smoothing.
        QImage reduced(window.size(), QImage::Format_ARGB32);
        for (int y = 0; y < window.height(); ++y) {
            for (int x = 0; x < window.width(); ++x) {
                for (int dy = 0; dy < scale; ++dy) {
                    for (int dx = 0; dx < scale; ++dx) {
                        ASSERT_EQ(normalised(image.pixel(x * scale + dx, y * scale + dy)),
                                  normalised(image.pixel(x * scale, y * scale)))
                            << "image " << index << " block " << x << "," << y;
                    }
                }
                reduced.setPixel(x, y, image.pixel(x * scale, y * scale));
            }
        }
        expectSamePixels(reduced, window);
    }
}
