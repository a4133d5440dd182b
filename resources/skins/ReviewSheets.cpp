#include "ReviewSheets.h"

#include <QDir>
#include <QHash>

#include <cstdio>
#include <utility>

namespace vexmo::skins {
namespace {

// All images of the catalogue drawn at one scale, looked up by their relative path.
class Library {
public:
    Library(const Catalogue& catalogue, int scale) : scale_(scale) {
        for (const Art& art : catalogue)
            images_.insert(art.path, render(art, art.twin ? scale : 1));
    }
    const QImage& operator[](const QString& path) const {
        static const QImage missing;
        const auto it = images_.find(path);
        if (it == images_.end()) std::fprintf(stderr, "review: no image %s\n", qPrintable(path));
        return it == images_.end() ? missing : *it;
    }
    int scale() const { return scale_; }

private:
    int scale_;
    QHash<QString, QImage> images_;
};

// Drawing at design coordinates on a painter scaled by the library's scale, the way the toolkit
// draws: images stretched with nearest neighbour, single-line texts vertically centred.
class Mock {
public:
    Mock(QPainter& p, const Library& lib) : p_(p), lib_(lib) {}

    void image(const QString& path, const QRectF& dst) { stretch(p_, dst, lib_[path]); }
    // A part of an image given in design pixels of that image.
    void imagePart(const QString& path, const QRectF& dst, const QRectF& src) {
        const qreal s = lib_.scale();
        stretch(p_, dst, lib_[path], QRectF(src.topLeft() * s, src.size() * s));
    }
    void text(const QRectF& r, const QString& s, const QColor& c, int align = Qt::AlignLeft,
              int px = 12, int weight = QFont::Normal) {
        p_.setFont(artFont(px, weight));
        p_.setPen(c);
        p_.drawText(r, align | Qt::AlignVCenter | Qt::TextSingleLine, s);
    }
    void fill(const QRectF& r, const QColor& c) { p_.fillRect(r, c); }
    void frame(const QRectF& r, const QColor& c) {
        p_.setPen(QPen(c, 1));
        p_.setBrush(Qt::NoBrush);
        p_.drawRect(hairlineRect(r));
    }
    // A platform edit field: black on white.
    void edit(const QRectF& r, const QString& s) {
        fill(r, Qt::white);
        frame(r, QColor(120, 120, 120));
        text(r, s, Qt::black, Qt::AlignCenter, 13);
    }
    // The OK and Cancel buttons at the bottom right of a 429 x 140 dialog.
    void okCancel() {
        for (const auto& [x, caption] : {std::pair{260, "OK"}, std::pair{350, "Cancel"}}) {
            image("button2_nr.png", QRectF(x, 110, 69, 20));
            text(QRectF(x, 110, 69, 20), caption, QColor(180, 180, 180), Qt::AlignCenter);
        }
    }
    QPainter& painter() { return p_; }

private:
    QPainter& p_;
    const Library& lib_;
};

const QColor kGreyText(180, 180, 180);

void mockMainWindow(Mock& m) {
    m.image("bitmap/364.png", QRectF(0, 0, 1127, 740));
    for (const QRectF r : {QRectF(36, 62, 230, 205), QRectF(36, 311, 230, 43),
                           QRectF(36, 423, 230, 82), QRectF(36, 550, 230, 146)})
        m.image("Frame_Lighting_Setting.bmp", r);
    m.image("exit_nr.png", QRectF(1092, 12, 15, 15));
    m.image("min_ov.png", QRectF(1072, 12, 15, 15));

    // Left column: buttons.
    m.image("header2_nr.png", QRectF(36, 37, 230, 25));
    m.text(QRectF(46, 37, 210, 25), "Button settings", Qt::white);
    const char* names[] = {"Left click", "Right click", "Middle click",
                           "Forward",    "Back",        "DPI loop"};
    const int ys[] = {82, 112, 141, 170, 199, 228};
    for (int i = 0; i < 6; ++i) {
        m.image(QStringLiteral("mouse/serial_number%1.png").arg(i + 1), QRectF(52, ys[i], 21, 19));
        const bool hot = i == 1;
        m.image(hot ? "combo2_ov.png" : "combo2_nr.png", QRectF(82, ys[i] - 1, 162, 21));
        m.text(QRectF(82 + (hot ? 4 : 0) + 6, ys[i] - 1, 130, 21), names[i],
               hot ? Qt::white : kGreyText);
    }
    m.image("button1_nr.png", QRectF(36, 320, 230, 25));
    m.text(QRectF(36, 320, 230, 25), "Macro manager", kGreyText, Qt::AlignCenter);

    // Battery.
    m.image("header2_nr.png", QRectF(36, 398, 230, 25));
    m.text(QRectF(46, 398, 210, 25), "Battery", Qt::white);
    m.image("battery_empty.png", QRectF(80, 433, 30, 61));
    const int fillTop = 7 + 50 - 70 * 50 / 100;
    m.imagePart("battery_full.png", QRectF(80, 433 + fillTop, 30, 61 - fillTop),
                QRectF(0, fillTop, 30, 61 - fillTop));
    m.text(QRectF(115, 480, 40, 18), "70%", kGreyText);
    const char* legend[] = {"Full", "Half", "Low"};
    const char* dots[] = {"battery_green.png", "battery_orange.png", "battery_red.png"};
    const int ly[] = {441, 462, 484};
    for (int i = 0; i < 3; ++i) {
        m.image(dots[i], QRectF(165, ly[i], 8, 8));
        m.text(QRectF(180, ly[i] - 2 - 4, 140, 18), legend[i], kGreyText);
    }

    // Power saving.
    m.image("header2_nr.png", QRectF(36, 525, 230, 25));
    m.text(QRectF(46, 525, 210, 25), "Power saving", Qt::white);
    m.image("power_manage_6min.png", QRectF(81, 550, 140, 84));
    m.text(QRectF(36, 640, 230, 18), "Sleep after 6 minutes", kGreyText, Qt::AlignCenter);
    m.image("check_dn.png", QRectF(50, 658, 15, 15));
    m.image("check_ov.png", QRectF(50, 678, 15, 15));
    m.text(QRectF(70, 658, 200, 18), "Lighting while moving", kGreyText);
    m.text(QRectF(70, 678, 200, 18), "Wake up on motion", Qt::white);

    // Mouse with button 2's menu open.
    m.image("mouse/mouse_nr.png", QRectF(457, 171, 215, 398));
    m.image("mouse/number2.png", QRectF(457, 171, 215, 398));
    m.text(QRectF(463, 660, 200, 18), "www.vexmo.example", kGreyText, Qt::AlignCenter);

    // Footer.
    m.image("button2_ov.png", QRectF(36, 700, 69, 20));
    m.text(QRectF(36, 700, 69, 20), "Profile", Qt::white, Qt::AlignCenter);
    m.text(QRectF(150, 702, 210, 18), "Version:1.1.12", kGreyText);
    m.image("button2_nr.png", QRectF(1040, 700, 69, 20));
    m.text(QRectF(1040, 700, 69, 20), "Restore", kGreyText, Qt::AlignCenter);

    // Right column: DPI open.
    m.image("header_nr.png", QRectF(846, 37, 262, 25));
    m.text(QRectF(858, 37, 200, 25), "DPI", Qt::white);
    m.image("Frame_Lighting_Setting.bmp", QRectF(846, 62, 262, 196));
    const int dpis[] = {400, 800, 1600, 3200, 6400, 12000};
    const QColor colours[] = {Qt::red,  QColor(255, 128, 0), Qt::yellow, Qt::green,
                              Qt::cyan, Qt::magenta};
    const int steps = 60;
    for (int i = 0; i < 6; ++i) {
        const qreal x = 36 * i;
        const QRectF gauge(883 + x, 75, 7, 132);
        m.image("mouse/dpi_bar_1.png", gauge);
        const int h = 132 * (dpis[i] / 200 + 1) / steps;
        m.imagePart("mouse/dpi_bar_2.png", QRectF(gauge.left(), gauge.bottom() - h, 7, h),
                    QRectF(0, 132 - h, 7, h));
        m.imagePart("dpi_value.png", QRectF(874 + x, 212, 26, 11),
                    QRectF(26 * (i <= 2   ? 2
                                 : i == 4 ? 1
                                          : 0),
                           0, 26, 11));
        m.text(QRectF(874 + x - 4, 212, 34, 11), QString::number(dpis[i]),
               i == 2 ? Qt::red : kGreyText, Qt::AlignCenter, 9);
        m.image(i < 5    ? "check_button_dpi_dn.png"
                : i == 5 ? "check_button_dpi_ov.png"
                         : "check_button_dpi_nr.png",
                QRectF(881 + x, 226, 11, 11));
        m.fill(QRectF(874 + x, 240, 26, 12), colours[i]);
    }
    // Polling rate open below it.
    m.image("header_ov.png", QRectF(846, 263, 262, 25));
    m.text(QRectF(858, 263, 200, 25), "Polling rate", Qt::white);
    m.image("Frame_Lighting_Setting.bmp", QRectF(846, 288, 262, 180));
    m.image("125hz_nr.png", QRectF(905, 308, 72, 72));
    m.image("250hz_nr.png", QRectF(905, 380, 72, 72));
    m.image("500hz_nr.png", QRectF(977, 380, 72, 72));
    m.image("1000hz_dn.png", QRectF(977, 308, 72, 72));
    m.text(QRectF(934, 371, 85, 18), "1000 Hz", kGreyText, Qt::AlignCenter);
    m.image("header_nr.png", QRectF(846, 473, 262, 25));
    m.text(QRectF(858, 473, 200, 25), "System settings", Qt::white);
}

void mockDialogs(Mock& m) {
    QPainter& p = m.painter();
    // Attention dialog.
    p.save();
    p.translate(20, 20);
    m.image("Frame_warning.bmp", QRectF(0, 0, 319, 102));
    m.image("exit_ov.png", QRectF(300, 4, 15, 15));
    m.text(QRectF(21, 11, 154, 20), "Attention", QColor(82, 146, 254));
    m.text(QRectF(0, 40, 319, 20), "No mouse was found.", kGreyText, Qt::AlignHCenter);
    m.image("button2_nr.png", QRectF(240, 70, 69, 20));
    m.text(QRectF(240, 70, 69, 20), "OK", kGreyText, Qt::AlignCenter);
    p.restore();

    // Progress window at 60 %.
    p.save();
    p.translate(360, 20);
    m.image("Frame_progress_nr.bmp", QRectF(0, 0, 429, 140));
    const qreal w = 60 * 429 / 100;
    m.imagePart("Frame_progress_ov.bmp", QRectF(0, 66, w, 12), QRectF(0, 66, w, 12));
    m.text(QRectF(10, 3, 154, 20), "Writing to the mouse...", QColor(190, 190, 190), Qt::AlignLeft,
           14);
    p.restore();

    // DPI value dialog.
    p.save();
    p.translate(20, 180);
    m.image("Frame_DPI.bmp", QRectF(0, 0, 429, 140));
    m.text(QRectF(20, 3, 210, 24), "DPI value", Qt::white, Qt::AlignLeft, 14, QFont::DemiBold);
    m.image("exit_nr.png", QRectF(405, 4, 15, 15));
    m.edit(QRectF(165, 35, 100, 22), "1600");
    m.text(QRectF(0, 68, 60, 18), "100", kGreyText, Qt::AlignRight);
    m.image("Slider_bar.png", QRectF(69, 72, 290, 3));
    m.image("Slider_bar2.png", QRectF(69, 72, 90, 3));
    m.image("Slider_Circle.png", QRectF(69 + 90 - 6, 67, 13, 13));
    m.text(QRectF(365, 68, 60, 18), "26000", kGreyText);
    m.text(QRectF(0, 90, 429, 18), "1600", kGreyText, Qt::AlignHCenter);
    m.image("button2_ov.png", QRectF(350, 110, 69, 20));
    m.text(QRectF(350, 110, 69, 20), "OK", Qt::white, Qt::AlignCenter);
    p.restore();

    // Shortcut dialog on the common frame.
    p.save();
    p.translate(470, 180);
    m.image("Frame_common.bmp", QRectF(0, 0, 429, 140));
    m.text(QRectF(20, 3, 210, 24), "Key combination", Qt::white, Qt::AlignLeft, 14,
           QFont::DemiBold);
    m.image("exit_nr.png", QRectF(405, 4, 15, 15));
    m.fill(QRectF(22, 35, 157, 22), Qt::white);
    m.text(QRectF(25, 35, 158, 22), "Ctrl+C", Qt::black, Qt::AlignCenter, 16);
    const char* mods[] = {"Shift", "Ctrl", "Alt", "Win"};
    for (int i = 0; i < 4; ++i) {
        m.image(i == 1   ? "check_dn.png"
                : i == 2 ? "check_ov.png"
                         : "check_nr.png",
                QRectF(25 + 57 * i, 72, 11, 11));
        m.text(QRectF(40 + 57 * i, 70, 40, 18), mods[i], kGreyText);
    }
    m.okCancel();
    p.restore();

    // Colour palette.
    p.save();
    p.translate(20, 340);
    m.image("bitmap/287.png", QRectF(0, 0, 500, 291));
    m.image("exit_nr.png", QRectF(480, 6, 15, 15));
    m.fill(QRectF(245, 212, 58, 58), QColor(255, 40, 200));
    const char* rgb[] = {"255", "40", "200"};
    for (int i = 0; i < 3; ++i)
        m.text(QRectF(320, 212 + 23 * i, 53, 18), rgb[i], kGreyText, Qt::AlignHCenter, 14);
    m.image("button2_nr.png", QRectF(391, 234, 69, 20));
    m.text(QRectF(391, 234, 69, 20), "OK", kGreyText, Qt::AlignCenter);
    p.restore();

    // Button menu popup: black, the frame picture, items stretched from 190 by 22.
    p.save();
    p.translate(540, 340);
    const char* items[] = {
        "Left click", "Right click", "Middle click", "Forward",         "Back",      "DPI",
        "Fire key",   "Disable",     "Macro",        "Key combination", "Multimedia"};
    const qreal h = 1 + 11 * 22 + 1;
    m.fill(QRectF(0, 0, 162, h), Qt::black);
    m.image("png/151.png", QRectF(0, 0, 162, h));
    for (int i = 0; i < 11; ++i) {
        const bool sub = i == 5 || i == 10, hot = i == 3 || i == 5;
        m.image(QStringLiteral("menu%1_%2.png").arg(sub ? "sub" : "").arg(hot ? "ov" : "nr"),
                QRectF(1, 1 + 22 * i, 160, 22));
        m.text(QRectF(3, 1 + 22 * i, 156, 22), items[i], hot ? Qt::white : kGreyText,
               Qt::AlignHCenter);
    }
    // Its submenu.
    m.fill(QRectF(166, 110, 162, 68), Qt::black);
    m.image("png/151.png", QRectF(166, 110, 162, 68));
    const char* sub[] = {"DPI +", "DPI -", "DPI loop"};
    for (int i = 0; i < 3; ++i) {
        m.image(i == 1 ? "menu_ov.png" : "menu_nr.png", QRectF(167, 111 + 22 * i, 160, 22));
        m.text(QRectF(169, 111 + 22 * i, 156, 22), sub[i], i == 1 ? Qt::white : kGreyText,
               Qt::AlignHCenter);
    }
    p.restore();

    // Profile menu: title row, profiles, add row.
    p.save();
    p.translate(880, 340);
    m.fill(QRectF(0, 0, 230, 177), Qt::black);
    m.image("header2_nr.png", QRectF(0, 1, 230, 25));
    m.text(QRectF(10, 1, 210, 25), "Profiles", kGreyText);
    const char* profiles[] = {"Office", "Shooter", "Strategy", "", ""};
    for (int i = 0; i < 5; ++i) {
        const QRectF row(0, 26 + 25 * i, 230, 25);
        m.fill(row, i == 0 ? QColor(120, 0, 0) : i == 1 ? QColor(55, 55, 55) : QColor(31, 31, 31));
        m.text(row.adjusted(10, 0, 0, 0), profiles[i], i == 1 ? Qt::white : kGreyText);
    }
    m.fill(QRectF(0, 151, 230, 25), QColor(73, 0, 0));
    m.text(QRectF(10, 151, 220, 25), "Add profile", kGreyText);
    p.restore();

    // Macro manager.
    p.save();
    p.translate(20, 660);
    m.image("Frame_Macro_Manager.bmp", QRectF(0, 0, 528, 365));
    m.image("exit_nr.png", QRectF(505, 3, 15, 15));
    m.text(QRectF(24, 35, 100, 17), "Macros", kGreyText);
    m.text(QRectF(189, 35, 100, 17), "Actions", kGreyText);
    m.frame(QRectF(24, 53, 145, 271), QColor(0x94, 0x94, 0x94));
    m.frame(QRectF(189, 53, 145, 271), QColor(0x94, 0x94, 0x94));
    const char* tree[] = {"Games", "Shooter", "Burst", "Office"};
    for (int i = 0; i < 4; ++i) {
        const qreal y = 54 + 20 * i, indent = i == 1 || i == 2 ? 19 : 0;
        if (i == 2) m.fill(QRectF(25, y, 143, 20), QColor(53, 160, 222));
        if (i != 2)
            m.image(i == 0 ? "foldr_open.png" : "foldr_close.png",
                    QRectF(27 + indent, y + 2, 16, 16));
        m.text(QRectF(27 + indent + (i == 2 ? 0 : 19), y, 120, 20), tree[i],
               i == 2 ? Qt::white : kGreyText);
    }
    m.fill(QRectF(190, 54, 143, 269), QColor(75, 75, 75));
    const char* acts[] = {"A", "50ms", "A", "100ms"};
    const char* icons[] = {"macro_down.png", "macro_time.png", "macro_up.png", "macro_time.png"};
    for (int i = 0; i < 4; ++i) {
        const qreal y = 54 + 20 * i;
        if (i == 1) m.fill(QRectF(190, y, 143, 20), QColor(53, 160, 222));
        m.image(icons[i], QRectF(193, y + 2, 16, 16));
        m.text(QRectF(213, y, 110, 20), acts[i], Qt::white);
    }
    m.imagePart("png/188.png", QRectF(169, 53, 18, 20), QRectF(0, 0, 18, 20));
    m.imagePart("png/187.png", QRectF(169, 304, 18, 20), QRectF(0, 0, 18, 20));
    m.imagePart("png/188.png", QRectF(334, 53, 18, 20), QRectF(18, 0, 18, 20));
    m.imagePart("png/187.png", QRectF(334, 304, 18, 20), QRectF(36, 0, 18, 20));
    m.image("macro_record_dn.png", QRectF(370, 53, 90, 18));
    m.text(QRectF(370, 53, 90, 18), "Stop", Qt::white, Qt::AlignCenter);
    m.image("check_dn.png", QRectF(370, 86, 11, 11));
    m.text(QRectF(390, 84, 130, 18), "Record delays", kGreyText);
    const char* loops[] = {"Once", "While held", "Repeat"};
    for (int i = 0; i < 3; ++i) {
        m.image(i == 2   ? "radio_dn.png"
                : i == 1 ? "radio_ov.png"
                         : "radio_nr.png",
                QRectF(368, 113 + 28 * i, 15, 15));
        m.text(QRectF(390, 113 + 28 * i, 130, 17), loops[i], kGreyText);
    }
    m.fill(QRectF(392, 190, 78, 20), QColor(20, 20, 20));
    m.text(QRectF(392, 190, 78, 20), "5", kGreyText, Qt::AlignCenter);
    m.text(QRectF(370, 230, 100, 17), "Insert", kGreyText);
    m.image("combo3_ov.png", QRectF(370, 250, 117, 14));
    m.text(QRectF(374, 250, 100, 14), "Left click", Qt::white, Qt::AlignLeft, 10);
    const char* buttons[] = {"New", "Delete", "Modify", "Delete"};
    const int bx[] = {24, 104, 189, 269};
    for (int i = 0; i < 4; ++i) {
        m.image(i == 2 ? "button2_ov.png" : "button2_nr.png", QRectF(bx[i], 333, 65, 23));
        m.text(QRectF(bx[i], 333, 65, 23), buttons[i], i == 2 ? Qt::white : kGreyText,
               Qt::AlignCenter);
    }
    p.restore();

    // Name dialog.
    p.save();
    p.translate(570, 660);
    m.image("Frame_common.bmp", QRectF(0, 0, 429, 140));
    m.text(QRectF(10, 5, 410, 18), "Name of the new profile:", kGreyText);
    m.image("exit_nr.png", QRectF(405, 4, 15, 15));
    m.edit(QRectF(15, 65, 400, 22), "Racing");
    m.okCancel();
    p.restore();

    // Key editor on the warning frame.
    p.save();
    p.translate(570, 820);
    m.image("Frame_warning.bmp", QRectF(0, 0, 319, 102));
    m.text(QRectF(10, 3, 210, 18), "Edit key", Qt::white);
    m.image("exit_nr.png", QRectF(300, 4, 15, 15));
    m.fill(QRectF(11, 40, 295, 22), Qt::white);
    m.text(QRectF(11, 40, 295, 22), "F5", Qt::black, Qt::AlignCenter, 16);
    m.image("button2_nr.png", QRectF(170, 70, 65, 23));
    m.text(QRectF(170, 70, 65, 23), "OK", kGreyText, Qt::AlignCenter);
    m.image("button2_nr.png", QRectF(240, 70, 65, 23));
    m.text(QRectF(240, 70, 65, 23), "Cancel", kGreyText, Qt::AlignCenter);
    p.restore();
}

// Every image on a mid-grey sheet with its name and design size, in catalogue order.
QImage contactSheet(const Catalogue& catalogue, const Library& lib) {
    const int s = lib.scale(), width = 1500, gap = 14, label = 14;
    struct Place {
        const Art* art;
        QPointF at;
    };
    std::vector<Place> places;
    qreal x = gap, y = gap, rowHeight = 0;
    for (const Art& art : catalogue) {
        if (art.path == "bitmap/364.png") continue;  // shown in the main window mock-up
        const QSizeF box(qMax(art.size.width(), 120), art.size.height() + label);
        if (x + box.width() > width - gap) {
            x = gap;
            y += rowHeight + gap;
            rowHeight = 0;
        }
        places.push_back({&art, QPointF(x, y)});
        x += box.width() + gap;
        rowHeight = qMax(rowHeight, box.height());
    }
    QImage sheet(QSize(width, int(y + rowHeight + gap)) * s, QImage::Format_RGB32);
    sheet.fill(QColor(128, 128, 128));
    QPainter p(&sheet);
    p.scale(s, s);
    for (const Place& pl : places) {
        const QImage& img = lib[pl.art->path];
        p.drawImage(QRectF(pl.at, QSizeF(pl.art->size)), img);
        p.setFont(artFont(9));
        p.setPen(QColor(20, 20, 20));
        const QString name = pl.art->path.section(u'/', -1);
        p.drawText(QRectF(pl.at.x(), pl.at.y() + pl.art->size.height() + 1,
                          qMax(pl.art->size.width(), 120) + gap, label),
                   Qt::AlignLeft | Qt::AlignTop,
                   QStringLiteral("%1 %2x%3")
                       .arg(name)
                       .arg(pl.art->size.width())
                       .arg(pl.art->size.height()));
    }
    return sheet;
}

QImage mockSheet(const Library& lib, QSize size, const std::function<void(Mock&)>& draw) {
    const int s = lib.scale();
    QImage img(size * s, QImage::Format_RGB32);
    img.fill(QColor(128, 128, 128));
    QPainter p(&img);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    p.scale(s, s);
    Mock m(p, lib);
    draw(m);
    return img;
}

}  // namespace

int writeReview(const Catalogue& catalogue, const QString& dir) {
    QDir().mkpath(dir);
    for (const int s : {1, 2}) {
        const Library lib(catalogue, s);
        const QString suffix = QStringLiteral("_%1x.png").arg(s);
        const bool ok =
            contactSheet(catalogue, lib).save(dir + "/contact" + suffix) &&
            mockSheet(lib, {1127, 740}, mockMainWindow).save(dir + "/mock_main" + suffix) &&
            mockSheet(lib, {1130, 1045}, mockDialogs).save(dir + "/mock_dialogs" + suffix);
        if (!ok) {
            std::fprintf(stderr, "review: cannot write into %s\n", qPrintable(dir));
            return 1;
        }
    }
    return 0;
}

}  // namespace vexmo::skins
