// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The three decoder panels as a user drives them: typed keys, clicks on the
// switch boxes, pasting, and the key filters of the switch-number boxes.

#include "language/qtexts.h"
#include "ui/frmvelmarit.h"
#include "windowcontrols.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using velmarit::FrmVelmarit;
using velmarit::testing::WindowControls;

namespace {

const QString invalid = QStringLiteral("ungültig");

// The colour state of a result label, by its two colours.
QString look(const QLabel *label)
{
    const QColor back = label->palette().color(QPalette::Window);
    const QColor fore = label->palette().color(QPalette::WindowText);
    if (back == QColor(0, 0, 0) && fore == QColor(0, 255, 255))
        return QStringLiteral("normal");
    if (back == QColor(255, 0, 0) && fore == QColor(255, 255, 255))
        return QStringLiteral("highlight");
    if (back == QColor(0, 0, 0) && fore == QColor(255, 255, 255))
        return QStringLiteral("start");
    return QStringLiteral("other %1 on %2").arg(fore.name(), back.name());
}

// One decode frame of a panel: its switch-number box, its switch boxes and
// the label each of the two writes.
struct DecodeFrame
{
    QLineEdit *text;
    QList<QCheckBox *> boxes; // boxes[0] is switch 1
    QLabel *textResult;
    QLabel *boxResult;
};

DecodeFrame decodeFrame(const WindowControls &w, const QString &panel)
{
    if (panel == u"lok")
        return {w.txtSwitchLok,
                {w.chkSwitchLok.begin() + 1, w.chkSwitchLok.end()},
                w.lblAdresseLok,
                w.lblAnzeigeLok};
    if (panel == u"delta")
        return {w.txtSwitchLokDelta,
                {w.chkSwitchLokDelta.begin() + 1, w.chkSwitchLokDelta.end()},
                w.lblAdresseLokDelta,
                w.lblAnzeigeLokDelta};
    return {w.txtSwitchMA,
            {w.chkSwitchMA.begin() + 1, w.chkSwitchMA.end()},
            w.lblAdresseMA,
            w.lblAnzeigeMA};
}

void paste(QLineEdit *box, const QString &text)
{
    QApplication::clipboard()->setText(text);
    box->setFocus();
    QTest::keySequence(box, QKeySequence::Paste);
}

// Runs one step of a little script on a decode frame:
// "type XY", "tick N", "untick N", "paste XY".
void runStep(const DecodeFrame &frame, const QString &step)
{
    const QString verb = step.section(u' ', 0, 0);
    const QString arg = step.section(u' ', 1);
    if (verb == u"type") {
        QTest::keyClicks(frame.text, arg);
    } else if (verb == u"tick" || verb == u"untick") {
        QCheckBox *box = frame.boxes.at(arg.toInt() - 1);
        QCOMPARE(box->isChecked(), verb == u"untick");
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(box->isChecked(), verb == u"tick");
    } else if (verb == u"paste") {
        paste(frame.text, arg);
    } else {
        QFAIL(qPrintable("unknown step " + step));
    }
}

struct Shown
{
    FrmVelmarit window;
    WindowControls controls{window};
    Shown()
    {
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
};

} // namespace

class TestPanels : public QObject
{
    Q_OBJECT

private slots:
    void decodeSequences_data();
    void decodeSequences();
    void encode_data();
    void encode();
    void typedKeys_data();
    void typedKeys();
    void composedCharacters_data();
    void composedCharacters();
    void keyPressHandlers_data();
    void keyPressHandlers();
    void editingKeysPassThrough_data();
    void editingKeysPassThrough();
    void shortcutsPassThrough_data();
    void shortcutsPassThrough();
    void modifiedKeys_data();
    void modifiedKeys();
    void pasteIsNotFiltered_data();
    void pasteIsNotFiltered();
    void inputsAreIndependent_data();
    void inputsAreIndependent();
    void hugeTurnoutText_data();
    void hugeTurnoutText();
    void deltaList();
    void creationOrder_data();
    void creationOrder();
    void resultWordsOfEachLanguage_data();
    void resultWordsOfEachLanguage();
};

void TestPanels::decodeSequences_data()
{
    QTest::addColumn<QString>("panel");
    // "step=caption; ...": after each step, the caption of the label that
    // step's input writes; a trailing "!" means red highlight, else normal.
    QTest::addColumn<QString>("script");
    const auto row = [](const char *tag, const char *panel, const char *script) {
        QTest::newRow(tag) << QString(panel) << QString(script);
    };

    row("lok boxes: 1, pair 1-2, 2 alone, none", "lok",
        "tick 1=78; tick 2=ungültig!; untick 1=79; untick 2=ungültig!");
    row("lok boxes: 1 3 5 7 is address 80", "lok", "tick 1=78; tick 3=72; tick 5=54; tick 7=80!");
    row("lok boxes: a pair spoils 80", "lok",
        "tick 1=78; tick 3=72; tick 5=54; tick 7=80!; tick 2=ungültig!");
    row("lok boxes: 2 3 5 7 keeps its leading zero", "lok",
        "tick 2=79; tick 3=73; tick 5=55; tick 7=01");
    row("lok text: 1 3 5 7", "lok", "type 1=78; type 3=72; type 5=54; type 7=80!");
    row("lok text: deleted to empty", "lok", "type 13=72; type \b=78; type \b=ungültig!");
    row("lok text: letter first, digits still count", "lok", "type a=ungültig!; type 1=78");
    row("lok text: 0 8 is switch 8", "lok", "type 0=ungültig!; paste 08=53");
    row("lok text: pasted pair", "lok", "paste 12=ungültig!");

    row("delta boxes: up to all four and back", "delta",
        "tick 1=78; tick 2=72; tick 3=54; tick 4=80; "
        "untick 1=02; untick 2=08; untick 3=26; untick 4=analog");
    row("delta text: 2 3 4 and back", "delta",
        "type 2=74; type 3=56; type 4=02; type \b=56; type \b=74; type \b=analog");
    row("delta text: 0 is no switch, 5 is refused", "delta",
        "type 0=analog; type 5=analog; type 1=78");
    row("delta text: repeated digit", "delta", "type 1=78; type 1=78; type 4=24");

    row("accessory text: 2 3 5 7 9 0", "ma",
        "type 2=ungültig!; type 3=ungültig!; type 5=220; type 7=04; type 9=03; type 0=01");
    row("accessory text: letter first", "ma",
        "type a=ungültig!; type 2=ungültig!; type 3=ungültig!; type 5=220; type 7=04; type b=04");
    row("accessory text: switch 10 alone", "ma", "type 0=ungültig!");
    row("accessory text: pasted pair", "ma", "paste 312=ungültig!");
    row("accessory boxes: 2 3 5 7 9 10, then 1", "ma",
        "tick 2=ungültig!; tick 3=ungültig!; tick 5=220; tick 7=04; tick 9=03; tick 10=01; "
        "tick 1=ungültig!; untick 1=01");
    row("accessory boxes: 1 3 5 7 is no decoder", "ma",
        "tick 1=ungültig!; tick 3=ungültig!; tick 5=216; tick 7=ungültig!; "
        "tick 9=ungültig!; tick 10=ungültig!");
    row("accessory boxes: 8 alone, then none", "ma", "tick 8=212; untick 8=ungültig!");
    row("accessory boxes: 7 alone", "ma", "tick 7=104");
    row("accessory boxes: 9 and 10 alone", "ma", "tick 9=ungültig!; tick 10=ungültig!");
}

void TestPanels::decodeSequences()
{
    QFETCH(QString, panel);
    QFETCH(QString, script);

    Shown s;
    const DecodeFrame frame = decodeFrame(s.controls, panel);
    for (const QString &entry : script.split(QStringLiteral("; "))) {
        const QString step = entry.section(u'=', 0, 0);
        QString want = entry.section(u'=', 1);
        const bool highlight = want.endsWith(u'!');
        want = want.chopped(highlight ? 1 : 0) + u'|' + (highlight ? "highlight" : "normal");
        runStep(frame, step);
        QLabel *label = step.contains(u"tick") ? frame.boxResult : frame.textResult;
        const QString got = label->text() + u'|' + look(label);
        QVERIFY2(got == want, qPrintable(step + ": " + got + " != " + want));
    }
}

void TestPanels::encode_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    const auto row = [](const char *tag, const char *box, const char *keys, const char *text,
                        const QString &shown) {
        QTest::newRow(tag) << QString(box) << QString(keys) << QString(text) << shown;
    };

