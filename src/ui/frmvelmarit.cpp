// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/frmvelmarit.h"

#include "codes/accessorycode.h"
#include "codes/deltacode.h"
#include "codes/lokcode.h"
#include "codes/numberfromtext.h"
#include "codes/switchkeyrules.h"
#include "ui/bevelpanel.h"
#include "ui/captionframe.h"
#include "ui/creditmark.h"
#include "ui/keypressfilter.h"
#include "ui/layout.h"
#include "ui/pictures.h"
#include "ui/resultlabel.h"
#include "ui/switchbox.h"
#include "ui/tabcolumndelegate.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include <limits>

namespace velmarit {

namespace {

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), text.size());
}

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

QRect toPixels(const layout::Control &c)
{
    using layout::twipsToPixels;
    return QRect(twipsToPixels(c.left), twipsToPixels(c.top), twipsToPixels(c.width),
                 twipsToPixels(c.height));
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

QLabel *makeLabel(const layout::Control &entry, QWidget *parent)
{
    const QString caption = fromView(entry.caption);
    QLabel *label = entry.kind == layout::Kind::ResultLabel ? new ResultLabel(caption, parent)
                                                            : new QLabel(caption, parent);
    label->setTextFormat(Qt::PlainText);
    setColour(label, QPalette::WindowText, entry.fore);
    if (entry.kind == layout::Kind::ResultLabel) {
        label->setAlignment(Qt::AlignCenter);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
        label->setAutoFillBackground(true);
        setColour(label, QPalette::Window, entry.back);
    } else {
        // Static captions stand at the top of their box and let the
        // container show through.
        label->setAlignment(toQt(entry.align) | Qt::AlignTop);
    }
    return label;
}

QWidget *makeControl(const layout::Control &entry, QWidget *parent)
{
    using layout::Kind;
    switch (entry.kind) {
    case Kind::Panel:
        return new BevelPanel(parent);
    case Kind::Frame:
        return new CaptionFrame(fromView(entry.caption), parent);
    case Kind::TextBox: {
        auto *box = new QLineEdit(parent);
        box->setAlignment(Qt::AlignCenter);
        // QLineEdit's own default limit is 32767; a box without a limit
        // takes text of any length.
        box->setMaxLength(entry.maxLength > 0 ? entry.maxLength : std::numeric_limits<int>::max());
        return box;
    }
    case Kind::CheckBox:
        return new SwitchBox(parent);
    case Kind::Label:
    case Kind::ResultLabel:
        return makeLabel(entry, parent);
    case Kind::ListBox: {
        auto *list = new QListWidget(parent);
        // Rows are short; a horizontal bar would only take a row's room.
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        return list;
    }
    case Kind::Image:
        return new CreditMark(parent);
    }
    return nullptr;
}

QString indexedName(const char *base, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(base)).arg(index);
}

template <class Pattern, std::size_t N> Pattern patternOf(const std::array<QCheckBox *, N> &boxes)
{
    static_assert(N == Pattern::switchCount + 1, "index 0 is unused");
    Pattern pattern;
    for (int sw = 1; sw < static_cast<int>(N); ++sw)
        pattern.set(sw, boxes[sw]->isChecked());
    return pattern;
}

std::string textOf(const QLineEdit *box)
{
    return box->text().toStdString();
}

QString fromStd(const std::string &text)
{
    return QString::fromStdString(text);
}

// The locomotive panel marks address 80 like a bad pattern: it is the one
// address whose switches look like no switch pattern of the others.
bool lokHighlighted(const LokResult &result)
{
    return !result || *result == 80;
}

bool accessoryHighlighted(const AccessoryResult &result)
{
    return !result.has_value();
}

template <std::size_t N>
void connectSwitchBoxes(FrmVelmarit *window, const std::array<QCheckBox *, N> &boxes,
                        void (FrmVelmarit::*handler)(int))
{
    for (int index = 1; index < static_cast<int>(N); ++index)
        QObject::connect(boxes[index], &QCheckBox::toggled, window,
                         [window, handler, index] { (window->*handler)(index); });
}

