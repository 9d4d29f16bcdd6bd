// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as it is first shown: every control in its container with its
// font, colours and initial text; where the controls stand, by the places
// the form documents in twips and by how they stand to each other; the
// focus order; the icon; and which clicks on the window mean something.

#include "ui/frmvelmarit.h"
#include "ui/layout.h"
#include "windowcontrols.h"

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
using velmarit::testing::namedChild;
using velmarit::testing::WindowControls;

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

void addRow(const char *name, const char *container, const QString &text, Face face,
            QColor fore = noColour, QColor back = noColour, int maxLength = noLimit)
{
    QTest::newRow(name) << QString::fromLatin1(container) << text
                        << QString::fromLatin1(face.family) << face.points << face.bold << fore
                        << back << maxLength;
}

QString indexed(const char *array, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

void addSwitchRows(const char *array, const char *container, int count)
{
    for (int sw = 1; sw <= count; ++sw)
        addRow(qPrintable(indexed(array, sw)), container, QString(), switchFace);
}

// The switch numbers "1" to `count` are Label(firstIndex) onwards.
void addNumberRows(int firstIndex, const char *container, int count, QColor fore)
{
    for (int number = 1; number <= count; ++number)
        addRow(qPrintable(indexed("Label", firstIndex + number - 1)), container,
               QString::number(number), arial, fore);
}

// A control's place in the window's client area.
QRect inWindow(const QWidget *control, const QWidget *window)
{
    return QRect(control->mapTo(window, QPoint(0, 0)), control->size());
}

// The controls the layout names, without Qt's own helpers (a list's
// viewport and scroll bars carry no name or one starting with "qt_").
QList<QWidget *> namedControls(const QWidget &parent, Qt::FindChildOptions options)
{
    QList<QWidget *> named;
    for (QWidget *c : parent.findChildren<QWidget *>(QString(), options))
        if (!c->objectName().isEmpty() && !c->objectName().startsWith(u"qt_"))
            named.append(c);
    return named;
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
    void documentedPlaces_data();
    void documentedPlaces();
    void siblingsDoNotOverlap();
    void panelsStackedOnOneLeftEdge();
    void framesSideBySide_data();
    void framesSideBySide();
    void switchesBelowTheirNumbers_data();
    void switchesBelowTheirNumbers();
    void decodeFramesShareOneArrangement();
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
};

void TestWindow::controls_data()
{
    QTest::addColumn<QString>("container");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("fore");
    QTest::addColumn<QColor>("back");
    QTest::addColumn<int>("maxLength");

    const QString none; // a control without a caption of its own
    const QString empty = QStringLiteral("");

    addRow("pnlWeichen", "frmVelmarit", none, arial);
    addRow("pnlDigital", "frmVelmarit", none, arial);
    addRow("pnlDelta", "frmVelmarit", none, arial);
    addRow("lblRelease", "frmVelmarit", "lblRelease", arial, white);
    addRow("lblCopyright", "frmVelmarit", "programmed by ", creditFace, white);
    addRow("imgCopyright", "frmVelmarit", none, arial);

    addRow("frmDelta(1)", "pnlDelta", " codieren ", arial);
    addRow("lstDelta", "frmDelta(1)", none, arial);
    addRow("Label(19)", "frmDelta(1)", "Adresse  Switch ON", arial, darkBlue);
    addRow("frmDelta(0)", "pnlDelta", " decodieren ", arial);
    addRow("txtSwitchLokDelta", "frmDelta(0)", empty, arial, noColour, noColour, 4);
    addSwitchRows("chkSwitchLokDelta", "frmDelta(0)", 4);
    addRow("lblAdresseLokDelta", "frmDelta(0)", "analog", resultFace, cyan, black);
    addNumberRows(20, "frmDelta(0)", 4, darkBlue);
    addRow("lblAnzeigeLokDelta", "frmDelta(0)", "analog", resultFace, cyan, black);
    addRow("Label(28)", "pnlDelta", "Delta-Decoder", arialBold);

    addRow("frmDigital(1)", "pnlDigital", " codieren ", arial);
    addRow("txtDigital", "frmDigital(1)", empty, arial, noColour, noColour, 2);
    addRow("Label(26)", "frmDigital(1)", "Switch ON", arial, darkBlue);
    addRow("Label(27)", "frmDigital(1)", "Adresse", arial, darkBlue);
    addRow("lblDelta", "frmDigital(1)", empty, arialBold, cyan, black);
    addRow("frmDigital(0)", "pnlDigital", " decodieren ", arial);
    addSwitchRows("chkSwitchLok", "frmDigital(0)", 8);
    addRow("txtSwitchLok", "frmDigital(0)", empty, arial, noColour, noColour, 4);
    addNumberRows(0, "frmDigital(0)", 8, black);
    addRow("lblAnzeigeLok", "frmDigital(0)", empty, resultFace, cyan, black);
    addRow("lblAdresseLok", "frmDigital(0)", empty, resultFace, white, black);
    addRow("Label(24)", "pnlDigital", "Digital-Decoder", arialBold);

    addRow("frmWeichen(1)", "pnlWeichen", " codieren ", arial);
    addRow("txtWeichen", "frmWeichen(1)", empty, arial, noColour, noColour, unlimited);
    addRow("Label(29)", "frmWeichen(1)", "Adresse", arial, darkBlue);
    addRow("Label(25)", "frmWeichen(1)", "Switch ON", arial, darkBlue);
    addRow("lblWeichen", "frmWeichen(1)", empty, arialBold, cyan, black);
    addRow("frmWeichen(0)", "pnlWeichen", " decodieren ", arial);
    addRow("txtSwitchMA", "frmWeichen(0)", empty, arial, noColour, noColour, 6);
    addSwitchRows("chkSwitchMA", "frmWeichen(0)", 10);
    addRow("lblAdresseMA", "frmWeichen(0)", empty, resultFace, white, black);
    addRow("lblAnzeigeMA", "frmWeichen(0)", empty, resultFace, cyan, black);
    addNumberRows(8, "frmWeichen(0)", 10, black);
    addRow("Label(18)", "pnlWeichen", "Weichen-Decoder", arialBold);
}

void TestWindow::controls()
{
    QFETCH(QString, container);
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
        QCOMPARE(list->count(), 15); // the fixed Delta table, filled by its panel

    // Fully inside its container, and so inside the client area.
    QVERIFY2(c->parentWidget()->rect().contains(c->geometry()), qPrintable(name));
    QVERIFY2(w.rect().contains(inWindow(c, &w)), qPrintable(name));
}

void TestWindow::controlCount()
{
    FrmVelmarit w;
    QCOMPARE(namedControls(w, Qt::FindChildrenRecursively).size(), 78);
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
    const QRect panel = WindowControls(w).pnlDelta->geometry();
    const int leftEdge = qGray(shot.pixel(panel.left(), panel.center().y()));
    const int rightEdge = qGray(shot.pixel(panel.right(), panel.center().y()));
    const int topEdge = qGray(shot.pixel(panel.center().x(), panel.top()));
    const int bottomEdge = qGray(shot.pixel(panel.center().x(), panel.bottom()));
    QVERIFY(leftEdge > rightEdge);
    QVERIFY(topEdge > bottomEdge);

    // A result label: black inside its frame, its text cyan.
    const QImage result = WindowControls(w).lblAnzeigeLokDelta->grab().toImage();
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
    const QImage mark = WindowControls(w).imgCopyright->pixmap().toImage();
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
    QCOMPARE(QApplication::focusWidget(),
             static_cast<QWidget *>(WindowControls(w).txtSwitchLokDelta));

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
    FrmVelmarit window;
    const WindowControls w(window);
    auto name = [](QObject *o) {
        return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name);
    };
    auto description = [](QObject *o) {
        return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Description);
    };

    const QList<QCheckBox *> boxes = window.findChildren<QCheckBox *>();
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
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QImage shot = w.grab().toImage();

    const WindowControls c(w);
    const QRect heading = inWindow(c.lstDeltaHeading, &w);
    const QRect item = c.lstDelta->visualItemRect(c.lstDelta->item(0));
    const QRect row(c.lstDelta->viewport()->mapTo(&w, item.topLeft()), item.size());

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
    velmarit::CreditMark *const picture = WindowControls(w).imgCopyright;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QSignalSpy clicks(&w, &FrmVelmarit::copyrightClicked);
    QSignalSpy background(&w, &FrmVelmarit::backgroundDoubleClicked);

    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(clicks.count(), 1);

    QTest::mouseClick(picture, Qt::RightButton, {}, QPoint(20, 10));
    QCOMPARE(clicks.count(), 1);

    // Pressed on the picture, released away from it: no click.
    QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(200, 100));
    QCOMPARE(clicks.count(), 1);

    // A double click (press, release, a second press that arrives as the
    // double click, release) is one click, and no background double click.
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseDClick(picture, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(background.count(), 0);

    picture->setToolTip(QStringLiteral(" programmed by someone "));
    QCOMPARE(picture->toolTip(), QStringLiteral(" programmed by someone "));
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

// Places as the form documents them, in twips from the top-left corner of
// the container's client area, 15 twips to the pixel at 96 dpi: each edge
// within half a pixel of the documented one.
void TestWindow::documentedPlaces_data()
{
    QTest::addColumn<QList<int>>("twips"); // left, top, width, height

    QTest::newRow("pnlDelta") << QList<int>{240, 210, 5925, 2235};
    QTest::newRow("pnlDigital") << QList<int>{240, 2670, 7875, 2145};
    QTest::newRow("pnlWeichen") << QList<int>{240, 5040, 9015, 2115};
    QTest::newRow("frmDelta(0)") << QList<int>{150, 510, 3165, 1575};
    QTest::newRow("frmDelta(1)") << QList<int>{3480, 510, 2295, 1575};
    QTest::newRow("frmDigital(0)") << QList<int>{150, 510, 4755, 1455};
    QTest::newRow("frmDigital(1)") << QList<int>{5070, 510, 2505, 1455};
    QTest::newRow("frmWeichen(0)") << QList<int>{150, 510, 5475, 1455};
    QTest::newRow("frmWeichen(1)") << QList<int>{5790, 510, 3045, 1455};
    QTest::newRow("imgCopyright") << QList<int>{8370, 150, 765, 495};
    QTest::newRow("lstDelta") << QList<int>{150, 660, 1935, 780};
    QTest::newRow("txtWeichen") << QList<int>{1290, 390, 705, 360};
    QTest::newRow("lblAnzeigeMA") << QList<int>{1740, 900, 3555, 345};
    QTest::newRow("chkSwitchMA(10)") << QList<int>{5070, 600, 195, 195};
}

void TestWindow::documentedPlaces()
{
    QFETCH(QList<int>, twips);
    FrmVelmarit w;
    const QRect got =
        namedChild<QWidget>(w, QString::fromLatin1(QTest::currentDataTag()))->geometry();
    const QList<int> pixels{got.x(), got.y(), got.width(), got.height()};
    for (int i = 0; i < 4; ++i)
        QVERIFY2(
            std::abs(pixels[i] * 15 - twips[i]) <= 7,
            qPrintable(
                QStringLiteral("edge %1: %2 px for %3 twips").arg(i).arg(pixels[i]).arg(twips[i])));
}

// No control hides part of another in the same container.
void TestWindow::siblingsDoNotOverlap()
{
    FrmVelmarit w;
    QList<QWidget *> containers{&w};
    containers.append(namedControls(w, Qt::FindChildrenRecursively));
    for (const QWidget *container : containers) {
        const QList<QWidget *> siblings = namedControls(*container, Qt::FindDirectChildrenOnly);
        for (int i = 0; i < siblings.size(); ++i)
            for (int j = i + 1; j < siblings.size(); ++j)
                QVERIFY2(!siblings[i]->geometry().intersects(siblings[j]->geometry()),
                         qPrintable(siblings[i]->objectName() + QStringLiteral(" and ") +
                                    siblings[j]->objectName()));
    }
}

// Delta at the top, Digital in the middle, Weichen at the bottom, on one
// left edge and wider from top to bottom; the credit corner right of the
// top panel.
void TestWindow::panelsStackedOnOneLeftEdge()
{
    FrmVelmarit w;
    const WindowControls c(w);
    const QRect delta = c.pnlDelta->geometry();
    const QRect digital = c.pnlDigital->geometry();
    const QRect weichen = c.pnlWeichen->geometry();
    QVERIFY(delta.bottom() < digital.top());
    QVERIFY(digital.bottom() < weichen.top());
    QCOMPARE(digital.left(), delta.left());
    QCOMPARE(weichen.left(), delta.left());
    QVERIFY(delta.width() < digital.width());
    QVERIFY(digital.width() < weichen.width());
    for (const QWidget *corner :
         {static_cast<QWidget *>(c.lblRelease), static_cast<QWidget *>(c.lblCopyright),
          static_cast<QWidget *>(c.imgCopyright)}) {
        QVERIFY2(corner->x() > delta.right(), qPrintable(corner->objectName()));
        QVERIFY2(corner->geometry().bottom() < digital.top(), qPrintable(corner->objectName()));
    }
}

void TestWindow::framesSideBySide_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("frames"); // frames(0) decodes, frames(1) encodes
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("headingText");

    QTest::newRow("Delta") << "pnlDelta"
                           << "frmDelta"
                           << "Label(28)"
                           << "Delta-Decoder";
    QTest::newRow("Digital") << "pnlDigital"
                             << "frmDigital"
                             << "Label(24)"
                             << "Digital-Decoder";
    QTest::newRow("Weichen") << "pnlWeichen"
                             << "frmWeichen"
                             << "Label(18)"
                             << "Weichen-Decoder";
}

