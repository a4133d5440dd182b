#include "app/COSDDialog.h"

#include <QFontMetrics>
#include <cmath>

#include "platform/Services.h"
#include "ui/UiEnvironment.h"
#include "ui/UiText.h"

namespace vexmo {

namespace {

const Text kSongFace = u"\u5B8B\u4F53";
const QColor kBackground(164, 73, 164);

// A font whose line (ascent plus descent) is cellHeight pixels high, as a font asked for by its
// character cell height is.
QFont CellFont(const Text& face, int cellHeight, int weight) {
    const QFont probe = ui::MakeFont(face, cellHeight, weight);
    const int line = QFontMetrics(probe).height();
    if (line <= 0 || line == cellHeight) return probe;
    return ui::MakeFont(face, static_cast<int>(std::lround(double(cellHeight) * cellHeight / line)),
                        weight);
}

QPoint Scaled(int x, int y) {
    return {ui::Scaled(x), ui::Scaled(y)};
}

}  // namespace

COSDDialog::COSDDialog() {
    setName("COSDDialog");
    const Text& face = ui::Env().uiFont.face;
    small_ = CellFont(face, ui::Scaled(24), 700);
    large_ = CellFont(face, ui::Scaled(48), 400);
}

COSDDialog::~COSDDialog() = default;

QRect COSDDialog::Placement(const QRect& workArea) {
    const QSize size(ui::Scaled(kDesignWidth), ui::Scaled(kDesignHeight));
    const QPoint bottomRight(workArea.x() + workArea.width(), workArea.y() + workArea.height());
    return QRect(bottomRight - QPoint(size.width(), size.height()), size);
}

COSDDialog::Layout COSDDialog::LayoutFor(const OsdTexts& texts, const Text& face) {
    return {Scaled(58, 20), Scaled(OsdValueX(texts.value.size(), face == kSongFace), 44),
            Scaled(OsdRateX(texts.rate.size()), 92)};
}

bool COSDDialog::Open(const OsdTexts& texts) {
    texts_ = texts;
    if (!create(platform::WindowKind::Overlay, nullptr,
                Placement(platform::services().workArea()))) {
        return false;
    }
    setOpacity(kAlpha / 255.0);
    setTopMost(true);
    show(false);
    return true;
}

void COSDDialog::SetTexts(const OsdTexts& texts) {
    texts_ = texts;
    invalidate();
}

void COSDDialog::onPaint(QPainter& painter, const QRect&) {
    const QRect client = clientRect();
    painter.fillRect(client, kBackground);
    const Layout at = LayoutFor(texts_, ui::Env().uiFont.face);
    painter.setPen(Qt::white);
    const auto draw = [&](const QFont& font, QPoint topLeft, const Text& text) {
        painter.setFont(font);
        painter.drawText(QRect(topLeft, client.bottomRight()),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                         ui::ToQString(text));
    };
    draw(small_, at.level, texts_.level);
    draw(large_, at.value, texts_.value);
    draw(small_, at.rate, texts_.rate);
}

}  // namespace vexmo
