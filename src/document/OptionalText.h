#pragma once
#include <QString>
#include <utility>

// A text most rows leave empty (the second subtitle's): eight bytes while
// empty, a string of its own otherwise.
class OptionalText {
public:
    OptionalText() = default;
    OptionalText(const QString &text) : text_(text.isEmpty() ? nullptr : new QString(text)) {}
    OptionalText(QString &&text)
        : text_(text.isEmpty() ? nullptr : new QString(std::move(text)))
    {
    }
    OptionalText(const OptionalText &other) : OptionalText(other.text()) {}
    OptionalText(OptionalText &&other) noexcept : text_(std::exchange(other.text_, nullptr)) {}
    OptionalText &operator=(const OptionalText &other)
    {
        if (this != &other)
            *this = OptionalText(other);
        return *this;
    }
    OptionalText &operator=(OptionalText &&other) noexcept
    {
        if (this != &other) {
            delete text_;
            text_ = std::exchange(other.text_, nullptr);
        }
        return *this;
    }
    ~OptionalText() { delete text_; }

    const QString &text() const { return text_ ? *text_ : empty(); }
    operator const QString &() const { return text(); }
    bool isEmpty() const { return !text_; }
    qsizetype size() const { return text_ ? text_->size() : 0; }

    friend bool operator==(const OptionalText &a, const QString &b) { return a.text() == b; }
    friend bool operator==(const OptionalText &a, const OptionalText &b)
    {
        return a.text() == b.text();
    }

private:
    static const QString &empty()
    {
        static const QString none;
        return none;
    }

    QString *text_ = nullptr;
};
