#include "tools/text/DashTool.h"

#include <QStringView>

#include "document/SubtitleTable.h"

namespace {

const QString italic = QStringLiteral("<i>");

// A space never takes a text past the length the tools keep it within.
bool fitsTheField(QStringView text)
{
    return text.size() <= fieldSize(Field::Szoveg);
}

// From the first line down, each line opening with a dash glued to its
// word gets a space; the first line that needs none ends the run. A dash
// before "=" is left glued.
bool spaceAfterDashes(QString &text, RowContext &)
{
    bool inserted = false;
    qsizetype lineStart = 0;
    while (lineStart < text.size() && text[lineStart] == u'-') {
        const qsizetype after = lineStart + 1;
        if (after < text.size() && (text[after] == u' ' || text[after] == u'='))
            break;
        text.insert(after, u' ');
        inserted = true;
        const qsizetype bar = text.indexOf(u'|', after);
        if (bar < 0)
            break;
        lineStart = bar + 1;
    }
    return inserted && fitsTheField(text);
}

// One speaker: the leading "- " goes. Two speakers whose second dash is
// glued to its word: that dash gets its space. A leading "<i>" stays.
bool loneDash(QString &text, RowContext &)
{
    const bool tagged = text.startsWith(italic);
    const QStringView u = QStringView(text).sliced(tagged ? italic.size() : 0);
    if (!u.startsWith(u"- "))
        return false;
    QString rest = u.sliced(2).toString();
    if (rest.contains(u"- "))
        return false;
    const QString prefix = tagged ? italic : QString();
    const qsizetype second = rest.indexOf(u"|-");
    if (second < 0) {
        text = prefix + rest;
        return true;
    }
    rest.insert(second + 2, u' ');
    text = prefix + QStringLiteral("- ") + rest;
    return fitsTheField(text);
}

}  // namespace

BatchTool dashTool()
{
    BatchTool tool;
    tool.rules.push_back(makeRule(spaceAfterDashes));
    tool.rules.push_back(makeRule(loneDash));
    return tool;
}

int runDashTool(EditorModel &model)
{
    return runBatchPass(model, dashTool());
}
