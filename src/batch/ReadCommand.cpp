#include <cstdio>
#include <cstring>

#include "batch/Batch.h"
#include "editor/EditorModel.h"

namespace {

// Writes records straight from the table into one buffer: a big file's rows
// are neither copied into lists nor converted field by field.
class RecordWriter {
public:
    RecordWriter() : buffer_(chunk + 4096, Qt::Uninitialized) {}
    ~RecordWriter() { flush(); }

    void field(const QString &text, bool first = false)
    {
        // room for the worst case: every unit three bytes or an escape
        const qsizetype need = text.size() * 3 + 2;
        if (used_ + need > buffer_.size()) {
            flush();
            if (need > buffer_.size())
                buffer_.resize(need);
        }
        char *out = buffer_.data() + used_;
        if (!first)
            *out++ = '\t';
        const char16_t *p = reinterpret_cast<const char16_t *>(text.constData());
        const qsizetype n = text.size();
        for (qsizetype i = 0; i < n; ++i) {
            char32_t c = p[i];
            if (c < 0x80) {
                if (c == u'\t') {
                    *out++ = '\\';
                    *out++ = 't';
                } else if (c == u'\\') {
                    *out++ = '\\';
                    *out++ = '\\';
                } else {
                    *out++ = char(c);
                }
                continue;
            }
            if (c >= 0xD800 && c < 0xDC00 && i + 1 < n && p[i + 1] >= 0xDC00 && p[i + 1] < 0xE000)
                c = 0x10000 + ((c - 0xD800) << 10) + (p[++i] - 0xDC00);
            else if (c >= 0xD800 && c < 0xE000)
                c = 0xFFFD;
            if (c < 0x800) {
                *out++ = char(0xC0 | (c >> 6));
            } else {
                if (c < 0x10000) {
                    *out++ = char(0xE0 | (c >> 12));
                } else {
                    *out++ = char(0xF0 | (c >> 18));
                    *out++ = char(0x80 | ((c >> 12) & 0x3F));
                }
                *out++ = char(0x80 | ((c >> 6) & 0x3F));
            }
            *out++ = char(0x80 | (c & 0x3F));
        }
        used_ = out - buffer_.data();
    }
    void number(int value)
    {
        char digits[16];
        const int n = std::snprintf(digits, sizeof digits, "\t%d", value);
        if (used_ + n > buffer_.size())
            flush();
        std::memcpy(buffer_.data() + used_, digits, size_t(n));
        used_ += n;
    }
    void endRecord()
    {
        if (used_ + 1 > buffer_.size())
            flush();
        buffer_[used_++] = '\n';
        if (used_ >= chunk)
            flush();
    }
    void flush()
    {
        if (used_ > 0)
            std::fwrite(buffer_.constData(), 1, size_t(used_), stdout);
        used_ = 0;
    }

private:
    static constexpr qsizetype chunk = 1 << 20;
    QByteArray buffer_;
    qsizetype used_ = 0;
};

// Prints the type and what the table holds after the read, also after a
// refused one, so the rows read before a stop can be seen. The log and the
// messages follow from the batch output.
int runRead(BatchContext &context)
{
    QString type;
    const int status = readInput(context, context.args.positional.at(0), &type);
    {
        RecordWriter out;
        out.field(QStringLiteral("type"), true);
        out.field(type);
        out.endRecord();
        const SubtitleTable &cds = context.model.cds;
        const QString rowKind = QStringLiteral("row");
        for (int i = 0; i < cds.recordCount(); ++i) {
            const SubtitleRow &r = cds.rowAt(i);
            out.field(rowKind, true);
            out.number(i + 1);
            out.field(r.kezdes);
            out.field(r.befejezes);
            out.field(r.szoveg);
            out.field(r.szoveg2);
            out.endRecord();
        }
    }
    std::fflush(stdout);
    context.out.addLog(context.model);
    return status;
}

const BatchCommand readCommand("read", "read IN", 1, 1, runRead);

}  // namespace