// Each panel: its bold heading top left, above the frame " decodieren " on
// the left and the frame " codieren " on the right, both of one height.
void TestWindow::framesSideBySide()
{
    QFETCH(QString, panel);
    QFETCH(QString, frames);
    QFETCH(QString, heading);
    QFETCH(QString, headingText);

    FrmVelmarit w;
    const auto *decode = namedChild<QGroupBox>(w, frames + QStringLiteral("(0)"));
    const auto *encode = namedChild<QGroupBox>(w, frames + QStringLiteral("(1)"));
    const auto *title = namedChild<QLabel>(w, heading);
    for (const QWidget *c :
         {static_cast<const QWidget *>(decode), static_cast<const QWidget *>(encode),
          static_cast<const QWidget *>(title)})
        QCOMPARE(c->parentWidget()->objectName(), panel);

    QCOMPARE(decode->title(), QStringLiteral(" decodieren "));
    QCOMPARE(encode->title(), QStringLiteral(" codieren "));
    QVERIFY(decode->geometry().right() < encode->geometry().left());
    QCOMPARE(encode->y(), decode->y());
    QCOMPARE(encode->height(), decode->height());

    QCOMPARE(title->text(), headingText);
    QVERIFY(title->font().bold());
    QVERIFY(title->geometry().bottom() < decode->y());
    QVERIFY(title->x() <= decode->x());
}