    // Locomotive address box, at most two characters.
    row("lok 1", "lok", "1", "1", " 2 3 5 7");
    row("lok 12", "lok", "12", "12", " 1 4 6 7");
    row("lok third character refused", "lok", "123", "12", " 1 4 6 7");
    row("lok 79", "lok", "79", "79", " 2");
    row("lok 80", "lok", "80", "80", "1 3 5 7");
    row("lok 81", "lok", "81", "81", "");
    row("lok -5", "lok", "-5", "-5", "");
    row("lok emptied", "lok", "5\b", "", invalid);
    row("lok letter", "lok", "a", "a", invalid);
    row("lok 1a", "lok", "1a", "1a", " 2 3 5 7");
    row("lok .5 rounds to even 0", "lok", ".5", ".5", invalid);
    row("lok .7 rounds to 1", "lok", ".7", ".7", " 2 3 5 7");
    row("lok blank 7", "lok", " 7", " 7", " 2 5 7");
    row("lok 7 blank", "lok", "7 ", "7 ", " 2 5 7");

    // Turnout address box, no limit.
    row("turnout 1", "ma", "1", "1", " 2 3 5 7 9 10");
    row("turnout 12", "ma", "12", "12", " 1 4 5 7");
    row("turnout 123", "ma", "123", "123", " 2 4 5 8 9");
    row("turnout 256", "ma", "256", "256", " 2 3 6");
    row("turnout 257", "ma", "257", "257", invalid);
    row("turnout 32767", "ma", "32767", "32767", invalid);
    row("turnout 32768", "ma", "32768", "32768", invalid);
    row("turnout far too large", "ma", "123456789012345678901234567890",
        "123456789012345678901234567890", invalid);
    row("turnout 0", "ma", "0", "0", invalid);
    row("turnout emptied", "ma", "7\b", "", invalid);
    row("turnout letter", "ma", "x1", "x1", invalid);
    row("turnout -3", "ma", "-3", "-3", invalid);
    row("turnout -5", "ma", "-5", "-5", "");
    row("turnout -32769", "ma", "-32769", "-32769", "");
    row("turnout far too small", "ma", "-99999999999999999999", "-99999999999999999999", "");
    row("turnout 2.5 reads 2", "ma", "2.5", "2.5", " 2 3 5 7 10");
    row("turnout 3.5 reads 4", "ma", "3.5", "3.5", " 2 3 5 7");
    row("turnout blanks inside", "ma", "1 2", "1 2", " 1 4 5 7");
}

