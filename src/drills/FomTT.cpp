#include "FomTT.h"

#include "DrillMenu.h"
#include "DrillSets.h"
#include "FingerTable.h"
#include "KeyboardPicture.h"
#include "MDIForm1.h"
#include "ProgramFolder.h"
#include "SoundPlayer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QColor Background(255, 192, 128);
const QColor CellGreen(192, 255, 192);
const QColor AnswerYellow(255, 255, 0);
const QColor RightBlue(0, 0, 255);
const QColor WrongRed(255, 0, 0);
const QColor LabelBlue(0, 0, 255);

constexpr char16_t Backspace = 8;
constexpr char16_t Enter = 13;
constexpr char16_t Escape = 27;

void setBackground(QLabel *label, const QColor &colour)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, colour);
    // Dark fills would swallow black glyphs.
    const double luminance = 0.299 * colour.red() + 0.587 * colour.green() + 0.114 * colour.blue();
    pal.setColor(QPalette::WindowText, luminance < 128 ? Qt::white : Qt::black);
    label->setPalette(pal);
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, colour);
    widget->setPalette(pal);
}

QFont songti(int points, bool bold = true)
{
    QFont f(QStringLiteral("宋体"), points);
    f.setBold(bold);
    return f;
}

} // namespace

FomTT::FomTT(MDIForm1 &main, QWidget *parent)
    : QWidget(parent)
    , m_main(main)
{
    setObjectName(QStringLiteral("FomTT"));
    setWindowTitle(QStringLiteral("指法练习"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Background);
    setPalette(pal);
    setMouseTracking(true);
    buildControls();
    load();
}

void FomTT::buildControls()
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 4, 8, 8);

    // Status panel.
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::StyledPanel);
    auto *status = new QHBoxLayout(Frame1);
    const QStringList captions = {QStringLiteral("正确："), QStringLiteral("错误："),
                                  QStringLiteral("正确率："), QStringLiteral("每分钟："),
                                  QStringLiteral("时间：")};
    for (int i = 0; i < 5; ++i) {
        auto *label = new QLabel(captions[i], Frame1);
        auto *box = new QLineEdit(Frame1);
        box->setObjectName(QStringLiteral("TxtStatu(%1)").arg(i));
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
        box->setMaximumWidth(90);
        box->setAccessibleName(captions[i].chopped(1));
        label->setBuddy(box);
        status->addWidget(label);
        status->addWidget(box);
        TxtStatu[static_cast<std::size_t>(i)] = box;
    }
    auto *limitLabel = new QLabel(QStringLiteral("训练时间："), Frame1);
    Combo1 = new QComboBox(Frame1);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setAccessibleName(QStringLiteral("训练时间"));
    limitLabel->setBuddy(Combo1);
    status->addWidget(limitLabel);
    status->addWidget(Combo1);
    const QStringList buttons = {QStringLiteral("暂停"), QStringLiteral("终止"), QStringLiteral("设置")};
    for (int i = 0; i < 3; ++i) {
        auto *b = new QPushButton(buttons[i], Frame1);
        b->setObjectName(QStringLiteral("CmdShowSet(%1)").arg(i));
        b->setFocusPolicy(Qt::NoFocus);
        status->addWidget(b);
        CmdShowSet[static_cast<std::size_t>(i)] = b;
        connect(b, &QPushButton::clicked, this, [this, i] { CmdShowSetClick(i); });
    }
    QFont kaiti(QStringLiteral("楷体_GB2312"));
    kaiti.setPointSizeF(10.5);
    kaiti.setBold(true);
    CmdShowSet[0]->setFont(kaiti);
    CmdShowSet[2]->hide();
    status->addStretch();
    outer->addWidget(Frame1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &FomTT::Timer1Tick);
    connect(Combo1, &QComboBox::activated, this, &FomTT::Combo1Click);

    // Drill set strip.
    Frame2 = new QFrame(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto *strip = new QHBoxLayout(Frame2);
    QFont labelFont = songti(12);
    labelFont.setUnderline(true);
    for (int i = 0; i < DrillSets::Count; ++i) {
        auto *l = new QLabel(DrillSets::at(i).labelCaption, Frame2);
        l->setObjectName(QStringLiteral("LaSelect(%1)").arg(i));
        l->setFont(labelFont);
        l->setCursor(Qt::PointingHandCursor);
        l->setAccessibleName(DrillSets::at(i).labelCaption);
        l->installEventFilter(this);
        strip->addWidget(l);
        LaSelect[static_cast<std::size_t>(i)] = l;
    }
    strip->addStretch();
    outer->addWidget(Frame2);

    // The line: character cells over answer cells.
    auto *rowWidget = new QWidget(this);
    auto *row = new QGridLayout(rowWidget);
    row->setSpacing(0);
    row->setContentsMargins(0, 0, 0, 0);
    const QFont cellFont = songti(24);
    const int cellWidth = QFontMetrics(cellFont).height() + 6;
    for (int i = 1; i <= 20; ++i) {
        auto *c = new QLabel(rowWidget);
        c->setObjectName(QStringLiteral("Label1(%1)").arg(i));
        c->setFont(cellFont);
        c->setAlignment(Qt::AlignCenter);
        c->setAutoFillBackground(true);
        c->setFrameShape(QFrame::Box);
        c->setFixedSize(cellWidth, cellWidth);
        c->setAccessibleName(QStringLiteral("第%1个字符").arg(i));
        setBackground(c, CellGreen);
        row->addWidget(c, 0, i - 1);
        Label1[static_cast<std::size_t>(i)] = c;
    }
    Label1[20]->hide();
    for (int i = 0; i <= Cells; ++i) {
        auto *a = new QLabel(rowWidget);
        a->setObjectName(QStringLiteral("Label3(%1)").arg(i));
        a->setFont(cellFont);
        a->setAlignment(Qt::AlignCenter);
        a->setAutoFillBackground(true);
        a->setFrameShape(QFrame::Box);
        a->setFixedSize(cellWidth, cellWidth);
        a->setAccessibleName(QStringLiteral("第%1个输入").arg(i));
        setBackground(a, AnswerYellow);
        if (i == 0)
            a->hide();
        else
            row->addWidget(a, 1, i - 1);
        Label3[static_cast<std::size_t>(i)] = a;
    }
    auto *rowLine = new QHBoxLayout;
    rowLine->addStretch();
    rowLine->addWidget(rowWidget);
    rowLine->addStretch();
    outer->addLayout(rowLine);

    // Input, options and the finger hint.
    auto *middle = new QHBoxLayout;
    TxtInput = new QLineEdit(this);
    TxtInput->setObjectName(QStringLiteral("TxtInput"));
    TxtInput->setAccessibleName(QStringLiteral("输入"));
    TxtInput->setAlignment(Qt::AlignCenter);
    TxtInput->setFont(cellFont);
    TxtInput->setFixedWidth(cellWidth * 3);
    QPalette inputPal = TxtInput->palette();
    inputPal.setColor(QPalette::Text, QColor(255, 0, 0));
    inputPal.setColor(QPalette::Base, QColor(255, 255, 192));
    TxtInput->setPalette(inputPal);
    TxtInput->installEventFilter(this);
    TxtInput->setAttribute(Qt::WA_InputMethodEnabled, true);
    middle->addStretch();
    middle->addWidget(TxtInput);
    middle->addSpacing(24);
    const QStringList checks = {QStringLiteral("显示指法"), QStringLiteral("声音提示")};
    for (int i = 0; i < 2; ++i) {
        auto *c = new QCheckBox(checks[i], this);
        c->setObjectName(QStringLiteral("Check1(%1)").arg(i));
        c->setFocusPolicy(Qt::NoFocus);
        middle->addWidget(c);
        Check1[static_cast<std::size_t>(i)] = c;
        connect(c, &QCheckBox::clicked, this, &FomTT::Check1Click);
    }
    middle->addSpacing(24);
    LaFingerHint = new QLabel(QStringLiteral("显示指法"), this);
    LaFingerHint->setObjectName(QStringLiteral("La手势"));
    LaFingerHint->setAccessibleName(QStringLiteral("指法"));
    LaFingerHint->setFont(songti(42));
    setTextColour(LaFingerHint, QColor(255, 0, 0));
    LaFingerHint->setMinimumWidth(QFontMetrics(LaFingerHint->font()).horizontalAdvance(QStringLiteral("W右小→")));
    middle->addWidget(LaFingerHint);
    middle->addStretch();
    outer->addLayout(middle);

    Picture1 = new KeyboardPicture(this);
    outer->addWidget(Picture1, 1);
}