void installKeyPress(FrmVelmarit *window, QLineEdit *box, void (FrmVelmarit::*handler)(int &))
{
    box->installEventFilter(new KeyPressFilter(
        box, [window, handler](int &keyAscii) { (window->*handler)(keyAscii); }));
}

} // namespace

FrmVelmarit::FrmVelmarit(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmVelmarit"));
    setWindowTitle(QStringLiteral(" Velmarit für märklin-Digital"));
    setWindowIcon(QIcon(QPixmap::fromImage(windowIconImage())));
    // The layout has one size: no maximize button, and no resizing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(toQFont(layout::windowFont));
    setFixedSize(layout::clientWidth, layout::clientHeight);

    buildControls();
    bindControls();
    connectHandlers();
    setFocusOrder();
    describeForScreenReaders();
    createMenuActions();

    lstDelta->setItemDelegate(
        new TabColumnDelegate(Label[19], Label[19]->text().indexOf(u"Switch"), lstDelta));
    txtSwitchLokDelta->setFocus();
}

FrmVelmarit::~FrmVelmarit() = default;

void FrmVelmarit::buildControls()
{
    for (const layout::Control &entry : layout::controls) {
        QWidget *container =
            entry.container.empty() ? this : control<QWidget>(fromView(entry.container));
        QWidget *widget = makeControl(entry, container);
        widget->setObjectName(fromView(entry.name));
        widget->setFont(toQFont(entry.font));
        widget->setGeometry(toPixels(entry));
    }
}

template <class T> T *FrmVelmarit::control(const QString &name) const
{
    T *widget = findChild<T *>(name);
    Q_ASSERT_X(widget, "FrmVelmarit", qPrintable(name));
    return widget;
}

void FrmVelmarit::bindControls()
{
    pnlWeichen = control<BevelPanel>(QStringLiteral("pnlWeichen"));
    pnlDigital = control<BevelPanel>(QStringLiteral("pnlDigital"));
    pnlDelta = control<BevelPanel>(QStringLiteral("pnlDelta"));
    lblRelease = control<QLabel>(QStringLiteral("lblRelease"));
    lblCopyright = control<QLabel>(QStringLiteral("lblCopyright"));
    imgCopyright = control<CreditMark>(QStringLiteral("imgCopyright"));

    lstDelta = control<QListWidget>(QStringLiteral("lstDelta"));
    txtSwitchLokDelta = control<QLineEdit>(QStringLiteral("txtSwitchLokDelta"));
    lblAdresseLokDelta = control<QLabel>(QStringLiteral("lblAdresseLokDelta"));
    lblAnzeigeLokDelta = control<QLabel>(QStringLiteral("lblAnzeigeLokDelta"));

    txtDigital = control<QLineEdit>(QStringLiteral("txtDigital"));
    lblDelta = control<QLabel>(QStringLiteral("lblDelta"));
    txtSwitchLok = control<QLineEdit>(QStringLiteral("txtSwitchLok"));
    lblAnzeigeLok = control<QLabel>(QStringLiteral("lblAnzeigeLok"));
    lblAdresseLok = control<QLabel>(QStringLiteral("lblAdresseLok"));

    txtWeichen = control<QLineEdit>(QStringLiteral("txtWeichen"));
    lblWeichen = control<QLabel>(QStringLiteral("lblWeichen"));
    txtSwitchMA = control<QLineEdit>(QStringLiteral("txtSwitchMA"));
    lblAdresseMA = control<QLabel>(QStringLiteral("lblAdresseMA"));
    lblAnzeigeMA = control<QLabel>(QStringLiteral("lblAnzeigeMA"));

    for (int i = 0; i < 2; ++i) {
        frmDelta[i] = control<QGroupBox>(indexedName("frmDelta", i));
        frmDigital[i] = control<QGroupBox>(indexedName("frmDigital", i));
        frmWeichen[i] = control<QGroupBox>(indexedName("frmWeichen", i));
    }
    for (std::size_t i = 1; i < chkSwitchLokDelta.size(); ++i)
        chkSwitchLokDelta[i] = control<QCheckBox>(indexedName("chkSwitchLokDelta", int(i)));
    for (std::size_t i = 1; i < chkSwitchLok.size(); ++i)
        chkSwitchLok[i] = control<QCheckBox>(indexedName("chkSwitchLok", int(i)));
    for (std::size_t i = 1; i < chkSwitchMA.size(); ++i)
        chkSwitchMA[i] = control<QCheckBox>(indexedName("chkSwitchMA", int(i)));
    for (std::size_t i = 0; i < Label.size(); ++i)
        Label[i] = control<QLabel>(indexedName("Label", int(i)));
}

