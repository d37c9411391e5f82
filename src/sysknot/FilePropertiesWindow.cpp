#include "FilePropertiesWindow.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMimeDatabase>
#include <QPushButton>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace {

QString sizeText(qint64 bytes)
{
    const QLocale c = QLocale::c();
    const QString exact = c.toString(bytes) + QStringLiteral(" 字节");
    if (bytes < 1024)
        return exact;
    return QLocale::system().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat)
           + QStringLiteral(" (") + exact + u')';
}

QString timeText(const QDateTime &time)
{
    return time.isValid() ? time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QStringLiteral("未知");
}

QString permissionText(const QFileInfo &file)
{
    const QFile::Permissions p = file.permissions();
    auto triple = [p](QFile::Permission r, QFile::Permission w, QFile::Permission x) {
        QString text;
        text += (p & r) ? u'r' : u'-';
        text += (p & w) ? u'w' : u'-';
        text += (p & x) ? u'x' : u'-';
        return text;
    };
    QString text = triple(QFile::ReadOwner, QFile::WriteOwner, QFile::ExeOwner)
                   + triple(QFile::ReadGroup, QFile::WriteGroup, QFile::ExeGroup)
                   + triple(QFile::ReadOther, QFile::WriteOther, QFile::ExeOther);
    if (!file.owner().isEmpty())
        text += QStringLiteral("  ") + file.owner() + u':' + file.group();
    if (!file.isWritable())
        text += QStringLiteral("  (只读)");
    return text;
}

} // namespace

FilePropertiesWindow::FilePropertiesWindow(const QFileInfo &file, QWidget *owner)
    : QWidget(owner, Qt::Dialog)
{
    setObjectName(QStringLiteral("FileProperties"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(file.fileName() + QStringLiteral(" 属性"));

    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    layout->addLayout(form);

    QString type;
    if (file.isDir()) {
        type = QStringLiteral("文件夹");
    } else {
        const QMimeType mime = QMimeDatabase().mimeTypeForFile(file);
        type = mime.comment();
        if (!file.suffix().isEmpty())
            type += QStringLiteral(" (.") + file.suffix() + u')';
    }

    addRow(QStringLiteral("名称"), file.fileName());
    addRow(QStringLiteral("位置"), QDir::toNativeSeparators(file.absolutePath()));
    addRow(QStringLiteral("类型"), type);
    if (!file.isDir())
        addRow(QStringLiteral("大小"), sizeText(file.size()));
    addRow(QStringLiteral("创建时间"), timeText(file.birthTime()));
    addRow(QStringLiteral("修改时间"), timeText(file.lastModified()));
    addRow(QStringLiteral("访问时间"), timeText(file.lastRead()));
    addRow(QStringLiteral("权限"), permissionText(file));

    for (QLineEdit *edit : std::as_const(m_values)) {
        auto *label = new QLabel(edit->accessibleName() + u'：', this);
        label->setBuddy(edit);
        form->addRow(label, edit);
    }

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QWidget::close);
    layout->addWidget(buttons);

    resize(420, sizeHint().height());
}

void FilePropertiesWindow::addRow(const QString &caption, const QString &value)
{
    auto *edit = new QLineEdit(value, this);
    edit->setReadOnly(true);
    edit->setFrame(false);
    edit->setObjectName(caption); // rows are found by caption
    edit->setAccessibleName(caption);
    edit->setCursorPosition(0);
    m_values << edit;
}

void FilePropertiesWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