void TestPanels::encode()
{
    QFETCH(QString, box);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(QString, shown);

    Shown s;
    QLineEdit *input = box == u"lok" ? s.controls.txtDigital : s.controls.txtWeichen;
    QLabel *label = box == u"lok" ? s.controls.lblDelta : s.controls.lblWeichen;
    QTest::keyClicks(input, keys);
    QCOMPARE(input->text(), text);
    QCOMPARE(label->text(), shown);
    // The encode labels never change colour, "ungültig" included.
    QCOMPARE(look(label), QStringLiteral("normal"));
}

void TestPanels::typedKeys_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("enters");

    struct Row
    {
        const char *panel, *before, *key;
        bool enters, selected = false;
    };
    const Row rows[] = {
        // Locomotive: pairs 1-2, 3-4, 5-6, 7-8; anything else only into an empty box.
        {"lok", "", "a", true},
        {"lok", "", "9", true},
        {"lok", "", " ", true},
        {"lok", "", "ü", true},
        {"lok", "1", "1", false},
        {"lok", "1", "2", false},
        {"lok", "2", "1", false},
        {"lok", "1", "3", true},
        {"lok", "8", "7", false},
        {"lok", "1", "a", false},
        {"lok", "1", " ", false},
        {"lok", "1", "ü", false},
        {"lok", "1", "9", false},
        {"lok", "1", "0", false},
        {"lok", "a", "1", true},
        {"lok", "a", "b", false},
        {"lok", "1357", "2", false},
        {"lok", "13", "\b", true},
        // The whole text counts, also the part a typed key would replace.
        {"lok", "1", "2", false, true},
        {"lok", "1", "3", true, true},
        // Delta: "0" to "4" only.
        {"delta", "", "0", true},
        {"delta", "", "4", true},
        {"delta", "", "5", false},
        {"delta", "", "9", false},
        {"delta", "", "a", false},
        {"delta", "", " ", false},
        {"delta", "12", "1", true},
        {"delta", "0123", "4", false},
        {"delta", "1", "\b", true},
        // Accessory: pairs as the locomotive, and 9 and 10 ("0") stand alone.
        {"ma", "2", "1", false},
        {"ma", "2", "2", false},
        {"ma", "2", "9", true},
        {"ma", "2", "0", true},
        {"ma", "9", "0", true},
        {"ma", "0", "9", true},
        {"ma", "9", "9", false},
        {"ma", "0", "0", false},
        {"ma", ":", "9", false},
        {"ma", "/", "0", false},
        {"ma", "", "a", true},
        {"ma", "a", "2", true},
        {"ma", "a", "b", false},
        {"ma", "13579", "0", true},
        {"ma", "24680", "1", false},
        {"ma", "a13579", "0", false},
        {"ma", "24", "\b", true},
    };
    for (const Row &r : rows) {
        const QString key = QString(r.key) == u"\b" ? QStringLiteral("Backspace") : r.key;
        const QString tag = QStringLiteral("%1 \"%2\"%3, '%4'")
                                .arg(r.panel, r.before, r.selected ? " selected" : "", key);
        QTest::newRow(qPrintable(tag))
            << QString(r.panel) << QString(r.before) << r.selected << QString(r.key) << r.enters;
    }
}

