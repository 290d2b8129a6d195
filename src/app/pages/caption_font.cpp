#include "caption_font.h"

#include "colour_contrast.h"

#include <QFontDatabase>
#include <QLabel>

namespace hoopdeck::app {

namespace {
constexpr int kCaptionPixelSize = 14;
}

QFont captionFont()
{
    QFont font;
    if (QFontDatabase::hasFamily(QStringLiteral("Tahoma"))) {
        font.setFamily(QStringLiteral("Tahoma"));
    } else {
        font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        font.setStyleHint(QFont::SansSerif);
    }
    font.setPixelSize(kCaptionPixelSize);
    font.setBold(true);
    return font;
}

void makeCaption(QLabel *label, Qt::Alignment alignment)
{
    label->setFont(captionFont());
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, legibleOn(Qt::blue, palette.color(QPalette::Window)));
    label->setPalette(palette);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setTextFormat(Qt::PlainText);
}

} // namespace hoopdeck::app
