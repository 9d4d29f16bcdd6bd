// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as it is first shown: every control where the layout puts it,
// with its font, colours and initial text; the focus order; the icon; and
// which clicks on the window mean something.

#include "ui/frmvelmarit.h"
#include "ui/layout.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

using velmarit::FrmVelmarit;

namespace {

struct Face
{
    const char *family;
    double points;
    bool bold;
};

// The faces as the layout names them; where a face is missing the nearest
// sans-serif stands in, but the request must still name it.
const Face arial{"Arial", 9.75, false};
const Face arialBold{"Arial", 9.75, true};
const Face switchFace{"MS Sans Serif", 8.25, false};
const Face resultFace{"Microsoft Sans Serif", 11.25, true};
const Face creditFace{"Microsoft Sans Serif", 9.0, false};

const QColor noColour;            // the style's colour for the role
const QColor darkBlue(0, 0, 192); // 0x00C00000
const QColor cyan(0, 255, 255);   // 0x00FFFF00
const QColor white(255, 255, 255);
const QColor black(0, 0, 0);
const QColor lightBlue(128, 128, 255); // 0x00FF8080

constexpr int unlimited = -1;
constexpr int noLimit = 0; // not a text box

// Positions below are the layout's twips divided by 15.
void addRow(const char *name, const char *container, QRect geometry, const QString &text, Face face,
            QColor fore = noColour, QColor back = noColour, int maxLength = noLimit)
{
    QTest::newRow(name) << QString::fromLatin1(container) << geometry << text
                        << QString::fromLatin1(face.family) << face.points << face.bold << fore
                        << back << maxLength;
}

void addSwitchRows(const char *array, const char *container, std::initializer_list<int> lefts,
                   int top)
{
    int index = 1;
    for (const int left : lefts) {
        const QByteArray name = QByteArray(array) + '(' + QByteArray::number(index++) + ')';
        addRow(name.constData(), container, QRect(left, top, 13, 13), QString(), switchFace);
    }
}

void addNumberRows(int firstIndex, const char *container, std::initializer_list<int> lefts, int top,
                   QColor fore)
{
    int number = 1;
    for (const int left : lefts) {
        const QByteArray name = "Label(" + QByteArray::number(firstIndex + number - 1) + ')';
        const int width = number == 10 ? 15 : 9;
        addRow(name.constData(), container, QRect(left, top, width, 13), QString::number(number),
               arial, fore);
        ++number;
    }
}

QImage expectedIcon()
{
    // B black, R red, W white, . transparent
    const char *rows[16] = {
        "................", "................", "................", ".BBBBBBBBBBBBBB.",
        "BRRRRRRRRRRRRRRB", "BRRWRWRRRRRRRWRB", "BRRWRWRRRRRRRWRB", "BRRRRRRRRRRRRRRB",
        "BRWRRRRWRWRWRRRB", "BRWRRRRWRWRWRRRB", "BRRRRRRRRRRRRRRB", ".BBBBBBBBBBBBBB.",
        "................", "................", "................", "................",
    };
    QImage image(16, 16, QImage::Format_ARGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const char c = rows[y][x];
            image.setPixel(x, y,
                           c == 'B'   ? qRgb(0, 0, 0)
                           : c == 'R' ? qRgb(255, 0, 0)
                           : c == 'W' ? qRgb(255, 255, 255)
                                      : qRgba(0, 0, 0, 0));
        }
    return image;
}

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void controls_data();
    void controls();
    void controlCount();
    void windowProperties();
    void colouredSurfaces();
    void icon();
    void creditPicture();
    void focusOrder();
    void screenReaderTexts();
    void emptyResultNames_data();
    void emptyResultNames();
    void listHeadingAlignsWithSecondColumn();
    void backgroundDoubleClick_data();
    void backgroundDoubleClick();
    void copyrightClick();
    void closingIsAnnounced();
    void pixelsFromTwips();
};