void TestWindow::switchesBelowTheirNumbers_data()
{
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<int>("firstNumberLabel");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("pairs"); // grouped in pairs, else evenly spaced

    QTest::newRow("Delta") << "chkSwitchLokDelta" << 20 << 4 << false;
    QTest::newRow("Digital") << "chkSwitchLok" << 0 << 8 << true;
    QTest::newRow("Weichen") << "chkSwitchMA" << 8 << 10 << true;
}

// Switch box k stands right under the label "k"; the locomotive and turnout
// boxes are grouped visibly in pairs, the four Delta boxes evenly spaced.
void TestWindow::switchesBelowTheirNumbers()
{
    QFETCH(QString, boxes);
    QFETCH(int, firstNumberLabel);
    QFETCH(int, count);
    QFETCH(bool, pairs);

    FrmVelmarit w;
    QList<int> lefts;
    for (int k = 1; k <= count; ++k) {
        const auto *box = namedChild<QCheckBox>(w, indexed(qPrintable(boxes), k));
        const auto *number = namedChild<QLabel>(w, indexed("Label", firstNumberLabel + k - 1));
        QCOMPARE(number->text(), QString::number(k));
        QCOMPARE(number->parentWidget(), box->parentWidget());
        QVERIFY2(number->geometry().bottom() < box->y(), qPrintable(number->objectName()));
        const int centre = number->geometry().center().x();
        QVERIFY2(box->x() <= centre && centre <= box->geometry().right(),
                 qPrintable(number->objectName()));
        lefts.append(box->x());
    }
    for (int k = 1; k + 1 < count; ++k) {
        const int gap = lefts[k] - lefts[k - 1];
        const int next = lefts[k + 1] - lefts[k];
        if (!pairs)
            QCOMPARE(next, gap);
        else if (k % 2 == 1) // from the first of a pair to the second, then on to the next pair
            QVERIFY2(gap < next, qPrintable(QStringLiteral("switch %1").arg(k + 1)));
    }
}