void TestPanels::typedKeys()
{
    QFETCH(QString, panel);
    QFETCH(QString, before);
    QFETCH(bool, selected);
    QFETCH(QString, key);
    QFETCH(bool, enters);

    Shown s;
    QLineEdit *box = decodeFrame(s.controls, panel).text;
    box->setText(before);
    box->setFocus();
    if (selected)
        box->selectAll();
    else
        box->end(false);

    if (key.at(0).unicode() < 128)
        QTest::keyClicks(box, key);
    else // QTest types ASCII only; a German keyboard's own key
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_Udiaeresis, key, Qt::NoModifier);
    QCOMPARE(box->text() != before, enters);
}

void TestPanels::composedCharacters_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("commit");
    QTest::addColumn<QString>("after");
    const auto row = [](const char *tag, const char *panel, const char *before, const char *commit,
                        const char *after) {
        QTest::newRow(tag) << QString(panel) << QString(before) << QString(commit)
                           << QString(after);
    };

    // A character from a dead key or an input method is typed like any other.
    row("lok empty, accent", "lok", "", "é", "é");
    row("lok 1, accent", "lok", "1", "é", "1");
    row("lok 1, 2", "lok", "1", "2", "1");
    row("delta empty, accent", "delta", "", "é", "");
    row("delta empty, 3", "delta", "", "3", "3");
    row("ma 2, 0", "ma", "2", "0", "20");
    // Several characters at once arrive like a paste.
    row("delta several", "delta", "", "15", "15");
}

void TestPanels::composedCharacters()
{
    QFETCH(QString, panel);
    QFETCH(QString, before);
    QFETCH(QString, commit);
    QFETCH(QString, after);

    Shown s;
    QLineEdit *box = decodeFrame(s.controls, panel).text;
    box->setText(before);
    box->setFocus();
    QInputMethodEvent event;
    event.setCommitString(commit);
    QApplication::sendEvent(box, &event);
    QCOMPARE(box->text(), after);
}

void TestPanels::keyPressHandlers_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");
    const auto row = [](const char *tag, const char *panel, const char *text, int key, int result) {
        QTest::newRow(tag) << QString(panel) << QString(text) << key << result;
    };

    // Control characters as the handlers receive them.
    row("lok empty, Enter", "lok", "", 13, 13);
    row("lok 1, Enter", "lok", "1", 13, 0);
    row("lok 1, Escape", "lok", "1", 27, 0);
    row("lok 1, Backspace", "lok", "1", 8, 8);
    row("lok empty, Backspace", "lok", "", 8, 8);
    row("lok 1, 3", "lok", "1", '3', '3');
    row("delta empty, Enter", "delta", "", 13, 0);
    row("delta empty, Backspace", "delta", "", 8, 8);
    row("delta 1, 0", "delta", "1", '0', '0');
    row("delta empty, slash", "delta", "", '/', 0);
    row("delta empty, 5", "delta", "", '5', 0);
    row("ma 1, Enter", "ma", "1", 13, 0);
    row("ma empty, control-A", "ma", "", 1, 1);
    row("ma 5, colon", "ma", "5", ':', 0);
    row("ma 9, colon", "ma", "9", ':', 0);
    row("ma 1, Backspace", "ma", "1", 8, 8);
}

void TestPanels::keyPressHandlers()
{
    QFETCH(QString, panel);
    QFETCH(QString, text);
    QFETCH(int, key);
    QFETCH(int, result);

    FrmVelmarit window;
    const WindowControls w(window);
    decodeFrame(w, panel).text->setText(text);
    int keyAscii = key;
    if (panel == u"lok")
        w.pnlDigital->txtSwitchLok_KeyPress(keyAscii);
    else if (panel == u"delta")
        w.pnlDelta->txtSwitchLokDelta_KeyPress(keyAscii);
    else
        w.pnlWeichen->txtSwitchMA_KeyPress(keyAscii);
    QCOMPARE(keyAscii, result);
}

void TestPanels::editingKeysPassThrough_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QList<int>>("keys"); // key | modifiers
    QTest::addColumn<QString>("after");

    const int shift = int(Qt::ShiftModifier);
    for (const char *panel : {"lok", "delta", "ma"}) {
        const QByteArray tag(panel);
        const QString p = QString::fromLatin1(panel);
        QTest::newRow(tag + ": left, delete")
            << p << QList<int>{Qt::Key_Left, Qt::Key_Delete} << "1";
        QTest::newRow(tag + ": home, delete")
            << p << QList<int>{Qt::Key_Home, Qt::Key_Delete} << "3";
        QTest::newRow(tag + ": shift+home, backspace")
            << p << QList<int>{Qt::Key_Home | shift, Qt::Key_Backspace} << "";
        QTest::newRow(tag + ": left, right, backspace")
            << p << QList<int>{Qt::Key_Left, Qt::Key_Right, Qt::Key_Backspace} << "1";
    }
}