void TestWindow::controls_data()
{
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("fore");
    QTest::addColumn<QColor>("back");
    QTest::addColumn<int>("maxLength");

    const QString none; // a control without a caption of its own
    const QString empty = QStringLiteral("");

    addRow("pnlWeichen", "frmVelmarit", {16, 336, 601, 141}, none, arial);
    addRow("pnlDigital", "frmVelmarit", {16, 178, 525, 143}, none, arial);
    addRow("pnlDelta", "frmVelmarit", {16, 14, 395, 149}, none, arial);
    addRow("lblRelease", "frmVelmarit", {430, 82, 137, 21}, "lblRelease", arial, white);
    addRow("lblCopyright", "frmVelmarit", {416, 50, 195, 23}, "programmed by ", creditFace, white);
    addRow("imgCopyright", "frmVelmarit", {558, 10, 51, 33}, none, arial);

    addRow("frmDelta(1)", "pnlDelta", {232, 34, 153, 105}, " codieren ", arial);
    addRow("lstDelta", "frmDelta(1)", {10, 44, 129, 52}, none, arial);
    addRow("Label(19)", "frmDelta(1)", {10, 18, 123, 23}, "Adresse  Switch ON", arial, darkBlue);
    addRow("frmDelta(0)", "pnlDelta", {10, 34, 211, 105}, " decodieren ", arial);
    addRow("txtSwitchLokDelta", "frmDelta(0)", {14, 26, 70, 24}, empty, arial, noColour, noColour,
           4);
    addSwitchRows("chkSwitchLokDelta", "frmDelta(0)", {118, 138, 158, 178}, 36);
    addRow("lblAdresseLokDelta", "frmDelta(0)", {14, 60, 71, 25}, "analog", resultFace, cyan,
           black);
    addNumberRows(20, "frmDelta(0)", {120, 141, 160, 180}, 18, darkBlue);
    addRow("lblAnzeigeLokDelta", "frmDelta(0)", {116, 60, 77, 25}, "analog", resultFace, cyan,
           black);
    addRow("Label(28)", "pnlDelta", {8, 8, 109, 23}, "Delta-Decoder", arialBold);

    addRow("frmDigital(1)", "pnlDigital", {338, 34, 167, 97}, " codieren ", arial);
    addRow("txtDigital", "frmDigital(1)", {86, 26, 45, 24}, empty, arial, noColour, noColour, 2);
    addRow("Label(26)", "frmDigital(1)", {10, 62, 69, 23}, "Switch ON", arial, darkBlue);
    addRow("Label(27)", "frmDigital(1)", {10, 28, 57, 21}, "Adresse", arial, darkBlue);
    addRow("lblDelta", "frmDigital(1)", {86, 60, 67, 23}, empty, arialBold, cyan, black);
    addRow("frmDigital(0)", "pnlDigital", {10, 34, 317, 97}, " decodieren ", arial);
    addSwitchRows("chkSwitchLok", "frmDigital(0)", {118, 136, 170, 188, 218, 236, 268, 288}, 40);
    addRow("txtSwitchLok", "frmDigital(0)", {14, 26, 70, 24}, empty, arial, noColour, noColour, 4);
    addNumberRows(0, "frmDigital(0)", {120, 139, 172, 190, 220, 240, 272, 291}, 22, black);
    addRow("lblAnzeigeLok", "frmDigital(0)", {116, 60, 185, 23}, empty, resultFace, cyan, black);
    addRow("lblAdresseLok", "frmDigital(0)", {14, 60, 71, 23}, empty, resultFace, white, black);
    addRow("Label(24)", "pnlDigital", {8, 8, 135, 23}, "Digital-Decoder", arialBold);

    addRow("frmWeichen(1)", "pnlWeichen", {386, 34, 203, 97}, " codieren ", arial);
    addRow("txtWeichen", "frmWeichen(1)", {86, 26, 47, 24}, empty, arial, noColour, noColour,
           unlimited);
    addRow("Label(29)", "frmWeichen(1)", {10, 30, 57, 21}, "Adresse", arial, darkBlue);
    addRow("Label(25)", "frmWeichen(1)", {10, 64, 69, 23}, "Switch ON", arial, darkBlue);
    addRow("lblWeichen", "frmWeichen(1)", {86, 64, 99, 21}, empty, arialBold, cyan, black);
    addRow("frmWeichen(0)", "pnlWeichen", {10, 34, 365, 97}, " decodieren ", arial);
    addRow("txtSwitchMA", "frmWeichen(0)", {14, 26, 70, 24}, empty, arial, noColour, noColour, 6);
    addSwitchRows("chkSwitchMA", "frmWeichen(0)",
                  {118, 136, 170, 188, 218, 236, 268, 288, 318, 338}, 40);
    addRow("lblAdresseMA", "frmWeichen(0)", {14, 60, 71, 23}, empty, resultFace, white, black);
    addRow("lblAnzeigeMA", "frmWeichen(0)", {116, 60, 237, 23}, empty, resultFace, cyan, black);
    addNumberRows(8, "frmWeichen(0)", {120, 139, 172, 190, 220, 240, 272, 291, 320, 338}, 20,
                  black);
    addRow("Label(18)", "pnlWeichen", {8, 8, 149, 23}, "Weichen-Decoder", arialBold);
}

