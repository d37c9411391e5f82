#pragma once

#include "TextFile.h"

#include <QString>
#include <QStringView>

// A vocabulary book: GBK lines of item, "：" and code, only ever appended.
namespace VocabularyBook {

// "\File\" + user + "86五笔生字本.txt" and its pinyin sibling.
QString wubiBookPath(const QString &userName);
QString pinyinBookPath(const QString &userName);

// item + "：" + code + CR LF, with any line break inside them dropped.
QString line(QStringView item, QStringView code);

// Appends one line, creating the file when it is missing.
TextFile::WriteResult append(const QString &path, QStringView item, QStringView code);

} // namespace VocabularyBook