// The three decode frames: the switch-number box at the same place, the
// switch row to its right, and below both the box's result on the left and
// the switches' result on the right.
void TestWindow::decodeFramesShareOneArrangement()
{
    FrmVelmarit w;
    const WindowControls c(w);
    struct Frame
    {
        const QLineEdit *text;
        const QCheckBox *firstSwitch;
        const QLabel *textResult;
        const QLabel *switchResult;
    };
    const Frame frames[] = {
        {c.txtSwitchLokDelta, c.chkSwitchLokDelta[1], c.lblAdresseLokDelta, c.lblAnzeigeLokDelta},
        {c.txtSwitchLok, c.chkSwitchLok[1], c.lblAdresseLok, c.lblAnzeigeLok},
        {c.txtSwitchMA, c.chkSwitchMA[1], c.lblAdresseMA, c.lblAnzeigeMA},
    };
    for (const Frame &f : frames) {
        const QString name = f.text->objectName();
        QCOMPARE(f.text->geometry(), frames[0].text->geometry());
        QCOMPARE(f.textResult->x(), frames[0].textResult->x());
        QCOMPARE(f.textResult->width(), frames[0].textResult->width());
        QCOMPARE(f.switchResult->x(), frames[0].switchResult->x());
        QVERIFY2(f.firstSwitch->x() > f.text->geometry().right(), qPrintable(name));
        QCOMPARE(f.textResult->y(), f.switchResult->y());
        QVERIFY2(f.textResult->y() > f.text->geometry().bottom(), qPrintable(name));
        QVERIFY2(f.switchResult->y() > f.firstSwitch->geometry().bottom(), qPrintable(name));
        QVERIFY2(f.switchResult->x() > f.textResult->geometry().right(), qPrintable(name));
    }
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
