// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as it is first shown: each kind of control with its face,
// colours and initial text; how the controls stand to each other; the focus
// order; the icon; and which clicks on the window mean something. In every
// language: its texts, read as a screen reader reads them too, and each
// within the room its control has.

#include "germanwords.h"
#include "language/qtexts.h"
#include "shell/programinfo.h"
#include "ui/frmvelmarit.h"
#include "windowcontrols.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <utility>

using velmarit::filled;
using velmarit::FrmVelmarit;
using velmarit::Texts;
using velmarit::toQString;
using velmarit::testing::namedChild;
using velmarit::testing::WindowControls;

Q_DECLARE_METATYPE(const Texts *)

namespace {

struct Face
{
    const char *family;
    double points;
    bool bold;
};

// The faces the window was drawn with; where a face is missing the nearest
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

QString indexed(const char *array, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

// "array(first)" to "array(last)".
QStringList indexed(const char *array, int first, int last)
{
    QStringList names;
    for (int index = first; index <= last; ++index)
        names << indexed(array, index);
    return names;
}

// The controls by what they are to the user: each kind has one face and one
// pair of colours, `fore` the style's text colour where it is invalid, and a
// label is transparent where `back` is invalid. Where the kind has a `text`,
// all of its controls start with it; the other captions are checked with
// the arrangement they belong to further down.
struct Kind
{
    const char *name;
    Face face;
    QColor fore;
    QColor back;
    const char *text;
    QStringList controls;
};

QStringList names(const char *list)
{
    return QString::fromLatin1(list).split(u' ');
}

QList<Kind> kinds()
{
    const QColor transparent = noColour;
    return {
        {"panels and frames", arial, noColour, transparent, nullptr,
         names("pnlDelta pnlDigital pnlWeichen frmDelta(0) frmDelta(1) frmDigital(0) frmDigital(1) "
               "frmWeichen(0) frmWeichen(1)")},
        {"panel headings", arialBold, noColour, transparent, nullptr,
         names("Label(28) Label(24) Label(18)")},
        {"captions in the frames", arial, darkBlue, transparent, nullptr,
         names("Label(19) Label(25) Label(26) Label(27) Label(29)")},
        {"Delta switch numbers", arial, darkBlue, transparent, nullptr, indexed("Label", 20, 23)},
        {"locomotive and turnout switch numbers", arial, black, transparent, nullptr,
         indexed("Label", 0, 17)},
        {"switch boxes, unticked", switchFace, noColour, transparent, "",
         indexed("chkSwitchLokDelta", 1, 4) + indexed("chkSwitchLok", 1, 8) +
             indexed("chkSwitchMA", 1, 10)},
        {"text boxes, empty", arial, noColour, transparent, "",
         names("txtSwitchLokDelta txtSwitchLok txtSwitchMA txtDigital txtWeichen")},
        {"Delta list", arial, noColour, transparent, nullptr, names("lstDelta")},
        // No switch ON is the Delta decoder's analog mode.
        {"Delta results", resultFace, cyan, black, "analog",
         names("lblAdresseLokDelta lblAnzeigeLokDelta")},
        {"results of the ticked switches", resultFace, cyan, black, "",
         names("lblAnzeigeLok lblAnzeigeMA")},
        {"results of the typed switches, before any input", resultFace, white, black, "",
         names("lblAdresseLok lblAdresseMA")},
        {"switches for an address", arialBold, cyan, black, "", names("lblDelta lblWeichen")},
        // Until the load step writes the release.
        {"release caption", arial, white, transparent, "lblRelease", names("lblRelease")},
        {"credit caption", creditFace, white, transparent, "programmed by ", names("lblCopyright")},
    };
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

QStringList sortedNames(const QList<QWidget *> &controls)
{
    QStringList sorted;
    for (const QWidget *c : controls)
        sorted << c->objectName();
    sorted.sort();
    return sorted;
}

// Opaque pixels by their colour; every transparent pixel counts as one.
QRgb normalised(QRgb pixel)
{
    return qAlpha(pixel) == 0 ? 0u : (pixel | 0xFF000000u);
}

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void looks_data();
    void looks();
    void everyControlHasOneKind();
    void textBoxLimits_data();
    void textBoxLimits();
    void everyControlInsideItsContainer();
    void siblingsDoNotOverlap();
    void panelsStackedOnOneLeftEdge();
    void framesSideBySide_data();
    void framesSideBySide();
    void encodeFramesReadAddressThenSwitches();
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
    void speaksItsLanguage_data();
    void speaksItsLanguage();
    void textsFit_data();
    void textsFit();
};

void TestWindow::looks_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("fore");
    QTest::addColumn<QColor>("back");
    QTest::addColumn<bool>("sameText");
    QTest::addColumn<QString>("text");

    for (const Kind &kind : kinds())
        for (const QString &name : kind.controls)
            QTest::newRow(qPrintable(name + QStringLiteral(", ") + QLatin1String(kind.name)))
                << name << QString::fromLatin1(kind.face.family) << kind.face.points
                << kind.face.bold << kind.fore << kind.back << (kind.text != nullptr)
                << QString::fromUtf8(kind.text);
}

void TestWindow::looks()
{
    QFETCH(QString, control);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(QColor, fore);
    QFETCH(QColor, back);
    QFETCH(bool, sameText);
    QFETCH(QString, text);

    FrmVelmarit w;
    const QWidget *c = namedChild<QWidget>(w, control);

    const QFont f = c->font();
    QCOMPARE(f.family(), family);
    QCOMPARE(f.pointSizeF(), points);
    QCOMPARE(f.weight(), bold ? QFont::Bold : QFont::Normal);
    QVERIFY(!f.italic() && !f.underline() && !f.strikeOut());

    if (const auto *label = qobject_cast<const QLabel *>(c)) {
        if (sameText)
            QCOMPARE(label->text(), text);
        QCOMPARE(label->palette().color(QPalette::WindowText),
                 fore.isValid() ? fore : QApplication::palette().color(QPalette::WindowText));
        if (back.isValid()) {
            // A result: opaque, framed, bold, centred.
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
    if (const auto *box = qobject_cast<const QLineEdit *>(c)) {
        QVERIFY(sameText);
        QCOMPARE(box->text(), text);
        QVERIFY(box->alignment() & Qt::AlignHCenter);
    }
    if (const auto *check = qobject_cast<const QCheckBox *>(c)) {
        QVERIFY(sameText);
        QCOMPARE(check->text(), text);
        QVERIFY(!check->isChecked());
    }
    if (const auto *list = qobject_cast<const QListWidget *>(c))
        QCOMPARE(list->count(), 15); // the fixed Delta table, filled by its panel
}

// Each control is of one kind above, and none is left out (the credit
// picture, which shows no text, aside).
void TestWindow::everyControlHasOneKind()
{
    FrmVelmarit w;
    QStringList listed{QStringLiteral("imgCopyright")};
    for (const Kind &kind : kinds())
        listed += kind.controls;
    listed.sort();
    QCOMPARE(listed.size(), 78);
    QVERIFY(std::adjacent_find(listed.cbegin(), listed.cend()) == listed.cend());
    QCOMPARE(sortedNames(namedControls(w, Qt::FindChildrenRecursively)), listed);
}

void TestWindow::textBoxLimits_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("maxLength"); // 0: no limit

    QTest::newRow("Delta switch numbers") << "txtSwitchLokDelta" << 4;
    QTest::newRow("locomotive switch numbers") << "txtSwitchLok" << 4;
    QTest::newRow("turnout switch numbers") << "txtSwitchMA" << 6;
    QTest::newRow("locomotive address") << "txtDigital" << 2;
    QTest::newRow("turnout address") << "txtWeichen" << 0;
}

void TestWindow::textBoxLimits()
{
    QFETCH(QString, box);
    QFETCH(int, maxLength);
    FrmVelmarit w;
    const int limit = namedChild<QLineEdit>(w, box)->maxLength();
    if (maxLength == 0)
        QVERIFY(limit >= (1 << 24));
    else
        QCOMPARE(limit, maxLength);
}

// Every control lies fully inside its container, and so inside the client
// area; the window itself holds the three panels and the credit corner.
void TestWindow::everyControlInsideItsContainer()
{
    FrmVelmarit w;
    for (const QWidget *c : namedControls(w, Qt::FindChildrenRecursively)) {
        QVERIFY2(c->parentWidget()->rect().contains(c->geometry()), qPrintable(c->objectName()));
        QVERIFY2(w.rect().contains(inWindow(c, &w)), qPrintable(c->objectName()));
    }
    QCOMPARE(sortedNames(namedControls(w, Qt::FindDirectChildrenOnly)),
             (QStringList{"imgCopyright", "lblCopyright", "lblRelease", "pnlDelta", "pnlDigital",
                          "pnlWeichen"}));
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

// The window shows the program's icon as it is installed (the 16 x 16
// picture in packaging/icons), on a transparent ground around an opaque
// switch block.
void TestWindow::icon()
{
    FrmVelmarit w;
    QVERIFY(w.windowIcon().availableSizes().contains(QSize(16, 16)));
    const QImage shown =
        w.windowIcon().pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage installed = QImage(QStringLiteral(VELMARIT_ICON_DIR "/velmarit-16.png"))
                                 .convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(shown.size(), QSize(16, 16));
    QCOMPARE(installed.size(), shown.size());

    QVERIFY(shown.hasAlphaChannel());
    for (const QPoint corner : {QPoint(0, 0), QPoint(15, 0), QPoint(0, 15), QPoint(15, 15)})
        QCOMPARE(qAlpha(shown.pixel(corner)), 0);
    QCOMPARE(qAlpha(shown.pixel(8, 8)), 255);

    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            QVERIFY2(normalised(shown.pixel(x, y)) == normalised(installed.pixel(x, y)),
                     qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
}

void TestWindow::creditPicture()
{
    FrmVelmarit w;
    const QImage mark = WindowControls(w).imgCopyright->pixmap().toImage();
    QCOMPARE(mark.size(), QSize(51, 33));
    // The whole mark shows.
    const QSize place = WindowControls(w).imgCopyright->size();
    QVERIFY2(place.width() >= mark.width() && place.height() >= mark.height(),
             qPrintable(QStringLiteral("%1 x %2").arg(place.width()).arg(place.height())));
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

// The Delta list stands right under its heading "Adresse  Switch ON", on
// its left edge, and each row's switches start under "Switch".
void TestWindow::listHeadingAlignsWithSecondColumn()
{
    FrmVelmarit w;
    const WindowControls c(w);
    QCOMPARE(c.lstDeltaHeading->text(), QStringLiteral("Adresse  Switch ON"));
    QCOMPARE(c.lstDeltaHeading->parentWidget(), c.lstDelta->parentWidget());
    QCOMPARE(c.lstDeltaHeading->x(), c.lstDelta->x());
    QVERIFY(c.lstDeltaHeading->geometry().bottom() < c.lstDelta->y());

    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QImage shot = w.grab().toImage();

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
// top panel, read from the top: the picture, over the right-hand end of
// the right-aligned credit caption, then that caption, the release last.
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
    const QRect picture = c.imgCopyright->geometry();
    const QRect credit = c.lblCopyright->geometry();
    QVERIFY(picture.bottom() < credit.top());
    QVERIFY(credit.bottom() < c.lblRelease->y());
    QVERIFY(c.lblCopyright->alignment() & Qt::AlignRight);
    QVERIFY(credit.center().x() < picture.left() && picture.right() <= credit.right());
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

namespace {

// The one label of `frame` that reads `caption`.
const QLabel *captionIn(const QWidget *frame, const QString &caption)
{
    const QLabel *found = nullptr;
    for (const QLabel *label : frame->findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
        if (label->text() != caption)
            continue;
        if (found != nullptr)
            return nullptr;
        found = label;
    }
    return found;
}

} // namespace

// The locomotive and turnout encode frames read as two rows: "Adresse" and
// the box to type the address into, then "Switch ON" and the switches for
// it. Each caption stands left of what it names, its middle within that
// control's height; the captions line up in one column, the box and the
// result in another.
void TestWindow::encodeFramesReadAddressThenSwitches()
{
    FrmVelmarit w;
    const WindowControls c(w);
    const std::pair<const QLineEdit *, const QLabel *> frames[] = {{c.txtDigital, c.lblDelta},
                                                                   {c.txtWeichen, c.lblWeichen}};
    for (const auto &[address, switches] : frames) {
        const QWidget *frame = address->parentWidget();
        QCOMPARE(switches->parentWidget(), frame);
        const QLabel *addressCaption = captionIn(frame, QStringLiteral("Adresse"));
        const QLabel *switchesCaption = captionIn(frame, QStringLiteral("Switch ON"));
        QVERIFY2(addressCaption != nullptr && switchesCaption != nullptr,
                 qPrintable(frame->objectName()));

        const std::pair<const QWidget *, const QWidget *> rows[] = {{addressCaption, address},
                                                                    {switchesCaption, switches}};
        for (const auto &[caption, control] : rows) {
            const QString pair =
                caption->objectName() + QStringLiteral(" and ") + control->objectName();
            QVERIFY2(caption->geometry().right() < control->x(), qPrintable(pair));
            const int middle = caption->geometry().center().y();
            QVERIFY2(control->y() <= middle && middle <= control->geometry().bottom(),
                     qPrintable(pair));
        }
        QVERIFY2(address->geometry().bottom() < switches->y(), qPrintable(frame->objectName()));
        QCOMPARE(switchesCaption->x(), addressCaption->x());
        QCOMPARE(switches->x(), address->x());
    }
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

// The three decode frames: at one place in their panels, the switch-number
// box at the same place in each, the row of switch boxes (small squares of
// one size) to its right, and below both the box's result on the left and
// the switches' result on the right, under the whole row of switches.
void TestWindow::decodeFramesShareOneArrangement()
{
    FrmVelmarit w;
    const WindowControls c(w);
    struct Frame
    {
        const QLineEdit *text;
        QList<const QCheckBox *> switches;
        const QLabel *textResult;
        const QLabel *switchResult;
    };
    const auto row = [](const auto &boxes) {
        return QList<const QCheckBox *>(boxes.begin() + 1, boxes.end());
    };
    const Frame frames[] = {
        {c.txtSwitchLokDelta, row(c.chkSwitchLokDelta), c.lblAdresseLokDelta, c.lblAnzeigeLokDelta},
        {c.txtSwitchLok, row(c.chkSwitchLok), c.lblAdresseLok, c.lblAnzeigeLok},
        {c.txtSwitchMA, row(c.chkSwitchMA), c.lblAdresseMA, c.lblAnzeigeMA},
    };
    const QSize switchSize = frames[0].switches.front()->size();
    QCOMPARE(switchSize.width(), switchSize.height());
    QVERIFY(switchSize.width() < frames[0].text->height());
    for (const Frame &f : frames) {
        const QString name = f.text->objectName();
        const QCheckBox *first = f.switches.front();
        const QCheckBox *last = f.switches.back();
        QCOMPARE(f.text->parentWidget()->pos(), frames[0].text->parentWidget()->pos());
        QCOMPARE(f.text->geometry(), frames[0].text->geometry());
        for (const QCheckBox *box : f.switches)
            QVERIFY2(box->size() == switchSize, qPrintable(box->objectName()));
        QCOMPARE(f.textResult->x(), frames[0].textResult->x());
        QCOMPARE(f.textResult->width(), frames[0].textResult->width());
        QCOMPARE(f.switchResult->x(), frames[0].switchResult->x());
        QVERIFY2(first->x() > f.text->geometry().right(), qPrintable(name));
        QCOMPARE(f.textResult->y(), f.switchResult->y());
        QVERIFY2(f.textResult->y() > f.text->geometry().bottom(), qPrintable(name));
        QVERIFY2(f.switchResult->y() > first->geometry().bottom(), qPrintable(name));
        QVERIFY2(f.switchResult->x() > f.textResult->geometry().right(), qPrintable(name));
        QVERIFY2(f.switchResult->x() <= first->x() &&
                     last->geometry().right() <= f.switchResult->geometry().right(),
                 qPrintable(name));
    }
}

namespace {

// A row for each language there are texts for.
void languageRows()
{
    QTest::addColumn<const Texts *>("language");
    for (const Texts *language : velmarit::texts::languages)
        QTest::newRow(language->lang.data()) << language;
}

QString accessible(QObject *o, QAccessible::Text which)
{
    return QAccessible::queryAccessibleInterface(o)->text(which);
}

// Everything the window tells a user or a screen reader: its title, the
// text of every label, frame and list item, the accessible names and
// descriptions, and its context menu.
QStringList everythingSaid(FrmVelmarit &window)
{
    QStringList said{window.windowTitle()};
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        said << accessible(widget, QAccessible::Name)
             << accessible(widget, QAccessible::Description);
        if (const auto *label = qobject_cast<QLabel *>(widget))
            said << label->text() << label->toolTip();
        if (const auto *frame = qobject_cast<QGroupBox *>(widget))
            said << frame->title();
    }
    const auto *list = WindowControls(window).lstDelta;
    for (int row = 0; row < list->count(); ++row)
        said << list->item(row)->text();
    for (const QAction *action : window.contextMenu()->actions())
        said << action->text();
    return said;
}

} // namespace

// Every caption, result word, name for a screen reader and menu entry is
// the language's text; a language other than German says no German word.
void TestWindow::speaksItsLanguage_data()
{
    languageRows();
}

void TestWindow::speaksItsLanguage()
{
    QFETCH(const Texts *, language);
    const Texts &t = *language;
    FrmVelmarit window(t);
    const WindowControls w(window);
    const auto text = [&window](const char *name) {
        return namedChild<QLabel>(window, QString::fromLatin1(name))->text();
    };
    const auto title = [&window](const char *name) {
        return namedChild<QGroupBox>(window, QString::fromLatin1(name))->title();
    };

    QCOMPARE(window.windowTitle(), toQString(t.window.title));
    QCOMPARE(text("Label(28)"), toQString(t.panels.Delta.heading));
    QCOMPARE(text("Label(24)"), toQString(t.panels.Digital.heading));
    QCOMPARE(text("Label(18)"), toQString(t.panels.Weichen.heading));
    for (const char *frame : {"frmDelta(0)", "frmDigital(0)", "frmWeichen(0)"})
        QCOMPARE(title(frame), toQString(t.frames.decode));
    for (const char *frame : {"frmDelta(1)", "frmDigital(1)", "frmWeichen(1)"})
        QCOMPARE(title(frame), toQString(t.frames.encode));
    QCOMPARE(text("Label(19)"), toQString(t.panels.Delta.listHead));
    QCOMPARE(text("Label(27)"), toQString(t.panels.Digital.addressLabel));
    QCOMPARE(text("Label(26)"), toQString(t.panels.Digital.switchListCaption));
    QCOMPARE(text("Label(29)"), toQString(t.panels.Weichen.addressLabel));
    QCOMPARE(text("Label(25)"), toQString(t.panels.Weichen.switchListCaption));
    QCOMPARE(w.lblCopyright->text(), filled(t.page.credit, {{"author", QString()}}));
    QCOMPARE(w.lblAnzeigeLokDelta->text(), toQString(t.library.words.analog));

    for (QCheckBox *box : window.findChildren<QCheckBox *>()) {
        const QString number = box->objectName().section(u'(', 1).chopped(1);
        QCOMPARE(accessible(box, QAccessible::Name), filled(t.window.switch_, {{"n", number}}));
    }
    const std::pair<QWidget *, std::string_view> names[] = {
        {w.txtSwitchLokDelta, t.panels.Delta.typedName},
        {w.txtSwitchLok, t.panels.Digital.typedName},
        {w.txtSwitchMA, t.panels.Weichen.typedName},
        {w.txtDigital, t.panels.Digital.addressName},
        {w.txtWeichen, t.panels.Weichen.addressName},
        {w.lstDelta, t.panels.Delta.list}};
    for (const auto &[widget, name] : names)
        QCOMPARE(accessible(widget, QAccessible::Name), toQString(name));
    const std::pair<QLabel *, std::string_view> descriptions[] = {
        {w.lblAdresseLokDelta, t.panels.Delta.fromTyped},
        {w.lblAnzeigeLokDelta, t.panels.Delta.fromTicked},
        {w.lblAdresseLok, t.panels.Digital.fromTyped},
        {w.lblAnzeigeLok, t.panels.Digital.fromTicked},
        {w.lblDelta, t.panels.Digital.switchList},
        {w.lblAdresseMA, t.panels.Weichen.fromTyped},
        {w.lblAnzeigeMA, t.panels.Weichen.fromTicked},
        {w.lblWeichen, t.panels.Weichen.switchList}};
    for (const auto &[label, description] : descriptions)
        QCOMPARE(accessible(label, QAccessible::Description), toQString(description));

    QStringList menu;
    for (const QAction *action : window.contextMenu()->actions())
        menu << action->text();
    const QString info = filled(t.info.title, {{"product", QStringLiteral("Velmarit")}}).trimmed();
    QCOMPARE(menu,
             (QStringList{toQString(t.printing.print) + u'…', toQString(t.printing.preview) + u'…',
                          toQString(t.printing.savePdf) + u'…', QString(), info + u'…'}));

    // The words of results too: invalid switches, an address out of range.
    w.txtSwitchLok->setText(QStringLiteral("12"));
    w.txtWeichen->setText(QStringLiteral("300"));
    QCOMPARE(w.lblAdresseLok->text(), toQString(t.library.words.invalid));
    QCOMPARE(w.lblWeichen->text(), toQString(t.library.words.invalid));
    const QString lang = toQString(t.lang);
    QCOMPARE(velmarit::test::germanWordsIn(everythingSaid(window), lang), QString());
}

// At 96 dpi, and at 200 % (the same test with QT_SCALE_FACTOR=2), every text
// a control can show is as wide as its control's room at most: the
// captions, each result word where it can stand, the release and credit
// captions the load step writes, and the Delta list's rows under their
// heading.
void TestWindow::textsFit_data()
{
    languageRows();
}

void TestWindow::textsFit()
{
    QFETCH(const Texts *, language);
    const Texts &t = *language;
    FrmVelmarit window(t);
    const WindowControls w(window);
    const velmarit::ProgramInfo info = velmarit::programInfo(t);
    window.showRelease(info.releaseCaption);
    window.showCredit(info.creditText, info.creditHoverText);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QStringList words{toQString(t.library.words.invalid), toQString(t.library.words.analog)};
    const QList<const QLabel *> results{w.lblAdresseLokDelta, w.lblAnzeigeLokDelta, w.lblAdresseLok,
                                        w.lblAnzeigeLok,      w.lblAdresseMA,       w.lblAnzeigeMA,
                                        w.lblDelta,           w.lblWeichen};
    for (const QLabel *label : window.findChildren<QLabel *>()) {
        QStringList shown{label->text()};
        if (results.contains(label))
            shown << words;
        for (const QString &text : std::as_const(shown)) {
            const int width = label->fontMetrics().horizontalAdvance(text);
            QVERIFY2(width <= label->contentsRect().width(),
                     qPrintable(QStringLiteral("%1: \"%2\" is %3 px, its room %4 px")
                                    .arg(label->objectName(), text)
                                    .arg(width)
                                    .arg(label->contentsRect().width())));
        }
    }
    // A frame's caption stands in its top border, a little way in from
    // either end.
    for (const QGroupBox *frame : window.findChildren<QGroupBox *>()) {
        const int width = frame->fontMetrics().horizontalAdvance(frame->title());
        QVERIFY2(width <= frame->width() - 2 * 6,
                 qPrintable(frame->objectName() + QStringLiteral(": ") + frame->title()));
    }
    // The list's rows: the address before the column its heading names, the
    // switches from there to the list's edge.
    const QString heading = w.lstDeltaHeading->text();
    const QRegularExpression secondColumn(QStringLiteral("^\\S+\\s+"));
    const int column =
        w.lstDeltaHeading->fontMetrics().horizontalAdvance(secondColumn.match(heading).captured());
    QVERIFY(column > 0);
    for (int row = 0; row < w.lstDelta->count(); ++row) {
        const QStringList cells = w.lstDelta->item(row)->text().split(u'\t');
        const QRect item = w.lstDelta->visualItemRect(w.lstDelta->item(row));
        QVERIFY(w.lstDelta->fontMetrics().horizontalAdvance(cells.at(0)) < column);
        QVERIFY2(item.left() + column + w.lstDelta->fontMetrics().horizontalAdvance(cells.at(1)) <=
                     w.lstDelta->viewport()->width(),
                 qPrintable(cells.join(u' ')));
    }
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
