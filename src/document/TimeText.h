#pragma once
#include <QString>
#include <QStringView>
#include <QtGlobal>

// The text of a time cell: "00:01:02,345", a frame number, or whatever a
// file held there. Up to twelve digits and separators are kept inside the
// eight bytes of the value itself, so the two times of a row cost no
// allocation; any other text is kept as a string of its own. The text
// always reads back exactly as it was stored.
class TimeText {
public:
    TimeText() = default;
    TimeText(QStringView text);
    TimeText(const QString &text) : TimeText(QStringView(text)) {}
    TimeText(const TimeText &other);
    TimeText(TimeText &&other) noexcept : bits_(other.bits_) { other.bits_ = 0; }
    TimeText &operator=(const TimeText &other)
    {
        // two packed texts, the usual case, copy their bits
        if (packed() && other.packed())
            bits_ = other.bits_;
        else if (this != &other)
            *this = TimeText(other);
        return *this;
    }
    TimeText &operator=(TimeText &&other) noexcept
    {
        // a store moving its rows onto themselves keeps them
        if (this != &other) {
            if (!packed())
                release();
            bits_ = other.bits_;
            other.bits_ = 0;
        }
        return *this;
    }
    ~TimeText()
    {
        if (!packed())
            release();
    }

    // The twelve characters at p read as a time code whose separators are
    // ":", ":" and "," whatever stands there: what a time line holds.
    static TimeText timeCodeAt(const QChar *p);

    bool isEmpty() const { return bits_ == 0; }
    qsizetype size() const;
    QString toString() const;
    operator QString() const { return toString(); }

    // The value of the digit at pos; 0 for any other character and past
    // the end, as time-code arithmetic reads them.
    int digitAt(qsizetype pos) const
    {
        if (!packed()) {
            const QString &s = *string();
            return pos < s.size() && s[pos] >= u'0' && s[pos] <= u'9' ? s[pos].unicode() - u'0'
                                                                      : 0;
        }
        if (pos >= qsizetype((bits_ >> lengthShift) & 15))
            return 0;
        const int code = int((bits_ >> (firstCharShift + 4 * pos)) & 15);
        return code < 10 ? code : 0;
    }

    // digitAt of the first twelve places at once, four bits each, the
    // first place lowest
    quint64 digits() const;

    // "00:01:02,345": two digits, ":", two, ":", two, ",", three; read
    // from the packed bits without building the characters.
    bool hasTimeCodeShape() const;

    // The characters without building a string, for reading in place.
    class Chars {
    public:
        QStringView view() const { return {outside_ ? outside_ : buf_, size_}; }
        operator QStringView() const { return view(); }

    private:
        friend class TimeText;
        QChar buf_[12];
        const QChar *outside_ = nullptr;  // a string's own characters
        qsizetype size_ = 0;
    };
    Chars chars() const;

    friend bool operator==(const TimeText &a, const TimeText &b);

    // The character of a four-bit code of the packed form.
    static constexpr char16_t symbol(int code) { return symbols[code]; }
    friend bool operator==(const TimeText &a, QStringView b) { return a.chars().view() == b; }
    friend bool operator==(const TimeText &a, const QString &b)
    {
        return a.chars().view() == QStringView(b);
    }
    friend bool operator==(const TimeText &a, const char16_t *b)
    {
        return a.chars().view() == QStringView(b);
    }

private:
    static constexpr char16_t symbols[16] = {u'0', u'1', u'2', u'3', u'4', u'5', u'6', u'7',
                                             u'8', u'9', u':', u',', u'.', u'-', u' ', u';'};
    static constexpr int lengthShift = 1;
    static constexpr int firstCharShift = 5;

    // empty counts as packed: nothing to free, nothing to copy
    bool packed() const { return (bits_ & 1) || bits_ == 0; }
    const QString *string() const { return reinterpret_cast<const QString *>(quintptr(bits_)); }
    // The packed form of text, when it has one.
    static bool pack(QStringView text, quint64 &bits);
    // Frees the string a text that is not packed keeps.
    void release();

    // 0: empty; bit 0 set: packed (length in bits 1-4, then four bits a
    // character); otherwise the address of a QString.
    quint64 bits_ = 0;
};

inline TimeText::Chars TimeText::chars() const
{
    Chars c;
    if (!packed()) {
        c.outside_ = string()->constData();
        c.size_ = string()->size();
        return c;
    }
    c.size_ = qsizetype((bits_ >> lengthShift) & 15);
    quint64 codes = bits_ >> firstCharShift;
    for (qsizetype i = 0; i < c.size_; ++i, codes >>= 4)
        c.buf_[i] = QChar(symbols[codes & 15]);
    return c;
}