void FomTT::load()
{
    UserRecord &user = m_main.currentUser();
    user.LastWindow = windowName();
    Check1[0]->setChecked(user.DrillFingering == 1);
    Check1[1]->setChecked(user.DrillSound == 1);
    LaFingerHint->setVisible(Check1[0]->isChecked());
    TxtInput->setFocus();
    LaSelectClick(chosenIndex());
    m_main.engine().StartSession(*this);
}

QList<QLineEdit *> FomTT::statusBoxes() const
{
    return QList<QLineEdit *>(TxtStatu.begin(), TxtStatu.end());
}

QAbstractButton *FomTT::startPauseButton() const
{
    return CmdShowSet[0];
}

QWidget *FomTT::focusOnStart() const
{
    return TxtInput;
}

void FomTT::markSelectedLabel(int index)
{
    for (int i = 0; i < DrillSets::Count; ++i)
        setTextColour(LaSelect[static_cast<std::size_t>(i)], i == index ? WrongRed : LabelBlue);
}

void FomTT::LaSelectClick(int index)
{
    if (index < 0 || index >= DrillSets::Count)
        return;
    for (int i = 0; i <= 11; ++i) {
        if (QAction *entry = m_main.entry(QStringLiteral("MmuTT1"), i))
            entry->setChecked(i == index);
    }
    markSelectedLabel(index);
    m_main.currentUser().DrillIndex = index;
    GenerateDrillLine(LaSelect[static_cast<std::size_t>(index)]->text(), false);
    updateHints();
}