void TestPanels::editingKeysPassThrough()
{
    QFETCH(QString, panel);
    QFETCH(QList<int>, keys);
    QFETCH(QString, after);

    Shown s;
    QLineEdit *box = decodeFrame(s.controls, panel).text;
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("13"));
    QCOMPARE(box->text(), QStringLiteral("13"));
    for (const int k : keys)
        QTest::keyClick(box, Qt::Key(k & ~Qt::KeyboardModifierMask),
                        Qt::KeyboardModifiers(k & Qt::KeyboardModifierMask));
    QCOMPARE(box->text(), after);
}

void TestPanels::shortcutsPassThrough_data()
{
    QTest::addColumn<QString>("panel");
    for (const char *panel : {"lok", "delta", "ma"})
        QTest::newRow(panel) << QString(panel);
}

// Copy, cut, paste, select all, undo and redo work in a box that holds text,
// where a filter that judged every key's text would swallow them.
void TestPanels::shortcutsPassThrough()
{
    QFETCH(QString, panel);

    Shown s;
    const DecodeFrame frame = decodeFrame(s.controls, panel);
    QLineEdit *box = frame.text;
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("13"));
    QApplication::clipboard()->clear();

    QTest::keySequence(box, QKeySequence::SelectAll);
    QCOMPARE(box->selectedText(), QStringLiteral("13"));
    QTest::keySequence(box, QKeySequence::Copy);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("13"));
    QTest::keySequence(box, QKeySequence::Cut);
    QCOMPARE(box->text(), QString());
    QCOMPARE(frame.textResult->text(), panel == u"delta" ? QStringLiteral("analog") : invalid);
    QTest::keySequence(box, QKeySequence::Undo);
    QCOMPARE(box->text(), QStringLiteral("13"));
    QTest::keySequence(box, QKeySequence::Redo);
    QCOMPARE(box->text(), QString());
    QTest::keySequence(box, QKeySequence::Paste);
    QCOMPARE(box->text(), QStringLiteral("13"));
    QCOMPARE(frame.textResult->text(), panel == u"delta" ? QStringLiteral("60")
                                       : panel == u"lok" ? QStringLiteral("72")
                                                         : invalid);
}

void TestPanels::modifiedKeys_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("after");

    const Qt::KeyboardModifiers shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier,
                                alt = Qt::AltModifier, meta = Qt::MetaModifier,
                                keypad = Qt::KeypadModifier;
    // AltGr: Control+Alt on Windows, the group switch on X11.
    const Qt::KeyboardModifiers altGr = ctrl | alt, groupSwitch = Qt::GroupSwitchModifier;
    struct Row
    {
        const char *panel, *before, *name;
        Qt::KeyboardModifiers modifiers;
        Qt::Key key;
        const char *text, *after;
    };
    // Texts as X11 delivers them: Control turns a letter into a control
    // character but leaves "ä" and the digit "1" alone; Meta (Super) changes
    // no text.
    const Row rows[] = {
        {"lok", "1", "Shift+2", shift, Qt::Key_At, "@", "1"},
        {"lok", "1", "Ctrl+1", ctrl, Qt::Key_1, "1", "1"},
        {"lok", "1", "Alt+2", alt, Qt::Key_2, "2", "1"},
        {"lok", "1", "Meta+2", meta, Qt::Key_2, "2", "1"},
        {"lok", "1", "Meta+3", meta, Qt::Key_3, "3", "13"},
        {"lok", "1", "Meta+a", meta, Qt::Key_A, "a", "1"},
        {"lok", "", "AltGr+7 as Ctrl+Alt", altGr, Qt::Key_BraceLeft, "{", "{"},
        {"lok", "1", "AltGr+7 as Ctrl+Alt", altGr, Qt::Key_BraceLeft, "{", "1"},
        {"lok", "1", "AltGr+2 as group switch", groupSwitch, Qt::Key_twosuperior, "²", "1"},
        {"lok", "1", "Ctrl+Meta+ä", ctrl | meta, Qt::Key_Adiaeresis, "ä", "1"},
        {"lok", "1", "Ctrl+Meta+a", ctrl | meta, Qt::Key_A, "\x01", "1"},
        {"lok", "1", "Alt+Meta+2", alt | meta, Qt::Key_2, "2", "1"},
        {"lok", "1", "Shift+Meta+2", shift | meta, Qt::Key_At, "@", "1"},
        {"lok", "1", "keypad 2", keypad, Qt::Key_2, "2", "1"},
        {"lok", "1", "Meta+keypad 2", meta | keypad, Qt::Key_2, "2", "1"},
        // Where the platform leaves the digit's text with Control held.
        {"lok", "1", "Ctrl+keypad 2", ctrl | keypad, Qt::Key_2, "2", "1"},
        // A joiner typed with Control+Shift (Windows) is text, not a shortcut.
        {"lok", "", "Ctrl+Shift+joiner", ctrl | shift, Qt::Key_2, "\u200c", "\u200c"},
        {"lok", "1", "Ctrl+Shift+joiner", ctrl | shift, Qt::Key_2, "\u200c", "1"},
        {"lok", "1", "Meta+bold 2", meta, Qt::Key_unknown, "\U0001D7D0", "1"},

        {"delta", "", "Ctrl+5", ctrl, Qt::Key_5, "5", ""},
        {"delta", "", "Meta+3", meta, Qt::Key_3, "3", "3"},
        {"delta", "", "Meta+5", meta, Qt::Key_5, "5", ""},
        {"delta", "", "Ctrl+Meta+ä", ctrl | meta, Qt::Key_Adiaeresis, "ä", ""},
        {"delta", "", "Ctrl+Meta+a", ctrl | meta, Qt::Key_A, "\x01", ""},
        {"delta", "", "Alt+Meta+a", alt | meta, Qt::Key_A, "a", ""},
        {"delta", "", "Shift+Meta+a", shift | meta, Qt::Key_A, "A", ""},
        {"delta", "", "AltGr+q as Ctrl+Alt", altGr, Qt::Key_At, "@", ""},
        {"delta", "", "keypad 4", keypad, Qt::Key_4, "4", "4"},
        {"delta", "", "keypad 5", keypad, Qt::Key_5, "5", ""},
        {"delta", "", "Meta+keypad 5", meta | keypad, Qt::Key_5, "5", ""},
        {"delta", "", "Ctrl+keypad 5", ctrl | keypad, Qt::Key_5, "5", ""},

        {"ma", "2", "Meta+1", meta, Qt::Key_1, "1", "2"},
        {"ma", "2", "Meta+0", meta, Qt::Key_0, "0", "20"},
        {"ma", "2", "Alt+Meta+1", alt | meta, Qt::Key_1, "1", "2"},
        {"ma", "2", "Shift+Meta+1", shift | meta, Qt::Key_Exclam, "!", "2"},
        {"ma", "2", "Ctrl+Meta+ä", ctrl | meta, Qt::Key_Adiaeresis, "ä", "2"},
        {"ma", "2", "Meta+keypad 9", meta | keypad, Qt::Key_9, "9", "29"},
        {"ma", "2", "Ctrl+keypad 1", ctrl | keypad, Qt::Key_1, "1", "2"},
        {"ma", "2", "Ctrl+Shift+joiner", ctrl | shift, Qt::Key_2, "\u200c", "2"},
    };
    for (const Row &r : rows)
        QTest::newRow(qPrintable(QStringLiteral("%1 \"%2\", %3").arg(r.panel, r.before, r.name)))
            << QString(r.panel) << QString(r.before) << int(r.modifiers) << int(r.key)
            << QString::fromUtf8(r.text) << QString::fromUtf8(r.after);
}

