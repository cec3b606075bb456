#include "tools/text/CorrectionLog.h"

void CorrectionLog::entryHeader(const QString &kind, int row, const QString &text)
{
    add(QString());
    add(QStringLiteral("Melyik sorban volt: ") + QString::number(row));
    if (kind == QLatin1String("mib"))
        add(QStringLiteral("Miből: ") + text);
    else if (kind == QLatin1String("kri"))
        add(QStringLiteral("Kritikus sor: ") + text);
    else if (kind == QLatin1String("tor"))
        add(QStringLiteral("Törölve: ") + text);
}
