// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Thousands of random user events across the three panels, with a fixed
// seed. After every event each result label must show what the codes
// library gives for the current contents of its own input, in the right
// colours, whatever the filters, the clipboard or undo did to the text.

#include "codes/macode.h"
#include "codes/deltacode.h"
#include "codes/lokcode.h"
#include "codes/numberfromtext.h"
#include "ui/frmvelmarit.h"
#include "windowcontrols.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <random>

using namespace velmarit;

namespace {

constexpr std::uint32_t seed = 20240611;
constexpr int eventCount = 12000;

const QColor black(0, 0, 0), cyan(0, 255, 255), white(255, 255, 255), red(255, 0, 0);
const QString invalid = QStringLiteral("ungültig");

// What a label must show: caption, background, text colour.
struct Look
{
    QString caption;
    QColor back;
    QColor fore;
};

QString describe(const Look &l)
{
    return QStringLiteral("\"%1\" %2 on %3").arg(l.caption, l.fore.name(), l.back.name());
}

Look shownBy(const QLabel *label)
{
    return {label->text(), label->palette().color(QPalette::Window),
            label->palette().color(QPalette::WindowText)};
}

std::string utf8(const QLineEdit *box)
{
    return box->text().toStdString();
}

template <class Pattern, std::size_t N> Pattern ticked(const std::array<QCheckBox *, N> &boxes)
{
    unsigned bits = 0;
    for (std::size_t k = 1; k < N; ++k)
        if (boxes[k]->isChecked())
            bits |= 1u << (k - 1);
    return Pattern::fromBits(bits);
}

// Decode labels: the locomotive panel marks 80 and "ungültig", the accessory
// panel "ungültig", the Delta panel nothing.
Look lokLook(const std::string &text)
{
    const QString caption = QString::fromStdString(text);
    const bool marked = caption == invalid || caption == u"80";
    return {caption, marked ? red : black, marked ? white : cyan};
}

Look maLook(const std::string &text)
{
    const QString caption = QString::fromStdString(text);
    const bool marked = caption == invalid;
    return {caption, marked ? red : black, marked ? white : cyan};
}

Look plainLook(const std::string &text)
{
    return {QString::fromStdString(text), black, cyan};
}

class Rng
{
public:
    explicit Rng(std::uint32_t s) : m_engine(s) {}
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_engine); }
    bool chance(int percent) { return below(100) < percent; }
    template <class T> const T &pick(const QList<T> &items)
    {
        return items.at(below(int(items.size())));
    }

private:
    std::mt19937 m_engine;
};

QString randomText(Rng &rng, int maxLength)
{
    static const QString pool = QStringLiteral("0123456789012345678901234 abcxyzäß-+.,:/");
    QString text;
    const int length = rng.below(maxLength + 1);
    for (int i = 0; i < length; ++i)
        text += pool.at(rng.below(int(pool.size())));
    return text;
}

} // namespace

class TestRandomEvents : public QObject
{
    Q_OBJECT

private slots:
    void labelsFollowTheirInputs();
};

