#include "TestPracticeWindow.h"

#include "MDIForm1.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

int TestPracticeWindow::alive = 0;

TestPracticeWindow::TestPracticeWindow(MDIForm1 &main, const QString &name, int boxes)
    : m_name(name)
{
    ++alive;
    setObjectName(name);
    auto *layout = new QVBoxLayout(this);
    for (int i = 0; i < boxes; ++i) {
        auto *box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("TxtStatu(%1)").arg(i));
        TxtStatu.push_back(box);
        layout->addWidget(box);
    }
    Combo1 = new QComboBox(this);
    layout->addWidget(Combo1);
    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
    CmdShowSet0 = new QPushButton(QStringLiteral("暂停"), this);
    layout->addWidget(CmdShowSet0);
    connect(Timer1, &QTimer::timeout, this, [this, &main] { main.engine().SessionTick(*this); });
    connect(Combo1, &QComboBox::currentIndexChanged, this,
            [this, &main] { main.engine().RestartSession(*this); });
    main.currentUser().LastWindow = name;
    main.engine().StartSession(*this);
}

TestPracticeWindow::~TestPracticeWindow()
{
    --alive;
}

QList<QLineEdit *> TestPracticeWindow::statusBoxes() const
{
    return QList<QLineEdit *>(TxtStatu.begin(), TxtStatu.end());
}

QAbstractButton *TestPracticeWindow::startPauseButton() const
{
    return CmdShowSet0;
}
