#pragma once

#include <QAnyStringView>
#include <QString>
#include <QStringView>
#include <QVarLengthArray>

namespace hoopdeck {

// A text as UTF-16, for the readers that work on QStringView: the text
// itself when it already is UTF-16, else widened into a buffer of its own,
// which a table cell (at most 254 characters) fits without an allocation.
class Utf16Text {
public:
    explicit Utf16Text(QAnyStringView text)
    {
        text.visit([this](auto view) {
            if constexpr (std::is_same_v<decltype(view), QStringView>) {
                view_ = view;
            } else if constexpr (std::is_same_v<decltype(view), QLatin1StringView>) {
                buffer_.resize(view.size());
                for (qsizetype i = 0; i < view.size(); ++i)
                    buffer_[i] = char16_t(uchar(view.data()[i]));
                view_ = QStringView(buffer_.constData(), buffer_.size());
            } else {
                owned_ = view.toString();
                view_ = owned_;
            }
        });
    }
    Utf16Text(const Utf16Text &) = delete;
    Utf16Text &operator=(const Utf16Text &) = delete;

    QStringView view() const { return view_; }
    operator QStringView() const { return view_; }

private:
    QVarLengthArray<char16_t, 256> buffer_;
    QString owned_;
    QStringView view_;
};

} // namespace hoopdeck
