#include "tools/text/LineJoin.h"

#include <QStringView>

#include "editor/RowStats.h"
#include "tools/text/CorrectionLog.h"

namespace {

constexpr qsizetype longestJoined = 36;

bool joinable(QStringView text)
{
    return !text.isEmpty() && text.size() <= longestJoined && text.contains(u'|')
           && !text.contains(u'-');
}

// A sentence that ends in the first line keeps its break; so does a credit.
bool firstLineEndsNoSentence(QStringView text, qsizetype bar)
{
    for (QChar mark : {u'.', u'?', u'!'}) {
        const qsizetype at = text.indexOf(mark);
        if (at >= 0 && at < bar)
            return false;
    }
    for (QStringView credit : {u"Felirat:", u"fordította", u"Fordította"})
        if (text.contains(credit))
            return false;
    return true;
}

bool joinRow(QString &text, RowContext &ctx)
{
    if (!joinable(text))
        return false;
    if (measureLines(text).l[2] > 0) {
        // Three or more lines: every break goes, each one its own change.
        int replaced = 0;
        for (qsizetype bar = text.indexOf(u'|'); bar >= 0; bar = text.indexOf(u'|', bar + 1)) {
            ctx.log.entryHeader(QStringLiteral("mib"), ctx.row, text);
            text[bar] = u' ';
            ctx.log.add(QStringLiteral("Mire:   ") + text);
            ++replaced;
        }
        ctx.count = replaced;
        return true;
    }
    const qsizetype bar = text.indexOf(u'|');
    if (!firstLineEndsNoSentence(text, bar))
        return false;
    ctx.log.entryHeader(QStringLiteral("mib"), ctx.row, text);
    text[bar] = u' ';
    ctx.log.add(QStringLiteral("Mire:   ") + text);
    return true;
}

}  // namespace

BatchTool lineJoinTool()
{
    BatchTool tool;
    tool.rules.push_back(makeRule(joinRow, EntryForm::selfWritten()));
    return tool;
}

int runLineJoin(EditorModel &model)
{
    return runBatchPass(model, lineJoinTool());
}