void FomTT::GenerateDrillLine(const QString &labelCaption, bool reuse)
{
    const int index = DrillSets::indexOfLabelCaption(labelCaption);
    if (index < 0)
        return;
    QString pool = DrillSets::at(index).labelPool;
    if (index == DrillSets::CustomIndex) {
        if (reuse) {
            pool = m_main.currentUser().CustomKeys;
        } else {
            const std::optional<QString> keys = DrillMenu::askCustomKeys(m_main, this);
            pool = keys.value_or(QString());
        }
        if (pool.isEmpty())
            return;
    }
    showLine(DrillSets::drawLine(pool, DrillSets::LabelDrawLimit));
}

void FomTT::showLine(const QString &line)
{
    for (int i = 1; i <= Cells; ++i)
        Label1[static_cast<std::size_t>(i)]->setText(i <= line.size() ? QString(line.at(i - 1)) : QString());
    resetRow();
    TxtInput->clear();
}

void FomTT::resetRow()
{
    for (int i = 1; i <= 20; ++i)
        setBackground(Label1[static_cast<std::size_t>(i)], CellGreen);
    for (int i = 1; i <= Cells; ++i) {
        Label3[static_cast<std::size_t>(i)]->clear();
        setBackground(Label3[static_cast<std::size_t>(i)], AnswerYellow);
    }
    m_drillPosition = 0;
    TxtInput->setFocus();
}

int FomTT::chosenIndex() const
{
    // A damaged record must not pick the custom set and its question by accident.
    const int index = m_main.currentUser().DrillIndex;
    return index >= 0 && index < DrillSets::Count ? index : 0;
}

void FomTT::newLineFromChosenSet()
{
    GenerateDrillLine(LaSelect[static_cast<std::size_t>(chosenIndex())]->text(), true);
}

void FomTT::KeyPress(QChar key)
{
    const char16_t k = key.unicode();
    const int p = m_drillPosition;
    Mdiform &engine = m_main.engine();
    if (k != Backspace && p == JudgedCells) {
        newLineFromChosenSet();
    } else if (k == Escape) {
        newLineFromChosenSet();
    } else if (k == Enter) {
        m_drillPosition = 0;
        for (int i = 1; i <= 20; ++i)
            setBackground(Label1[static_cast<std::size_t>(i)], CellGreen);
        engine.CorrectCount += 1;
        for (int i = 1; i <= Cells; ++i)
            Label3[static_cast<std::size_t>(i)]->clear();
    } else if (k == Backspace) {
        if (p > 0)
            setBackground(Label1[static_cast<std::size_t>(p)], CellGreen);
        Label3[static_cast<std::size_t>(p)]->clear();
        if (p > 0)
            m_drillPosition = p - 1;
    } else {
        m_drillPosition = p + 1;
        QLabel *cell = Label1[static_cast<std::size_t>(p + 1)];
        const bool right = cell->text() == QString(key);
        setBackground(cell, right ? RightBlue : WrongRed);
        (right ? engine.CorrectCount : engine.WrongCount) += 1;
        if (Check1[1]->isChecked())
            playSound(right ? QStringLiteral("\\right.wav") : QStringLiteral("\\wrong.wav"));
    }
    TxtInput->clear();
    if (k != Backspace)
        Label3[static_cast<std::size_t>(m_drillPosition)]->setText(QString(key));
    updateHints();
}