void TestWindow::controls()
{
    QFETCH(QString, container);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(QColor, fore);
    QFETCH(QColor, back);
    QFETCH(int, maxLength);

    FrmVelmarit w;
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    const QList<QWidget *> found = w.findChildren<QWidget *>(name);
    QCOMPARE(found.size(), 1);
    QWidget *c = found.front();

    QCOMPARE(c->parentWidget()->objectName(), container);
    QCOMPARE(c->geometry(), geometry);

    const QFont f = c->font();
    QCOMPARE(f.family(), family);
    QCOMPARE(f.pointSizeF(), points);
    QCOMPARE(f.weight(), bold ? QFont::Bold : QFont::Normal);
    QVERIFY(!f.italic() && !f.underline() && !f.strikeOut());

    if (auto *label = qobject_cast<QLabel *>(c); label && !text.isNull()) {
        if (name == u"lblCopyright") // the load step adds the author's name
            QVERIFY2(label->text().startsWith(text), qPrintable(label->text()));
        else
            QCOMPARE(label->text(), text);
        const QColor shownFore = label->palette().color(QPalette::WindowText);
        QCOMPARE(shownFore,
                 fore.isValid() ? fore : QApplication::palette().color(QPalette::WindowText));
        if (back.isValid()) {
            // A result label: opaque, framed, bold, centred.
            QVERIFY(label->autoFillBackground());
            QCOMPARE(label->palette().color(QPalette::Window), back);
            QVERIFY(label->frameWidth() > 0);
            QVERIFY(label->alignment() & Qt::AlignHCenter);
            QVERIFY(bold);
        } else {
            QVERIFY2(!label->autoFillBackground(), "static captions are transparent");
            QCOMPARE(label->frameWidth(), 0);
        }
    }
    if (auto *box = qobject_cast<QLineEdit *>(c)) {
        QCOMPARE(box->text(), text);
        QVERIFY(box->alignment() & Qt::AlignHCenter);
        if (maxLength == unlimited)
            QVERIFY(box->maxLength() >= (1 << 24));
        else
            QCOMPARE(box->maxLength(), maxLength);
    }
    if (auto *frame = qobject_cast<QGroupBox *>(c))
        QCOMPARE(frame->title(), text);
    if (auto *check = qobject_cast<QCheckBox *>(c)) {
        QVERIFY(!check->isChecked());
        QVERIFY(check->text().isEmpty());
    }
    if (auto *list = qobject_cast<QListWidget *>(c))
        QCOMPARE(list->count(), 0); // filled by the load step, not the window

    // Fully inside the client area.
    const QRect inWindow(c->mapTo(&w, QPoint(0, 0)), c->size());
    QVERIFY2(w.rect().contains(inWindow), qPrintable(name));
}