void FrmVelmarit::connectHandlers()
{
    connect(txtDigital, &QLineEdit::textChanged, this, &FrmVelmarit::txtDigital_Change);
    connect(txtSwitchLok, &QLineEdit::textChanged, this, &FrmVelmarit::txtSwitchLok_Change);
    connect(txtSwitchLokDelta, &QLineEdit::textChanged, this,
            &FrmVelmarit::txtSwitchLokDelta_Change);
    connect(txtSwitchMA, &QLineEdit::textChanged, this, &FrmVelmarit::txtSwitchMA_Change);
    connect(txtWeichen, &QLineEdit::textChanged, this, &FrmVelmarit::txtWeichen_Change);

    connectSwitchBoxes(this, chkSwitchLok, &FrmVelmarit::chkSwitchLok_Click);
    connectSwitchBoxes(this, chkSwitchLokDelta, &FrmVelmarit::chkSwitchLokDelta_Click);
    connectSwitchBoxes(this, chkSwitchMA, &FrmVelmarit::chkSwitchMA_Click);

    installKeyPress(this, txtSwitchLok, &FrmVelmarit::txtSwitchLok_KeyPress);
    installKeyPress(this, txtSwitchLokDelta, &FrmVelmarit::txtSwitchLokDelta_KeyPress);
    installKeyPress(this, txtSwitchMA, &FrmVelmarit::txtSwitchMA_KeyPress);

    connect(imgCopyright, &CreditMark::clicked, this, &FrmVelmarit::copyrightClicked);
}