void FomTT::updateHints()
{
    const QString due = Label1[static_cast<std::size_t>(qBound(0, m_drillPosition, Cells) + 1)]->text();
    Picture1->ShowKeyOnKeyboard(due);
    LaFingerHint->setText(FingerTable::FingerHintFor(due));
}

void FomTT::playSound(const QString &relativePath)
{
    if (SoundPlayer *sound = m_main.services().sound)
        sound->play(ProgramFolder::path(relativePath));
}

void FomTT::Check1Click()
{
    UserRecord &user = m_main.currentUser();
    user.DrillFingering = Check1[0]->isChecked() ? 1 : 0;
    user.DrillSound = Check1[1]->isChecked() ? 1 : 0;
    LaFingerHint->setVisible(Check1[0]->isChecked());
    TxtInput->setFocus();
}

void FomTT::CmdShowSetClick(int index)
{
    QPushButton *pause = CmdShowSet[0];
    const QString caption = CmdShowSet[static_cast<std::size_t>(index)]->text();
    if (caption == QStringLiteral("暂停")) {
        pause->setText(QStringLiteral("开始"));
        Timer1->stop();
    } else if (caption == QStringLiteral("开始")) {
        pause->setText(QStringLiteral("暂停"));
        Timer1->start();
    } else if (caption == QStringLiteral("终止")) {
        m_main.engine().StartSession(*this);
        pause->setText(QStringLiteral("开始"));
        Timer1->stop();
    }
    TxtInput->setFocus();
}

void FomTT::Combo1Click()
{
    m_main.engine().RestartSession(*this);
    // The clock runs again, so the button must offer to pause it.
    if (Timer1->isActive())
        CmdShowSet[0]->setText(QStringLiteral("暂停"));
    TxtInput->setFocus();
}

void FomTT::Timer1Tick()
{
    m_main.engine().SessionTick(*this);
}

bool FomTT::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == TxtInput) {
        if (event->type() == QEvent::KeyPress) {
            auto *key = static_cast<QKeyEvent *>(event);
            switch (key->key()) {
            case Qt::Key_Escape:
                KeyPress(QChar(Escape));
                return true;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                KeyPress(QChar(Enter));
                return true;
            case Qt::Key_Backspace:
                KeyPress(QChar(Backspace));
                return true;
            default:
                break;
            }
            // Shortcut chords and keys without a character are not keystrokes of the drill.
            if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
                return false;
            const QString text = key->text();
            if (text.isEmpty() || !text.at(0).isPrint())
                return false;
            for (QChar c : text)
                KeyPress(c);
            return true;
        }
        if (event->type() == QEvent::InputMethod) {
            // An input method's commit is judged like the same characters typed one by one.
            auto *im = static_cast<QInputMethodEvent *>(event);
            const QString text = im->commitString();
            // Composition in progress stays on show in the box until it is committed.
            if (text.isEmpty())
                return false;
            for (QChar c : text)
                KeyPress(c);
            TxtInput->clear();
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        for (int i = 0; i < DrillSets::Count; ++i) {
            if (watched == LaSelect[static_cast<std::size_t>(i)] && mouse->button() == Qt::LeftButton) {
                LaSelectClick(i);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FomTT::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        if (QMenu *menu = m_main.menu(QStringLiteral("Mmutt")))
            menu->popup(event->globalPosition().toPoint());
        return;
    }
    QWidget::mousePressEvent(event);
}

void FomTT::mouseMoveEvent(QMouseEvent *event)
{
    TxtInput->setFocus();
    QWidget::mouseMoveEvent(event);
}
