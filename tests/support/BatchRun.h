#pragma once
#include <QByteArray>
#include <QProcess>
#include <QStringList>

// Runs the real kelvo-batch and keeps what it printed.
struct BatchRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    QStringList lines() const
    {
        QStringList l = QString::fromUtf8(out).split(u'\n');
        if (!l.isEmpty() && l.last().isEmpty())
            l.removeLast();
        return l;
    }
    // The lines of one kind of record ("log", "box", ...), whole.
    QStringList records(const char *kind) const
    {
        QStringList out;
        for (const QString &l : lines())
            if (l.startsWith(QLatin1String(kind) + u'\t'))
                out.append(l);
        return out;
    }
};

inline BatchRun runBatchTool(const QStringList &arguments)
{
    QProcess p;
    p.start(QStringLiteral(KELVO_BATCH_EXE), arguments);
    p.waitForFinished(120000);
    BatchRun r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}