void FrmVelmarit::setFocusOrder()
{
    std::vector<QWidget *> order{txtSwitchLokDelta};
    order.insert(order.end(), chkSwitchLokDelta.begin() + 1, chkSwitchLokDelta.end());
    order.push_back(lstDelta);
    order.push_back(txtSwitchLok);
    order.insert(order.end(), chkSwitchLok.begin() + 1, chkSwitchLok.end());
    order.push_back(txtDigital);
    order.push_back(txtSwitchMA);
    order.insert(order.end(), chkSwitchMA.begin() + 1, chkSwitchMA.end());
    order.push_back(txtWeichen);
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void FrmVelmarit::describeForScreenReaders()
{
    // The switch boxes show no caption of their own; the number above each
    // is a separate label that a screen reader does not connect to it.
    for (std::size_t i = 1; i < chkSwitchLokDelta.size(); ++i)
        chkSwitchLokDelta[i]->setAccessibleName(QStringLiteral("Schalter %1").arg(i));
    for (std::size_t i = 1; i < chkSwitchLok.size(); ++i)
        chkSwitchLok[i]->setAccessibleName(QStringLiteral("Schalter %1").arg(i));
    for (std::size_t i = 1; i < chkSwitchMA.size(); ++i)
        chkSwitchMA[i]->setAccessibleName(QStringLiteral("Schalter %1").arg(i));

    const std::pair<QWidget *, const char *> names[] = {
        {txtSwitchLokDelta, "Delta-Decoder: Nummern der Schalter auf ON"},
        {lstDelta, "Delta-Decoder: Adressen und ihre Schalter auf ON"},
        {txtSwitchLok, "Digital-Decoder: Nummern der Schalter auf ON"},
        {txtDigital, "Digital-Decoder: Adresse"},
        {txtSwitchMA, "Weichen-Decoder: Nummern der Schalter auf ON"},
        {txtWeichen, "Weichen-Decoder: Weichenadresse"},
    };
    for (const auto &[widget, name] : names)
        widget->setAccessibleName(QString::fromUtf8(name));

    // A label's accessible name would replace its shown text, which is the
    // result itself; describe what it shows instead.
    const std::pair<QLabel *, const char *> descriptions[] = {
        {lblAdresseLokDelta, "Delta-Adresse aus den eingegebenen Schalternummern"},
        {lblAnzeigeLokDelta, "Delta-Adresse aus den angekreuzten Schaltern"},
        {lblAdresseLok, "Lok-Adresse aus den eingegebenen Schalternummern"},
        {lblAnzeigeLok, "Lok-Adresse aus den angekreuzten Schaltern"},
        {lblDelta, "Schalter auf ON für die eingegebene Lok-Adresse"},
        {lblAdresseMA, "Weichenadresse aus den eingegebenen Schalternummern"},
        {lblAnzeigeMA, "Weichenadresse aus den angekreuzten Schaltern"},
        {lblWeichen, "Schalter auf ON für die eingegebene Weichenadresse"},
    };
    for (const auto &[label, description] : descriptions)
        label->setAccessibleDescription(QString::fromUtf8(description));
}

void FrmVelmarit::createMenuActions()
{
    const auto makeAction = [this](const char *name, const char *text,
                                   void (FrmVelmarit::*signal)()) {
        auto *action = new QAction(QString::fromUtf8(text), this);
        action->setObjectName(QString::fromUtf8(name));
        connect(action, &QAction::triggered, this, signal);
        return action;
    };
    actPrint = makeAction("actPrint", "Codiertabellen drucken…", &FrmVelmarit::printRequested);
    actPreview = makeAction("actPreview", "Druckvorschau…", &FrmVelmarit::previewRequested);
    actSavePdf = makeAction("actSavePdf", "Als PDF speichern…", &FrmVelmarit::savePdfRequested);
    actInfo = makeAction("actInfo", "Info über Velmarit…", &FrmVelmarit::infoRequested);
    actPrint->setShortcut(QKeySequence::Print);
    // The window's actions: their shortcuts work from every control.
    addAction(actPrint);

    // Shift+F10 opens a context menu where the platform does not do so by
    // itself (X11 does it for the Menu key only): the focused control gets
    // the same keyboard request, so a text box still shows its edit menu.
    auto *menuKey = new QAction(this);
    menuKey->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
    connect(menuKey, &QAction::triggered, this, [this] {
        QWidget *target = QApplication::focusWidget();
        if (target == nullptr || target->window() != this)
            target = this;
        QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(0, 0),
                                  target->mapToGlobal(QPoint(0, 0)));
        QApplication::sendEvent(target, &request);
    });
    addAction(menuKey);
}

QMenu *FrmVelmarit::contextMenu()
{
    if (m_contextMenu == nullptr) {
        m_contextMenu = new QMenu(this);
        m_contextMenu->setObjectName(QStringLiteral("mnuKontext"));
        m_contextMenu->addActions({actPrint, actPreview, actSavePdf});
        m_contextMenu->addSeparator();
        m_contextMenu->addAction(actInfo);
    }
    return m_contextMenu;
}

void FrmVelmarit::subSchreibeListen()
{
    for (const DeltaRow &row : deltaAddressTable)
        lstDelta->addItem(fromStd(deltaRowText(row)));
}