void TestWindow::controlCount()
{
    FrmVelmarit w;
    int named = 0;
    for (const QWidget *c : w.findChildren<QWidget *>()) {
        // Qt's own helpers (a list's viewport and scroll bars) carry no name
        // or one starting with "qt_".
        if (c->objectName().isEmpty() || c->objectName().startsWith(u"qt_"))
            continue;
        ++named;
    }
    QCOMPARE(named, 78);
}

void TestWindow::windowProperties()
{
    FrmVelmarit w;
    QCOMPARE(w.objectName(), QStringLiteral("frmVelmarit"));
    QCOMPARE(w.windowTitle(), QStringLiteral(" Velmarit für märklin-Digital"));
    QCOMPARE(w.minimumSize(), QSize(629, 495));
    QCOMPARE(w.maximumSize(), QSize(629, 495));
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(w.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(w.windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(w.font().family(), QStringLiteral("Arial"));
    QCOMPARE(w.font().pointSizeF(), 9.75);
    // The window does not place itself; the load step does.
    QVERIFY(!w.testAttribute(Qt::WA_Moved));
}

void TestWindow::colouredSurfaces()
{
    FrmVelmarit w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QImage shot = w.grab().toImage();
    QCOMPARE(shot.size(), QSize(629, 495));

    // Margins and the free corner top right are light blue.
    for (const QPoint p : {QPoint(5, 5), QPoint(620, 480), QPoint(600, 150), QPoint(8, 170)})
        QCOMPARE(shot.pixelColor(p), lightBlue);

    // Inside a panel, where nothing covers it: button face.
    const QColor face = QApplication::palette().color(QPalette::Window);
    QCOMPARE(shot.pixelColor(316, 29), face);

    // The panel looks raised: light along its top-left edge, dark along its
    // bottom-right edge.
    const QRect panel = w.pnlDelta->geometry();
    const int leftEdge = qGray(shot.pixel(panel.left(), panel.center().y()));
    const int rightEdge = qGray(shot.pixel(panel.right(), panel.center().y()));
    const int topEdge = qGray(shot.pixel(panel.center().x(), panel.top()));
    const int bottomEdge = qGray(shot.pixel(panel.center().x(), panel.bottom()));
    QVERIFY(leftEdge > rightEdge);
    QVERIFY(topEdge > bottomEdge);

    // A result label: black inside its frame, its text cyan.
    const QImage result = w.lblAnzeigeLokDelta->grab().toImage();
    QCOMPARE(result.pixelColor(3, 3), black);
    bool cyanInk = false;
    for (int y = 0; y < result.height() && !cyanInk; ++y)
        for (int x = 0; x < result.width() && !cyanInk; ++x)
            cyanInk = result.pixelColor(x, y) == cyan;
    QVERIFY(cyanInk);
}

void TestWindow::icon()
{
    FrmVelmarit w;
    const QImage got =
        w.windowIcon().pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage want = expectedIcon();
    QCOMPARE(got.size(), want.size());
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QRgb g = got.pixel(x, y);
            const QRgb e = want.pixel(x, y);
            const bool same = qAlpha(e) == 0 ? qAlpha(g) == 0 : g == e;
            QVERIFY2(same, qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
        }
}

void TestWindow::creditPicture()
{
    FrmVelmarit w;
    const QImage mark = w.imgCopyright->pixmap().toImage();
    QCOMPARE(mark.size(), QSize(51, 33));
    QVERIFY(mark.hasAlphaChannel());
    QCOMPARE(qAlpha(mark.pixel(0, 0)), 0);
    int opaque = 0;
    for (int y = 0; y < mark.height(); ++y)
        for (int x = 0; x < mark.width(); ++x)
            opaque += qAlpha(mark.pixel(x, y)) == 255;
    QVERIFY(opaque > 100);
    QVERIFY(opaque < 51 * 33);
}

void TestWindow::focusOrder()
{
    FrmVelmarit w;
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.txtSwitchLokDelta));

    const QStringList expected{
        "chkSwitchLokDelta(1)",
        "chkSwitchLokDelta(2)",
        "chkSwitchLokDelta(3)",
        "chkSwitchLokDelta(4)",
        "lstDelta",
        "txtSwitchLok",
        "chkSwitchLok(1)",
        "chkSwitchLok(2)",
        "chkSwitchLok(3)",
        "chkSwitchLok(4)",
        "chkSwitchLok(5)",
        "chkSwitchLok(6)",
        "chkSwitchLok(7)",
        "chkSwitchLok(8)",
        "txtDigital",
        "txtSwitchMA",
        "chkSwitchMA(1)",
        "chkSwitchMA(2)",
        "chkSwitchMA(3)",
        "chkSwitchMA(4)",
        "chkSwitchMA(5)",
        "chkSwitchMA(6)",
        "chkSwitchMA(7)",
        "chkSwitchMA(8)",
        "chkSwitchMA(9)",
        "chkSwitchMA(10)",
        "txtWeichen",
        "txtSwitchLokDelta",
    };
    QStringList visited;
    for (int i = 0; i < 28; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

void TestWindow::screenReaderTexts()
{
    FrmVelmarit w;
    auto name = [](QObject *o) {
        return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name);
    };
    auto description = [](QObject *o) {
        return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Description);
    };

    const QList<QCheckBox *> boxes = w.findChildren<QCheckBox *>();
    QCOMPARE(boxes.size(), 4 + 8 + 10);
    for (QCheckBox *box : boxes) {
        const QString number = box->objectName().section(u'(', 1).chopped(1);
        QCOMPARE(name(box), QStringLiteral("Schalter ") + number);
    }

    for (QWidget *input :
         {static_cast<QWidget *>(w.txtSwitchLokDelta), static_cast<QWidget *>(w.txtSwitchLok),
          static_cast<QWidget *>(w.txtDigital), static_cast<QWidget *>(w.txtSwitchMA),
          static_cast<QWidget *>(w.txtWeichen), static_cast<QWidget *>(w.lstDelta)})
        QVERIFY2(!input->accessibleName().isEmpty(), qPrintable(input->objectName()));

    // A result is read out as what it shows, and described besides.
    for (QLabel *result :
         {w.lblAdresseLokDelta, w.lblAnzeigeLokDelta, w.lblAdresseLok, w.lblAnzeigeLok, w.lblDelta,
          w.lblAdresseMA, w.lblAnzeigeMA, w.lblWeichen}) {
        QVERIFY(result->accessibleName().isEmpty());
        QVERIFY(!description(result).isEmpty());
    }
    w.txtSwitchMA->setText(QStringLiteral("2357"));
    QCOMPARE(name(w.lblAdresseMA), QStringLiteral("04"));
    QCOMPARE(name(w.lblAnzeigeLokDelta), QStringLiteral("analog"));
}