// A modifier key held with a character must not get the character past the
// box's filter when the line edit would still type it; the text decides
// whether the line edit types, so the filter judges by the same rule.
void TestPanels::modifiedKeys()
{
    QFETCH(QString, panel);
    QFETCH(QString, before);
    QFETCH(int, modifiers);
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(QString, after);

    Shown s;
    QLineEdit *box = decodeFrame(s.controls, panel).text;
    box->setText(before);
    box->setFocus();
    box->end(false);
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key(key), text, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(box->text(), after);
}

void TestPanels::pasteIsNotFiltered_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    const auto row = [](const char *tag, const char *panel, const char *pasted, const char *text,
                        const QString &shown) {
        QTest::newRow(tag) << QString(panel) << QString(pasted) << QString(text) << shown;
    };

    row("lok pair", "lok", "21", "21", invalid);
    row("lok digits in words", "lok", "x3y8", "x3y8", "47");
    row("lok cut at four", "lok", "246813", "2468", "40");
    row("delta with letters", "delta", "x1y", "x1y", "78");
    row("delta all four", "delta", "4321", "4321", "80");
    row("delta five and six", "delta", "56", "56", "analog");
    row("ma pair", "ma", "a12", "a12", invalid);
    row("ma digits with blanks", "ma", "7 5 3", "7 5 3", "08");
    row("ma any order", "ma", "097532", "097532", "01");
}

void TestPanels::pasteIsNotFiltered()
{
    QFETCH(QString, panel);
    QFETCH(QString, pasted);
    QFETCH(QString, text);
    QFETCH(QString, shown);

    Shown s;
    const DecodeFrame frame = decodeFrame(s.controls, panel);
    paste(frame.text, pasted);
    QCOMPARE(frame.text->text(), text);
    QCOMPARE(frame.textResult->text(), shown);
}

void TestPanels::inputsAreIndependent_data()
{
    shortcutsPassThrough_data();
}

