#pragma once
#include <QDate>
#include <QRegularExpression>

#include "files/SubtitleFormat.h"
#include "files/SubtitleWriterFixture.h"
#include "files/WriterEngine.h"
#include "files/convert/ConvertLayout.h"

// The small table every golden file of tests/data/convert was written from:
// tags, two lines, a four-line text and a late hour.
inline const std::vector<RowData> goldenRows = {
    {"00:00:01,000", "00:00:02,999", "<i>Hello</i>|World"},
    {"00:01:02,456", "00:01:05,040", "Egy <b>kettő</b>"},
    {"01:02:03,456", "01:02:07,120", "A <u>line</u>|B line|C line|D line"},
    {"23:59:58,000", "23:59:59,999", "Őszi ár"},
};

// tests/data/convert/<name in lower case, runs of other characters as "_"><ext>
inline QString goldenPath(const SubtitleFormat &f)
{
    QString slug = QString(f.name).toLower();
    slug.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("_"));
    if (slug.endsWith(u'_'))
        slug.chop(1);
    return QStringLiteral(KELVO_TEST_DATA "/convert/") + slug + QString(f.extension);
}

// The golden bytes with today's date where the file carries one.
inline QByteArray goldenBytes(const SubtitleFormat &f)
{
    QByteArray bytes = fileBytes(goldenPath(f));
    bytes.replace("YYYY-MM-DD", QDate::currentDate().toString(u"yyyy-MM-dd").toLatin1());
    return bytes;
}

inline const SubtitleFormat &format(const char *name)
{
    const SubtitleFormat *f = findSubtitleFormat(QString::fromUtf8(name));
    if (!f)
        throw std::runtime_error(name);
    return *f;
}

class ConvertTest : public WriterFixture {
protected:
    QByteArray convert(const char *name, const std::vector<RowData> &rows,
                       ConvertedSubtitle *result = nullptr)
    {
        fillTable(model, rows);
        ConvertedSubtitle r = convertSubtitle(format(name), model.cds, ConvertOptions{});
        if (result)
            *result = r;
        return r.bytes;
    }
};