void TestWindow::emptyResultNames_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("text"); // typed into a text box; a check box is ticked
    QTest::addColumn<bool>("emptyAfter");

    const auto row = [](const char *tag, const char *label, const char *input, const char *text,
                        bool emptyAfter) {
        QTest::newRow(tag) << QString(label) << QString(input) << QString(text) << emptyAfter;
    };
    row("lok, typed switches", "lblAdresseLok", "txtSwitchLok", "1", false);
    row("lok, ticked switch", "lblAnzeigeLok", "chkSwitchLok(1)", "", false);
    row("lok, switches for an address", "lblDelta", "txtDigital", "12", false);
    row("lok, negative address", "lblDelta", "txtDigital", "-1", true);
    row("turnout, typed switches", "lblAdresseMA", "txtSwitchMA", "2357", false);
    row("turnout, ticked switch", "lblAnzeigeMA", "chkSwitchMA(1)", "", false);
    row("turnout, switches for an address", "lblWeichen", "txtWeichen", "12", false);
    row("turnout, hugely negative address", "lblWeichen", "txtWeichen", "-99999", true);
}

// An empty result is no result: a screen reader must not hear the caption of
// the frame around it ("decodieren", "codieren"), and a shown result is read
// out as shown.
void TestWindow::emptyResultNames()
{
    QFETCH(QString, label);
    QFETCH(QString, input);
    QFETCH(QString, text);
    QFETCH(bool, emptyAfter);
    FrmVelmarit w;
    auto *result = w.findChild<QLabel *>(label);
    QVERIFY(result);
    const QAccessibleInterface *readOut = QAccessible::queryAccessibleInterface(result);
    QCOMPARE(readOut->role(), QAccessible::StaticText);
    QVERIFY(!readOut->text(QAccessible::Description).isEmpty());

    // Empty before any input.
    QVERIFY(result->text().isEmpty());
    QCOMPARE(readOut->text(QAccessible::Name), QString());

    auto *box = w.findChild<QCheckBox *>(input);
    auto *edit = w.findChild<QLineEdit *>(input);
    QVERIFY(box || edit);
    // From a shown result back to an empty one must empty the name too.
    if (emptyAfter && edit)
        edit->setText(QStringLiteral("1"));
    box ? box->click() : edit->setText(text);
    QCOMPARE(result->text().isEmpty(), emptyAfter);
    QCOMPARE(readOut->text(QAccessible::Name), result->text());
}

