#include "Prompter.h"

Prompter::~Prompter() = default;

QString Prompter::qtFilter(const QString &pairs)
{
    const QStringList parts = pairs.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts.at(i + 1);
        patterns.replace(u';', u' ');
        if (patterns.trimmed() == u"*.*")
            patterns = QStringLiteral("*");
        filters << parts.at(i) + u" (" + patterns.trimmed() + u')';
    }
    if (filters.isEmpty() && !pairs.isEmpty())
        filters << pairs;
    return filters.join(QStringLiteral(";;"));
}
