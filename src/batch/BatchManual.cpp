#include "batch/BatchManual.h"

#include <QStringList>

namespace {

// Text as troff prints it: backslashes and hyphens escaped, and a line that
// would start with a control character made plain.
QString roff(const QString &text)
{
    QString out = text;
    out.replace(u'\\', QStringLiteral("\\e"));
    out.replace(u'-', QStringLiteral("\\-"));
    QStringList lines = out.split(u'\n');
    for (QString &line : lines)
        if (line.startsWith(u'.') || line.startsWith(u'\''))
            line.prepend(QStringLiteral("\\&"));
    return lines.join(u'\n');
}

// A word a user types as it stands is bold; a placeholder (IN, FROM, N) italic.
QString styledWord(const QString &word)
{
    bool placeholder = !word.isEmpty();
    for (QChar c : word)
        if (!(c.isUpper() || c.isDigit() || c == u'_'))
            placeholder = false;
    return (placeholder ? QStringLiteral("\\fI") : QStringLiteral("\\fB")) + roff(word)
           + QStringLiteral("\\fR");
}

// "overlap [--repair] IN OUT" with each word styled, brackets plain.
QString styledTerm(const QString &term)
{
    QStringList words;
    for (const QString &token : term.split(u' ', Qt::SkipEmptyParts)) {
        QString word = token;
        QString before, after;
        while (word.startsWith(u'[')) {
            before += u'[';
            word.remove(0, 1);
        }
        while (word.endsWith(u']')) {
            after += u']';
            word.chop(1);
        }
        words.append(before + styledWord(word) + after);
    }
    return words.join(u' ');
}

QString entry(const QString &term, const QString &help)
{
    return QStringLiteral(".TP\n") + styledTerm(term) + u'\n' + roff(help) + u'\n';
}

}  // namespace

QString batchManPage(const QString &version, BatchCommandList commands)
{
    QString page = QStringLiteral(
        ".TH KELVO\\-BATCH 1 \"\" \"Kelvo %1\" \"User Commands\"\n"
        ".SH NAME\n"
        "kelvo\\-batch \\- run the Kelvo subtitle editor's routines on files from the shell\n"
        ".SH SYNOPSIS\n"
        ".B kelvo\\-batch\n"
        "[\\fIOPTIONS\\fR] \\fICOMMAND\\fR [\\fIARGS\\fR...]\n"
        ".SH DESCRIPTION\n"
        "\\fBkelvo\\-batch\\fR reads time\\-based (.srt) and frame\\-based (.sub) subtitles "
        "as the editor opens them, runs the editor's tools over every entry and writes the "
        "table back. A file is replaced only once the new one is safely on the disk: a "
        "failed save leaves the old file as it was.\n"
        ".SH COMMANDS\n")
                       .arg(roff(version));
    for (const BatchCommand *c : commands) {
        page += entry(c->synopsis(), QString::fromUtf8(c->help));
        if (c->switches.empty())
            continue;
        page += QStringLiteral(".RS\n");
        for (const BatchSwitch &s : c->switches)
            page += entry(QString::fromUtf8(s.name)
                              + (s.value ? u' ' + QString::fromUtf8(s.value) : QString()),
                          QString::fromUtf8(s.help));
        page += QStringLiteral(".RE\n");
    }
    page += QStringLiteral(".SH OPTIONS\nOptions may stand before or after the command word. "
                           "An unknown option is wrong usage.\n");
    for (const auto &[term, help] : batchOptionHelp())
        page += entry(term, help);
    page += QStringLiteral(
        ".SH OUTPUT\n"
        "Standard output is UTF\\-8, one record per line, fields separated by TAB (a TAB or "
        "backslash inside a field is written \\e\\et or \\e\\e\\e\\e): \\fBtype\\fR, then "
        "\\fBrow\\fR records, then the correction log (\\fBlog\\fR), then every message "
        "shown (\\fBbox\\fR, \\fBplain\\fR) in order.\n"
        ".SH EXIT STATUS\n"
        ".TP\n0\ndone\n"
        ".TP\n1\nthe input could not be read as a subtitle\n"
        ".TP\n2\nwrong usage\n"
        ".TP\n3\nthe output could not be written\n"
        ".TP\n4\nthe tool refused (nothing written)\n"
        ".SH EXAMPLE\n"
        ".EX\n"
        "kelvo\\-batch read film.srt\n"
        ".EE\n"
        "prints \\fBtype 2\\fR, one \\fBrow\\fR record per entry and every repair the reader "
        "made as \\fBlog\\fR lines.\n");
    return page;
}