namespace {

// Columns of `image` in `rect` that hold dark ink.
QList<int> inkColumns(const QImage &image, const QRect &rect)
{
    QList<int> columns;
    for (int x = rect.left(); x <= rect.right(); ++x)
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            if (qGray(image.pixel(x, y)) < 128) {
                columns.append(x);
                break;
            }
    return columns;
}

// The first ink column after the widest gap: where the second column starts.
int secondColumnStart(const QList<int> &columns)
{
    int widest = 0, start = -1;
    for (int i = 1; i < columns.size(); ++i)
        if (columns[i] - columns[i - 1] > widest) {
            widest = columns[i] - columns[i - 1];
            start = columns[i];
        }
    return start;
}

} // namespace

void TestWindow::listHeadingAlignsWithSecondColumn()
{
    FrmVelmarit w;
    w.subSchreibeListen();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QImage shot = w.grab().toImage();

    const QRect heading(w.Label[19]->mapTo(&w, QPoint(0, 0)), w.Label[19]->size());
    const QRect item = w.lstDelta->visualItemRect(w.lstDelta->item(0));
    const QRect row(w.lstDelta->viewport()->mapTo(&w, item.topLeft()), item.size());

    const int headingColumn = secondColumnStart(inkColumns(shot, heading));
    const int listColumn = secondColumnStart(inkColumns(shot, row));
    QVERIFY(headingColumn > heading.left());
    QVERIFY2(std::abs(headingColumn - listColumn) <= 2,
             qPrintable(QStringLiteral("heading %1, list %2").arg(headingColumn).arg(listColumn)));
}

