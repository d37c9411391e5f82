#include "VocabularyBook.h"

#include "CodeTables.h"
#include "ProgramFolder.h"

namespace VocabularyBook {

QString wubiBookPath(const QString &userName)
{
    return ProgramFolder::path(QStringLiteral("\\File\\") + userName + QStringLiteral("86五笔生字本.txt"));
}

QString pinyinBookPath(const QString &userName)
{
    return ProgramFolder::path(QStringLiteral("\\File\\") + userName + QStringLiteral("全拼生字本.txt"));
}

QString line(QStringView item, QStringView code)
{
    QString text;
    text.reserve(item.size() + code.size() + 3);
    text.append(item).append(CodeTables::Colon).append(code);
    // A break inside the item or code would split one entry over two lines.
    text.remove(u'\r').remove(u'\n');
    return text.append(QStringLiteral("\r\n"));
}

TextFile::WriteResult append(const QString &path, QStringView item, QStringView code)
{
    return TextFile::append(path, line(item, code));
}

} // namespace VocabularyBook