// Each label follows its own input only: the boxes never change the text or
// its result, typing never ticks a box, and the encode box leaves the decode
// frame alone.
void TestPanels::inputsAreIndependent()
{
    QFETCH(QString, panel);

    Shown s;
    const WindowControls &w = s.controls;
    const DecodeFrame frame = decodeFrame(w, panel);

    QTest::keyClicks(frame.text, QStringLiteral("3"));
    const QString textResult = frame.textResult->text();
    const QString textLook = look(frame.textResult);
    const QString boxResult = frame.boxResult->text();

    QTest::mouseClick(frame.boxes[0], Qt::LeftButton);
    QTest::mouseClick(frame.boxes[1], Qt::LeftButton);
    QCOMPARE(frame.text->text(), QStringLiteral("3"));
    QCOMPARE(frame.textResult->text(), textResult);
    QCOMPARE(look(frame.textResult), textLook);
    QVERIFY(frame.boxResult->text() != boxResult);

    const QString boxesShown = frame.boxResult->text();
    const QString boxesLook = look(frame.boxResult);
    QTest::keyClicks(frame.text, QStringLiteral("\b4"));
    for (int k = 0; k < frame.boxes.size(); ++k)
        QCOMPARE(frame.boxes[k]->isChecked(), k < 2);
    QCOMPARE(frame.boxResult->text(), boxesShown);
    QCOMPARE(look(frame.boxResult), boxesLook);

    if (panel != u"delta") {
        QLineEdit *encode = panel == u"lok" ? w.txtDigital : w.txtWeichen;
        QTest::keyClicks(encode, QStringLiteral("12"));
        QCOMPARE(frame.text->text(), QStringLiteral("4"));
        QCOMPARE(frame.boxResult->text(), boxesShown);
        QCOMPARE(frame.textResult->text(), panel == u"lok" ? QStringLiteral("77") : invalid);
    }
}

void TestPanels::hugeTurnoutText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("withTwelveInFront"); // after typing "12 " at its start

    const int megabyte = 1 << 20;
    QTest::newRow("1 MB number") << QString(QLatin1Char('1')) + QString(megabyte - 1, u'0')
                                 << invalid << invalid;
    QTest::newRow("1 MB negative number")
        << QString(QLatin1Char('-')) + QString(megabyte - 1, u'9') << QString() << " 1 4 5 7";
    QTest::newRow("1 MB of blanks before 12")
        << QString(megabyte - 2, u' ') + QStringLiteral("12") << " 1 4 5 7" << invalid;
    QTest::newRow("1 MB of letters") << QString(megabyte, u'x') << invalid << " 1 4 5 7";
}

// The turnout box has no limit: a pasted megabyte must neither hang nor
// upset the program, and its result is the same whether it arrives by the
// paste or the handler reads it again. How long either takes is measured by
// velmarit_hugetext_bench, not held to a wall-clock budget here.
void TestPanels::hugeTurnoutText()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(QString, withTwelveInFront);

    Shown s;
    QApplication::clipboard()->setText(text);
    s.controls.txtWeichen->setFocus();
    QTest::keySequence(s.controls.txtWeichen, QKeySequence::Paste);
    QCOMPARE(s.controls.txtWeichen->text().size(), text.size());
    QCOMPARE(s.controls.lblWeichen->text(), shown);

    s.controls.lblWeichen->clear();
    s.controls.pnlWeichen->txtWeichen_Change();
    QCOMPARE(s.controls.lblWeichen->text(), shown);

    // Still an ordinary box afterwards: one more key and the answer follows.
    QTest::keyClick(s.controls.txtWeichen, Qt::Key_Home);
    QTest::keyClicks(s.controls.txtWeichen, QStringLiteral("12 "));
    QCOMPARE(s.controls.lblWeichen->text(), withTwelveInFront);
}

void TestPanels::deltaList()
{
    Shown s;
    const WindowControls &w = s.controls;

    // The panel fills its list as it is built, once.
    const QStringList rows{
        " 2\t2 3 4", " 6\t1 3 4", " 8\t3 4",   "18\t1 2 4", "20\t2 4",
        "24\t1 4",   "26\t4",     "54\t1 2 3", "56\t2 3",   "60\t1 3",
        "62\t3",     "72\t1 2",   "74\t2",     "78\t1",     "80\t1 2 3 4",
    };
    QStringList shown;
    for (int i = 0; i < w.lstDelta->count(); ++i)
        shown << w.lstDelta->item(i)->text();
    QCOMPARE(shown, rows);

    // Selecting a row changes nothing else.
    QTest::mouseClick(w.lstDelta->viewport(), Qt::LeftButton, {},
                      w.lstDelta->visualItemRect(w.lstDelta->item(1)).center());
    QCOMPARE(w.lstDelta->currentRow(), 1);
    QCOMPARE(w.lblAdresseLokDelta->text(), QStringLiteral("analog"));
    QCOMPARE(w.lblAnzeigeLokDelta->text(), QStringLiteral("analog"));
    QCOMPARE(w.txtSwitchLokDelta->text(), QString());
}