void FrmVelmarit::showDecodeResult(QLabel *label, const std::string &text, bool highlight)
{
    label->setText(fromStd(text));
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, toQColor(highlight ? layout::red : layout::black));
    palette.setColor(QPalette::WindowText, toQColor(highlight ? layout::white : layout::cyan));
    label->setPalette(palette);
}

// Locomotive panel.

void FrmVelmarit::txtDigital_Change()
{
    lblDelta->setText(fromStd(switchListLok(numberFromText(textOf(txtDigital)))));
}

void FrmVelmarit::chkSwitchLok_Click(int /*index*/)
{
    const LokResult result = decodeSwitchLok(patternOf<LokPattern>(chkSwitchLok));
    showDecodeResult(lblAnzeigeLok, addressTextLok(result), lokHighlighted(result));
}

void FrmVelmarit::txtSwitchLok_Change()
{
    const LokResult result = decodeSwitchLok(patternFromTextLok(textOf(txtSwitchLok)));
    showDecodeResult(lblAdresseLok, addressTextLok(result), lokHighlighted(result));
}

void FrmVelmarit::txtSwitchLok_KeyPress(int &keyAscii)
{
    keyAscii = filterPairedSwitchKey(textOf(txtSwitchLok), keyAscii, lokSwitchPairs);
}

// Delta panel: every pattern has an answer, so its labels keep their colours.

void FrmVelmarit::chkSwitchLokDelta_Click(int /*index*/)
{
    const DeltaResult result = decodeSwitchLokDelta(patternOf<DeltaPattern>(chkSwitchLokDelta));
    lblAnzeigeLokDelta->setText(fromStd(addressTextLokDelta(result)));
}

void FrmVelmarit::txtSwitchLokDelta_Change()
{
    const DeltaResult result =
        decodeSwitchLokDelta(patternFromTextLokDelta(textOf(txtSwitchLokDelta)));
    lblAdresseLokDelta->setText(fromStd(addressTextLokDelta(result)));
}

void FrmVelmarit::txtSwitchLokDelta_KeyPress(int &keyAscii)
{
    keyAscii = filterDeltaSwitchKey(keyAscii);
}

// Accessory panel.

void FrmVelmarit::chkSwitchMA_Click(int /*index*/)
{
    const AccessoryResult result = decodeSwitchMA(patternOf<AccessoryPattern>(chkSwitchMA));
    showDecodeResult(lblAnzeigeMA, addressTextMA(result), accessoryHighlighted(result));
}

void FrmVelmarit::txtSwitchMA_Change()
{
    const AccessoryResult result = decodeSwitchMA(patternFromTextMA(textOf(txtSwitchMA)));
    showDecodeResult(lblAdresseMA, addressTextMA(result), accessoryHighlighted(result));
}

void FrmVelmarit::txtSwitchMA_KeyPress(int &keyAscii)
{
    keyAscii = filterPairedSwitchKey(textOf(txtSwitchMA), keyAscii, accessorySwitchPairs);
}

// The box has no length limit; numberFromText saturates at the 16-bit range,
// so a huge number shows "ungültig" and a hugely negative one the empty text.
void FrmVelmarit::txtWeichen_Change()
{
    lblWeichen->setText(fromStd(switchListMA(numberFromText(textOf(txtWeichen)))));
}

// Window events.

void FrmVelmarit::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(layout::windowColour));
}

void FrmVelmarit::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Double clicks on controls that do not handle them are passed on to the
    // window; only one on the bare background counts.
    const bool onBackground =
        event->button() == Qt::LeftButton && childAt(event->position().toPoint()) == nullptr;
    event->accept();
    if (onBackground)
        emit backgroundDoubleClicked();
}

void FrmVelmarit::contextMenuEvent(QContextMenuEvent *event)
{
    // Controls with a menu of their own (the text boxes) keep theirs; the
    // request of any other control is passed on to the window.
    event->accept();
    contextMenu()->popup(event->globalPos());
}

void FrmVelmarit::closeEvent(QCloseEvent *event)
{
    emit closing();
    event->accept();
}

} // namespace velmarit
