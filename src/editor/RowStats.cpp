#include "editor/RowStats.h"

#include <cstring>

#include "document/VectorPaths.h"
#include "editor/EditorModel.h"

bool LineLengths::anyLongerThan(int threshold) const
{
    for (quint8 len : l)
        if (len > threshold)
            return true;
    return false;
}

// Every reader and every drawn row measures its text: the bars are found
// eight characters at a time where the processor can.
LineLengths measureLines(QStringView text)
{
    LineLengths m;
    if (text.isEmpty())
        return m;
    const char16_t *p = text.utf16();
    const qsizetype n = text.size();
    int line = 0;
    qsizetype lineStart = 0;
    // The lengths are gathered in a register: bytes stored one by one and
    // read back whole would stall the processor on every call.
    quint64 lengths = 0;
    auto lineEndsAt = [&](qsizetype end) {
        if (line < 5)
            lengths |= quint64(qMin<qsizetype>(end - lineStart, 255)) << (8 * line);
        ++line;
        lineStart = end + 1;
    };
    qsizetype i = 0;
#ifdef __SSE2__
    if (vectorPaths()) {
        const __m128i bar = _mm_set1_epi16(short(u'|'));
        for (; i + 8 <= n; i += 8) {
            const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + i));
            // two mask bits a unit
            for (unsigned mask = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi16(units, bar))); mask != 0;
                 mask &= mask - 1, mask &= mask - 1)
                lineEndsAt(i + __builtin_ctz(mask) / 2);
        }
    }
#endif
    for (; i < n; ++i)
        if (p[i] == u'|')
            lineEndsAt(i);
    if (line < 5)
        lengths |= quint64(qMin<qsizetype>(n - lineStart, 255)) << (8 * line);
    static_assert(sizeof(m.l) == sizeof(lengths));
    if constexpr (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
        std::memcpy(m.l.data(), &lengths, sizeof(lengths));
    } else {
        for (size_t i = 0; i < m.l.size(); ++i)
            m.l[i] = quint8(lengths >> (8 * i));
    }
    m.lineCount = line + 1;
    return m;
}

QString lineCountLabel(QStringView text)
{
    if (text.isEmpty())
        return QStringLiteral("0=0 betű");
    const QList<QStringView> lines = text.split(u'|');
    if (lines.size() == 1)
        return QString::number(lines[0].size()) + QStringLiteral(" betű");
    QString label;
    int total = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            label += u'+';
        label += QString::number(lines[i].size());
        total += int(lines[i].size());
    }
    return label + u'=' + QString::number(total) + QStringLiteral(" betű");
}

namespace {

// Sets or clears one flag of the current row and moves its count with it.
// The count only moves when the table took the write, so a call outside
// edit state cannot make the counts drift from the flags.
void syncFlag(SubtitleTable &cds, Field field, bool want, int &count)
{
    const bool has = !cds.field(field).isEmpty();
    if (want == has)
        return;
    if (cds.setField(field, want ? QStringLiteral("t") : QString()))
        count += want ? 1 : -1;
}

}  // namespace

void setRowFlagsQuiet(EditorModel &model)
{
    SubtitleTable &cds = model.cds;
    const LineLengths m = measureLines(cds.field(Field::Szoveg));
    syncFlag(cds, Field::Betu38, m.anyLongerThan(model.threshold()), model.overThresholdCount);
    syncFlag(cds, Field::Sor3, m.hasThirdLine(), model.threeLineCount);
}

void setRowFlags(EditorModel &model)
{
    setRowFlagsQuiet(model);
    model.announceCounts();
}