// The controls of each panel and frame in the order they are created, which
// is the order assistive tools walk them; the fold of the panels must not
// shuffle them.
void TestPanels::creationOrder_data()
{
    QTest::addColumn<QStringList>("children");

    const auto range = [](const char *format, int first, int last) {
        QStringList names;
        for (int n = first; n <= last; ++n)
            names << QString::fromLatin1(format).arg(n);
        return names;
    };
    QTest::newRow("pnlDelta") << QStringList{"frmDelta(1)", "frmDelta(0)", "Label(28)"};
    QTest::newRow("frmDelta(1)") << QStringList{"lstDelta", "Label(19)"};
    QTest::newRow("frmDelta(0)") << QStringList{"txtSwitchLokDelta"} +
                                        range("chkSwitchLokDelta(%1)", 1, 4) +
                                        QStringList{"lblAdresseLokDelta"} +
                                        range("Label(%1)", 20, 23) +
                                        QStringList{"lblAnzeigeLokDelta"};
    QTest::newRow("pnlDigital") << QStringList{"frmDigital(1)", "frmDigital(0)", "Label(24)"};
    QTest::newRow("frmDigital(1)")
        << QStringList{"txtDigital", "Label(26)", "Label(27)", "lblDelta"};
    QTest::newRow("frmDigital(0)") << range("chkSwitchLok(%1)", 1, 8) +
                                          QStringList{"txtSwitchLok"} + range("Label(%1)", 0, 7) +
                                          QStringList{"lblAnzeigeLok", "lblAdresseLok"};
    QTest::newRow("pnlWeichen") << QStringList{"frmWeichen(1)", "frmWeichen(0)", "Label(18)"};
    QTest::newRow("frmWeichen(1)")
        << QStringList{"txtWeichen", "Label(29)", "Label(25)", "lblWeichen"};
    QTest::newRow("frmWeichen(0)") << QStringList{"txtSwitchMA"} + range("chkSwitchMA(%1)", 1, 10) +
                                          QStringList{"lblAdresseMA", "lblAnzeigeMA"} +
                                          range("Label(%1)", 8, 17);
}

void TestPanels::creationOrder()
{
    QFETCH(QStringList, children);
    FrmVelmarit window;
    const auto *container =
        window.findChild<QWidget *>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(container != nullptr);
    QStringList names;
    for (const QObject *child : container->children())
        if (child->isWidgetType())
            names << child->objectName();
    QCOMPARE(names, children);
}

// Where a result is a word, it is the window's language's; the highlight
// stays the rule's, whatever the word.
void TestPanels::resultWordsOfEachLanguage_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("text"); // typed; a check box is ticked
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("invalid"); // else the analog word
    QTest::addColumn<bool>("highlighted");
    for (const velmarit::Texts *language : velmarit::texts::languages) {
        const QString lang = velmarit::toQString(language->lang);
        const auto row = [&lang](const char *what, const char *input, const char *text,
                                 const char *label, bool invalid, bool highlighted) {
            QTest::addRow("%s, %s", qPrintable(lang), what)
                << lang << QString(input) << QString(text) << QString(label) << invalid
                << highlighted;
        };
        row("locomotive, typed pair", "txtSwitchLok", "12", "lblAdresseLok", true, true);
        row("turnout, switch 2 alone", "chkSwitchMA(2)", "", "lblAnzeigeMA", true, true);
        row("locomotive, address 0", "txtDigital", "0", "lblDelta", true, false);
        row("Delta, no switch typed", "txtSwitchLokDelta", "9", "lblAdresseLokDelta", false, false);
        row("turnout, switch 10 alone", "txtSwitchMA", "0", "lblAdresseMA", true, true);
        row("turnout, address 257", "txtWeichen", "257", "lblWeichen", true, false);
    }
}

void TestPanels::resultWordsOfEachLanguage()
{
    QFETCH(QString, lang);
    QFETCH(QString, input);
    QFETCH(QString, text);
    QFETCH(QString, label);
    QFETCH(bool, invalid);
    QFETCH(bool, highlighted);
    const velmarit::Texts *language = nullptr;
    for (const velmarit::Texts *each : velmarit::texts::languages)
        if (velmarit::toQString(each->lang) == lang)
            language = each;
    QVERIFY(language);
    FrmVelmarit window(*language);
    if (auto *box = window.findChild<QCheckBox *>(input))
        box->click();
    else
        velmarit::testing::namedChild<QLineEdit>(window, input)->setText(text);
    const auto *result = velmarit::testing::namedChild<QLabel>(window, label);
    const auto &words = language->library.words;
    QCOMPARE(result->text(), velmarit::toQString(invalid ? words.invalid : words.analog));
    QCOMPARE(look(result) == QStringLiteral("highlight"), highlighted);
}

QTEST_MAIN(TestPanels)
#include "tst_panels.moc"