void TestWindow::backgroundDoubleClick_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QPoint>("where");
    QTest::addColumn<int>("emitted");

    QTest::newRow("top-left margin") << "frmVelmarit" << QPoint(5, 5) << 1;
    QTest::newRow("bottom-right margin") << "frmVelmarit" << QPoint(620, 488) << 1;
    QTest::newRow("between panels") << "frmVelmarit" << QPoint(8, 170) << 1;
    QTest::newRow("free corner top right") << "frmVelmarit" << QPoint(600, 150) << 1;
    QTest::newRow("panel") << "pnlDelta" << QPoint(390, 5) << 0;
    QTest::newRow("frame") << "frmDelta(0)" << QPoint(150, 95) << 0;
    QTest::newRow("heading, beside its text") << "Label(28)" << QPoint(105, 20) << 0;
    QTest::newRow("release label, beside its text") << "lblRelease" << QPoint(130, 18) << 0;
    QTest::newRow("credit label") << "lblCopyright" << QPoint(3, 3) << 0;
    QTest::newRow("credit picture, transparent corner") << "imgCopyright" << QPoint(0, 0) << 0;
    QTest::newRow("result label") << "lblAnzeigeLok" << QPoint(20, 10) << 0;
    QTest::newRow("text box") << "txtSwitchLok" << QPoint(10, 10) << 0;
    QTest::newRow("check box") << "chkSwitchMA(3)" << QPoint(6, 6) << 0;
    QTest::newRow("list") << "lstDelta" << QPoint(20, 20) << 0;
}

void TestWindow::backgroundDoubleClick()
{
    QFETCH(QString, target);
    QFETCH(QPoint, where);
    QFETCH(int, emitted);

    FrmVelmarit w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QWidget *widget = target == w.objectName() ? &w : w.findChild<QWidget *>(target);
    QVERIFY(widget);
    QVERIFY(widget->rect().contains(where));

    QSignalSpy spy(&w, &FrmVelmarit::backgroundDoubleClicked);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, where);
    QCOMPARE(spy.count(), emitted);
}

void TestWindow::copyrightClick()
{
    FrmVelmarit w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QSignalSpy clicks(&w, &FrmVelmarit::copyrightClicked);
    QSignalSpy background(&w, &FrmVelmarit::backgroundDoubleClicked);

    QTest::mouseClick(w.imgCopyright, Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(clicks.count(), 1);

    QTest::mouseClick(w.imgCopyright, Qt::RightButton, {}, QPoint(20, 10));
    QCOMPARE(clicks.count(), 1);

    // Pressed on the picture, released away from it: no click.
    QTest::mousePress(w.imgCopyright, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseRelease(w.imgCopyright, Qt::LeftButton, {}, QPoint(200, 100));
    QCOMPARE(clicks.count(), 1);

    // A double click (press, release, a second press that arrives as the
    // double click, release) is one click, and no background double click.
    QTest::mouseClick(w.imgCopyright, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseDClick(w.imgCopyright, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseRelease(w.imgCopyright, Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(background.count(), 0);

    w.imgCopyright->setToolTip(QStringLiteral(" programmed by someone "));
    QCOMPARE(w.imgCopyright->toolTip(), QStringLiteral(" programmed by someone "));
}

void TestWindow::closingIsAnnounced()
{
    FrmVelmarit w;
    w.show();
    QSignalSpy spy(&w, &FrmVelmarit::closing);
    QVERIFY(w.close());
    QCOMPARE(spy.count(), 1);
    QVERIFY(!w.isVisible());
}

void TestWindow::pixelsFromTwips()
{
    using velmarit::layout::twipsToPixels;
    // Whole pixels, and the nearest pixel for the odd value between them.
    QCOMPARE(twipsToPixels(0), 0);
    QCOMPARE(twipsToPixels(15), 1);
    QCOMPARE(twipsToPixels(2115), 141);
    QCOMPARE(twipsToPixels(7), 0);
    QCOMPARE(twipsToPixels(8), 1);
    QCOMPARE(twipsToPixels(22), 1);
    QCOMPARE(twipsToPixels(23), 2);
    QCOMPARE(twipsToPixels(-300), -20);
    QCOMPARE(twipsToPixels(-8), -1);
    QCOMPARE(velmarit::layout::clientWidth, 629);
    QCOMPARE(velmarit::layout::clientHeight, 495);
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
