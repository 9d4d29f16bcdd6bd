// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/controlbuilder.h"

#include "ui/captionframe.h"
#include "ui/creditmark.h"
#include "ui/resultlabel.h"
#include "ui/switchbox.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <limits>

namespace velmarit {

namespace {

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect toPixels(const layout::Box &box)
{
    using layout::twipsToPixels;
    return QRect(twipsToPixels(box.left), twipsToPixels(box.top), twipsToPixels(box.width),
                 twipsToPixels(box.height));
}

template <class Widget>
Widget *placed(Widget *widget, std::string_view name, const layout::Box &box,
               const layout::Font &font)
{
    widget->setObjectName(fromView(name));
    widget->setFont(toQFont(font));
    widget->setGeometry(toPixels(box));
    return widget;
}

// System colours are left to the style.
void setColour(QWidget *widget, QPalette::ColorRole role, layout::Colour colour)
{
    if (layout::isSystemColour(colour))
        return;
    QPalette palette = widget->palette();
    palette.setColor(role, toQColor(colour));
    widget->setPalette(palette);
}

Qt::Alignment toQt(layout::Align align)
{
    switch (align) {
    case layout::Align::Right:
        return Qt::AlignRight;
    case layout::Align::Centre:
        return Qt::AlignHCenter;
    case layout::Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

} // namespace

QColor toQColor(layout::Colour c)
{
    return QColor(layout::redOf(c), layout::greenOf(c), layout::blueOf(c));
}

QFont toQFont(const layout::Font &entry)
{
    QFont font;
    // Where the face is missing, Liberation Sans stands in: it has Arial's
    // widths, which the captions and result boxes were sized for.
    font.setFamilies({fromView(entry.family), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(entry.points);
    font.setWeight(entry.bold ? QFont::Bold : QFont::Normal);
    return font;
}

void place(QWidget *panel, const layout::Panel &row)
{
    placed(panel, row.name, row.box, layout::windowFont);
}

CaptionFrame *build(const layout::Frame &row, QWidget *parent, const Texts &language)
{
    return placed(new CaptionFrame(fromView(row.caption.in(language)), parent), row.name, row.box,
                  layout::windowFont);
}

QLineEdit *build(const layout::TextBox &row, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setAlignment(Qt::AlignCenter);
    // QLineEdit's own default limit is 32767; a box without a limit takes
    // text of any length.
    box->setMaxLength(row.maxLength > 0 ? row.maxLength : std::numeric_limits<int>::max());
    return placed(box, row.name, row.box, layout::windowFont);
}

SwitchBox *build(const layout::CheckBox &row, QWidget *parent)
{
    const layout::Box box{row.left, row.top, layout::switchBoxSize, layout::switchBoxSize};
    return placed(new SwitchBox(parent), row.name, box, layout::switchBoxFont);
}

QLabel *build(const layout::Label &row, QWidget *parent, const Texts &language)
{
    auto *label = new QLabel(fromView(row.caption.in(language)), parent);
    label->setTextFormat(Qt::PlainText);
    setColour(label, QPalette::WindowText, row.fore);
    // Static captions stand at the top of their box and let the container
    // show through.
    label->setAlignment(toQt(row.align) | Qt::AlignTop);
    return placed(label, row.name, row.box, row.font);
}

ResultLabel *build(const layout::ResultLabel &row, QWidget *parent, const Texts &language)
{
    auto *label = new ResultLabel(fromView(row.caption.in(language)), parent);
    label->setTextFormat(Qt::PlainText);
    setColour(label, QPalette::WindowText, row.fore);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(1);
    label->setAutoFillBackground(true);
    setColour(label, QPalette::Window, layout::resultBack);
    return placed(label, row.name, row.box, row.font);
}

QListWidget *build(const layout::ListBox &row, QWidget *parent)
{
    auto *list = new QListWidget(parent);
    // Rows are short; a horizontal bar would only take a row's room.
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return placed(list, row.name, row.box, layout::windowFont);
}

CreditMark *build(const layout::Image &row, QWidget *parent)
{
    return placed(new CreditMark(parent), row.name, row.box, layout::windowFont);
}

} // namespace velmarit
