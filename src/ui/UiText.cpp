#include "ui/UiText.h"

#include <QFontMetrics>
#include <mutex>

#include "ui/UiEnvironment.h"

namespace vexmo::ui {

namespace {

void RegisterFallbacks() {
    static std::once_flag once;
    std::call_once(once, [] {
        const QStringList cjk = {"WenQuanYi Micro Hei", "Noto Sans CJK SC", "DejaVu Sans"};
        QFont::insertSubstitutions(QStringLiteral(u"\u5B8B\u4F53"), cjk);
        QFont::insertSubstitutions("SimSun", cjk);
        QFont::insertSubstitutions("Tahoma", {"DejaVu Sans", "WenQuanYi Micro Hei"});
    });
}

}  // namespace

QFont MakeFont(const Text& face, int pixelHeight, int weight) {
    RegisterFallbacks();
    QFont font(ToQString(face));
    font.setPixelSize(std::max(1, pixelHeight));
    if (weight > 0) font.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 100, 900)));
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QFont MakeControlFont() {
    const UiFont& ui = Env().uiFont;
    return MakeFont(ui.face, ui.height);
}

QFont MakeDialogFont(int logicalDpiY) {
    return MakeFont(Env().uiFont.face, logicalDpiY * 10 / 72, 600);
}

QColor ToQColor(Colour colour) {
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

void DrawText(QPainter& painter, const QFont& font, const Text& text, const QRect& rect,
              Colour colour, unsigned format) {
    if (text.empty() || rect.isEmpty()) return;
    int flags = (format & kTextCenter)  ? Qt::AlignHCenter
                : (format & kTextRight) ? Qt::AlignRight
                                        : Qt::AlignLeft;
    QString string = ToQString(text);
    const bool wrap = (format & kTextWordBreak) != 0 && (format & kTextSingleLine) == 0;
    if (wrap) {
        // Wrapped text is centred as a block when vertical centring is asked for.
        flags |= Qt::TextWordWrap | ((format & kTextVCenter) ? Qt::AlignVCenter : Qt::AlignTop);
    } else {
        flags |= (format & kTextVCenter)  ? Qt::AlignVCenter
                 : (format & kTextBottom) ? Qt::AlignBottom
                                          : Qt::AlignTop;
        flags |= Qt::TextSingleLine;
        if (format & (kTextWordEllipsis | kTextEndEllipsis)) {
            string = QFontMetrics(font).elidedText(string, Qt::ElideRight, rect.width());
        }
    }
    painter.setFont(font);
    painter.setPen(ToQColor(colour));
    painter.drawText(rect, flags, string);
}

unsigned ButtonTextFormat(int alignment) {
    const unsigned align = alignment == 1 ? kTextCenter : alignment == 2 ? kTextRight : kTextLeft;
    return align | kTextSingleLine | kTextVCenter | kTextWordEllipsis;
}

}  // namespace vexmo::ui
