#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <ostream>

#include "editor/EditorModel.h"
#include "support/MessageRecorder.h"
#include "support/PrintQString.h"

// Shared by the reader tests: a host that counts what the reader asks of the
// window, and the rendering of a read in the batch tool's record format so a
// fixture's expected file serves the core test and the batch test alike.

struct CountingHost : EditorHost {
    int currentRowShown = 0, lineFieldsCleared = 0, reportShown = 0, filmPaused = 0;
    QList<int> progress;
    QList<bool> progressVisible;
    void showCurrentRow() override { ++currentRowShown; }
    void clearLineFields() override { ++lineFieldsCleared; }
    void showProgress(bool visible) override { progressVisible.append(visible); }
    void setProgress(int value) override { progress.append(value); }
    void showReportWindow() override
    {
        ++reportShown;
        steps.append("report");
    }
    void pauseFilm() override { ++filmPaused; }
    // "c+" / "c-" for the cursor, "place" for placing the window, and the
    // report window, in the order they came
    QStringList steps;
    void setWaitCursor(bool on) override { steps.append(on ? "c+" : "c-"); }
    void placeForRead() override { steps.append("place"); }
};

inline QString escapeField(const QString &field)
{
    QString out = field;
    out.replace(QStringLiteral("\\"), QStringLiteral("\\\\"));
    out.replace(QStringLiteral("\t"), QStringLiteral("\\t"));
    return out;
}

inline QString record(const QStringList &fields)
{
    QStringList escaped;
    for (const QString &f : fields)
        escaped.append(escapeField(f));
    return escaped.join(u'\t');
}

inline QStringList renderRead(const QString &type, const EditorModel &model,
                              const MessageRecorder &recorder)
{
    QStringList out{record({QStringLiteral("type"), type})};
    for (int i = 0; i < model.cds.recordCount(); ++i) {
        const SubtitleRow &r = model.cds.rowAt(i);
        out.append(record({QStringLiteral("row"), QString::number(i + 1), r.kezdes, r.befejezes,
                           r.szoveg, r.szoveg2}));
    }
    for (const QString &l : model.log.lines())
        out.append(record({QStringLiteral("log"), l}));
    for (const MessageRecorder::Message &m : recorder.messages())
        out.append(record({QStringLiteral("box"), m.request.title, m.request.kind,
                           m.request.first, m.request.second}));
    return out;
}

inline QString dataPath(const QString &relative)
{
    return QStringLiteral(KELVO_TEST_DATA "/") + relative;
}

inline QStringList expectedLines(const QString &relative)
{
    QFile f(dataPath(relative));
    if (!f.open(QIODevice::ReadOnly))
        return {QStringLiteral("<missing expected file ") + relative + u'>'};
    QStringList lines = QString::fromUtf8(f.readAll()).split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

inline QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}