void TestRandomEvents::labelsFollowTheirInputs()
{
    FrmVelmarit window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const velmarit::testing::WindowControls w(window);

    const QList<QLineEdit *> boxes{w.txtSwitchLokDelta, w.txtSwitchLok, w.txtDigital, w.txtSwitchMA,
                                   w.txtWeichen};
    QList<QCheckBox *> switches;
    switches << QList<QCheckBox *>(w.chkSwitchLokDelta.begin() + 1, w.chkSwitchLokDelta.end())
             << QList<QCheckBox *>(w.chkSwitchLok.begin() + 1, w.chkSwitchLok.end())
             << QList<QCheckBox *>(w.chkSwitchMA.begin() + 1, w.chkSwitchMA.end());

    // A label keeps its start look until its input first changes.
    QSignalSpy deltaText(w.txtSwitchLokDelta, &QLineEdit::textChanged);
    QSignalSpy lokText(w.txtSwitchLok, &QLineEdit::textChanged);
    QSignalSpy lokAddress(w.txtDigital, &QLineEdit::textChanged);
    QSignalSpy maText(w.txtSwitchMA, &QLineEdit::textChanged);
    QSignalSpy turnout(w.txtWeichen, &QLineEdit::textChanged);
    int deltaTicks = 0, lokTicks = 0, maTicks = 0;
    for (QCheckBox *box : switches) {
        int *counter = box->objectName().startsWith(u"chkSwitchLokDelta") ? &deltaTicks
                       : box->objectName().startsWith(u"chkSwitchLok(")   ? &lokTicks
                                                                          : &maTicks;
        connect(box, &QCheckBox::toggled, this, [counter] { ++*counter; });
    }

    const Look emptyCyan{QString(), black, cyan};
    const Look emptyWhite{QString(), black, white};
    const Look analog{QStringLiteral("analog"), black, cyan};

    auto check = [&](int event, const QString &what) {
        const struct
        {
            QLabel *label;
            Look expected;
        } rows[] = {
            {w.lblAdresseLokDelta, deltaText.isEmpty()
                                       ? analog
                                       : plainLook(addressTextLokDelta(decodeSwitchLokDelta(
                                             patternFromTextLokDelta(utf8(w.txtSwitchLokDelta)))))},
            {w.lblAnzeigeLokDelta, deltaTicks == 0
                                       ? analog
                                       : plainLook(addressTextLokDelta(decodeSwitchLokDelta(
                                             ticked<DeltaPattern>(w.chkSwitchLokDelta))))},
            {w.lblAdresseLok, lokText.isEmpty() ? emptyWhite
                                                : lokLook(addressTextLok(decodeSwitchLok(
                                                      patternFromTextLok(utf8(w.txtSwitchLok)))))},
            {w.lblAnzeigeLok,
             lokTicks == 0
                 ? emptyCyan
                 : lokLook(addressTextLok(decodeSwitchLok(ticked<LokPattern>(w.chkSwitchLok))))},
            {w.lblDelta, lokAddress.isEmpty()
                             ? emptyCyan
                             : plainLook(switchListLok(numberFromText(utf8(w.txtDigital))))},
            {w.lblAdresseMA, maText.isEmpty() ? emptyWhite
                                              : maLook(addressTextMA(decodeSwitchMA(
                                                    patternFromTextMA(utf8(w.txtSwitchMA)))))},
            {w.lblAnzeigeMA, maTicks == 0 ? emptyCyan
                                          : maLook(addressTextMA(decodeSwitchMA(
                                                ticked<MAPattern>(w.chkSwitchMA))))},
            {w.lblWeichen, turnout.isEmpty()
                               ? emptyCyan
                               : plainLook(switchListMA(numberFromText(utf8(w.txtWeichen))))},
        };
        for (const auto &row : rows) {
            const Look got = shownBy(row.label);
            if (got.caption != row.expected.caption || got.back != row.expected.back ||
                got.fore != row.expected.fore)
                return QStringLiteral("event %1 (%2): %3 shows %4, expected %5")
                    .arg(event)
                    .arg(what, row.label->objectName(), describe(got), describe(row.expected));
        }
        return QString();
    };

    struct Chord
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char *name;
    };
    const QList<Chord> editingKeys{
        {Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
        {Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
        {Qt::Key_Delete, Qt::NoModifier, "Delete"},
        {Qt::Key_Left, Qt::NoModifier, "Left"},
        {Qt::Key_Right, Qt::NoModifier, "Right"},
        {Qt::Key_Home, Qt::NoModifier, "Home"},
        {Qt::Key_End, Qt::NoModifier, "End"},
        {Qt::Key_Left, Qt::ShiftModifier, "Shift+Left"},
        {Qt::Key_Right, Qt::ShiftModifier, "Shift+Right"},
        {Qt::Key_Home, Qt::ShiftModifier, "Shift+Home"},
        {Qt::Key_End, Qt::ShiftModifier, "Shift+End"},
        {Qt::Key_Return, Qt::NoModifier, "Return"},
        {Qt::Key_Escape, Qt::NoModifier, "Escape"},
        {Qt::Key_A, Qt::ControlModifier, "Ctrl+A"},
        {Qt::Key_C, Qt::ControlModifier, "Ctrl+C"},
        {Qt::Key_X, Qt::ControlModifier, "Ctrl+X"},
        {Qt::Key_V, Qt::ControlModifier, "Ctrl+V"},
        {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
        {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+Z"},
        {Qt::Key_Y, Qt::ControlModifier, "Ctrl+Y"},
    };
    static const QString typed = QStringLiteral("01234567890123456789 abxyz.-+:/");

    Rng rng(seed);
    int keys = 0, pastes = 0, selections = 0, clicks = 0;
    for (int event = 1; event <= eventCount; ++event) {
        QString what;
        const int kind = rng.below(100);
        if (kind < 35) { // a typed character
            QLineEdit *box = rng.pick(boxes);
            box->setFocus();
            const QChar c = typed.at(rng.below(int(typed.size())));
            QTest::keyClick(box, c.toLatin1());
            what = QStringLiteral("'%1' into %2").arg(c).arg(box->objectName());
            ++keys;
        } else if (kind < 40) { // a character QTest cannot spell, or a bare control character
            QLineEdit *box = rng.pick(boxes);
            const bool umlaut = rng.chance(50);
            const QString text = umlaut ? QStringLiteral("ä") : QString(QChar(1 + rng.below(26)));
            QTest::sendKeyEvent(QTest::Click, box, umlaut ? Qt::Key_Adiaeresis : Qt::Key_unknown,
                                text, Qt::NoModifier);
            what = QStringLiteral("U+%1 into %2")
                       .arg(text.at(0).unicode(), 4, 16, QLatin1Char('0'))
                       .arg(box->objectName());
            ++keys;
        } else if (kind < 62) { // an editing key or a shortcut
            QLineEdit *box = rng.pick(boxes);
            box->setFocus();
            const Chord &chord = rng.pick(editingKeys);
            QTest::keyClick(box, chord.key, chord.modifiers);
            what = QStringLiteral("%1 in %2").arg(QLatin1String(chord.name), box->objectName());
            ++keys;
        } else if (kind < 70) { // paste new clipboard text
            QLineEdit *box = rng.pick(boxes);
            box->setFocus();
            const QString text = randomText(rng, box == w.txtWeichen ? 30 : 8);
            QApplication::clipboard()->setText(text);
            QTest::keySequence(box, QKeySequence::Paste);
            what = QStringLiteral("paste \"%1\" into %2").arg(text, box->objectName());
            ++pastes;
        } else if (kind < 75) { // select part of the text
            QLineEdit *box = rng.pick(boxes);
            const int length = int(box->text().size());
            const int start = rng.below(length + 1);
            box->setSelection(start, rng.below(length - start + 1));
            what = QStringLiteral("select in %1").arg(box->objectName());
            ++selections;
        } else { // a switch box, by mouse or by the space bar
            QCheckBox *box = rng.pick(switches);
            if (rng.chance(70)) {
                QTest::mouseClick(box, Qt::LeftButton);
                what = QStringLiteral("click %1").arg(box->objectName());
            } else {
                box->setFocus();
                QTest::keyClick(box, Qt::Key_Space);
                what = QStringLiteral("space on %1").arg(box->objectName());
            }
            ++clicks;
        }

        const QString failure = check(event, what);
        if (!failure.isEmpty())
            QFAIL(qPrintable(failure));
    }

    qInfo("seed %u: %d events (%d keys, %d pastes, %d selections, %d switch clicks)", seed,
          eventCount, keys, pastes, selections, clicks);
    QCOMPARE(keys + pastes + selections + clicks, eventCount);
    // The events did reach the inputs.
    QVERIFY(lokText.count() > 100 && maText.count() > 100 && deltaText.count() > 100);
    QVERIFY(lokAddress.count() > 100 && turnout.count() > 100);
    QVERIFY(deltaTicks > 100 && lokTicks > 100 && maTicks > 100);
}

QTEST_MAIN(TestRandomEvents)
#include "tst_randomevents.moc"
