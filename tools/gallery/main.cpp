// Renders every control class in each of its states, a popup, a main-window-like dialog, every
// skin and resource image, and the program's main window in English and Chinese into PNG files
// at UiScale 1.0 and 2.0, for looking at the toolkit.
//   vexmo_gallery OUTPUT_DIR [APP_DIR]   (APP_DIR holds skins/; default: the build folder)
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <memory>

#include "SampleWindow.h"
#include "app/CVexmoDlg.h"
#include "base/Clock.h"
#include "buttons/KeyTables.h"
#include "device/hid/VirtualMouse.h"
#include "platform/test/TestServices.h"
#include "ui/CBattery.h"
#include "ui/CCheckButton.h"
#include "ui/CColorSelectButton.h"
#include "ui/CComboButton.h"
#include "ui/CDPIRadioButton.h"
#include "ui/CDPIValueShowControl.h"
#include "ui/CEditShowList.h"
#include "ui/CImageButton.h"
#include "ui/CImageShowList.h"
#include "ui/CLinkButton.h"
#include "ui/CPowerManageButton.h"
#include "ui/CRadioButton.h"
#include "ui/CSliderControl.h"
#include "ui/CStaticImage.h"
#include "ui/CStaticText.h"
#include "ui/CVScrollBar.h"
#include "ui/CWndPopup.h"
#include "ui/UiEnvironment.h"
#include "ui/UiText.h"

namespace vexmo::gallery {
namespace {

using namespace ui;

// A control whose visual state the gallery sets directly.
template <class T>
struct Forced : T {
    using T::T;
    Forced* State(int state) {
        this->state_ = state;
        return this;
    }
};

Rect D(int x, int y, int w, int h) {
    return Rect::fromDesign(x, y, w, h, Env().uiScale);
}

const char* const kStateNames[] = {"normal", "hover", "pressed"};

// A plain dark dialog that shows rows of labelled controls.
class Sheet : public CDlgBase {
public:
    Sheet(int w, int h, std::function<void(Sheet&)> build) : build_(std::move(build)) {
        SetSize(Scaled(w), Scaled(h));
        SetBaseColor(0x202020);
    }
    void CreateControls(const Rect&) override { build_(*this); }
    void Label(int x, int y, const std::string& text, int w = 140) {
        auto* label =
            AddControl(0, std::make_unique<CStaticText>(this, 1, D(x, y, w, 14), fromUtf8(text),
                                                        true, true, 0x8C8C8C, kTextSingleLine));
        label->SetFont(Scaled(11), u"Tahoma");
    }

private:
    std::function<void(Sheet&)> build_;
};

class GalleryTree : public MacroTreeView {
public:
    int RowCount() const override { return 7; }
    Row RowAt(int row) const override {
        static const Row rows[] = {
            {0, u"Games", true, true},           {1, u"Shooter", true, true},
            {2, u"Burst fire", false, false},    {2, u"Reload", false, false},
            {1, u"Strategy", true, false},       {0, u"Office", true, false},
            {0, u"Copy and paste", false, false}};
        return rows[row];
    }
    int SelectedRow() const override { return 3; }
    void SelectRow(int) override {}
    void ToggleOpen(int) override {}
};

class GalleryMenu : public CWndPopup {
public:
    GalleryMenu(int count, bool separator) : CWndPopup(0), count_(count), separator_(separator) {}

protected:
    void BuildItems() override {
        static const char16_t* names[] = {
            u"Left Click",   u"Right Click", u"Middle Click",   u"Forward",  u"Back",
            u"DPI Function", u"Fire Key",    u"Multimedia Key", u"Macro",    u"Shortcut",
            u"Multimedia",   u"Office",      u"Windows",        u"DPI Lock", u"Disable"};
        for (int i = 0; i < count_; ++i) {
            if (separator_ && i == 3) AddSeparator();
            AddItem(names[i % 15], i + 1, i == 5 || (i >= 10 && i <= 13));
        }
    }
    void DrawItems(QPainter& painter, const QRect&) override { DrawStandardItems(painter); }

private:
    int count_;
    bool separator_;
};

void BuildButtons(Sheet& s) {
    int y = 8;
    // Image buttons: normal, hover, pressed.
    const std::pair<const char*, int> images[] = {
        {"exit", 15}, {"min", 15}, {"button1", 230}, {"button2", 69}, {"add", 20}};
    for (const auto& [name, width] : images) {
        s.Label(8, y, std::string("CImageButton ") + name, 140);
        for (int st = 0; st < 3; ++st) {
            auto* b = s.AddControl(
                0, std::make_unique<Forced<CImageButton>>(
                       &s, 2000, D(150 + st * 240, y, width, std::min(width, 20)),
                       width > 30 ? fromUtf8(kStateNames[st]) : Text(), true, true, false));
            b->LoadImages(std::string("skins/") + name + "_nr.png",
                          std::string("skins/") + name + "_ov.png");
            b->State(st);
        }
        y += 26;
    }
    // Check buttons: normal, hover, ticked (and pressed) for each skin set.
    struct CheckSet {
        const char* label;
        std::string nr, ov, dn;
        int w, h;
        const char16_t* off;
        const char16_t* on;
    };
    const CheckSet checks[] = {
        {"CCheckButton check", "skins/check_nr.png", "skins/check_ov.png", "skins/check_dn.png", 15,
         15, u"", u""},
        {"CCheckButton dpi", "skins/check_button_dpi_nr.png", "skins/check_button_dpi_ov.png",
         "skins/check_button_dpi_dn.png", 11, 11, u"", u""},
        {"CCheckButton header", "skins/header_nr.png", "skins/header_ov.png", "skins/header_ov.png",
         262, 25, u"  Polling rate", u"  Polling rate"},
        {"CCheckButton header2", "skins/header2_nr.png", "skins/header2_ov.png",
         "skins/header2_ov.png", 230, 25, u"  Buttons", u"  Buttons"},
        {"CCheckButton record", "skins/macro_record_nr.png", "skins/macro_record_nr.png",
         "skins/macro_record_dn.png", 90, 18, u"    Record", u"    Stop"},
    };
    for (const CheckSet& c : checks) {
        s.Label(8, y, c.label, 140);
        for (int st = 0; st < 3; ++st) {
            auto* b = s.AddControl(
                0, std::make_unique<Forced<CCheckButton>>(&s, 2017, D(150 + st * 270, y, c.w, c.h),
                                                          u"", true, true, false, c.off, c.on, 0));
            b->images().LoadStates(c.nr, c.ov, c.dn);
            b->State(st == 2 ? 0 : st);
            b->SetTicked(st == 2);
        }
        y += 30;
    }
    // Combo buttons: normal, hover, menu open, "Disable".
    for (const char* name : {"combo2", "combo3"}) {
        s.Label(8, y, std::string("CComboButton ") + name, 140);
        for (int st = 0; st < 4; ++st) {
            auto* combo = s.AddControl(0, std::make_unique<Forced<CComboButton>>(
                                              &s, 1028, 2013, D(150 + st * 180, y, 162, 21), u"", 1,
                                              true, true, false, 0, u"Left Click"));
            combo->ResetHover();
            combo->LoadNormalImage(std::string("skins/") + name + "_nr.png");
            combo->LoadHoverImage(std::string("skins/") + name + "_ov.png");
            combo->State(st == 1 ? 1 : 0);
            combo->SetMenuOpen(st == 2);
            combo->SetShowDisabledText(st == 3);
        }
        y += 28;
    }
    // Radio buttons: normal, hover, selected.
    Env().masks.radio = 0;
    s.Label(8, y, "CRadioButton radio / rates", 140);
    for (int st = 0; st < 3; ++st) {
        auto* r = s.AddControl(
            0, std::make_unique<Forced<CRadioButton>>(
                   &s, st == 2 ? 3510 : 3511, D(150 + st * 40, y, 15, 15), u"", true, true, false));
        r->images().LoadStates("skins/radio_nr.png", "skins/radio_ov.png", "skins/radio_dn.png");
        r->State(st == 2 ? 0 : st);
    }
    const char* rates[] = {"125hz", "250hz", "500hz", "1000hz"};
    for (int i = 0; i < 4; ++i) {
        auto* r =
            s.AddControl(0, std::make_unique<CRadioButton>(&s, 3030 + i, D(300 + i * 80, y, 72, 72),
                                                           u"", true, true, false));
        r->images().LoadStates(std::string("skins/") + rates[i] + "_nr.png", "",
                               std::string("skins/") + rates[i] + "_dn.png");
    }
    Env().masks.radio = 0x100000 | 0x40000;  // 3510 and 500 Hz selected
    y += 80;
    // DPI level selectors: normal, hover, selected, disabled; red text for the active level.
    Env().masks.dpiLevel = 0x1;
    s.Label(8, y, "CDPIRadioButton", 140);
    for (int st = 0; st < 4; ++st) {
        auto* level = s.AddControl(0, std::make_unique<Forced<CDPIRadioButton>>(
                                          &s, st == 2 ? 3290 : 3291, D(150 + st * 40, y, 26, 11),
                                          u"", true, true, st == 3));
        level->images().LoadStrip("skins/dpi_value.png", 3);
        level->SetValueSteps(16 * (st + 1));
        level->SetFont(Scaled(11), u"Tahoma");
        level->SetTextColour(st == 2 ? 0x0000FF : 0xB4B4B4);
        level->State(st == 1 ? 1 : 0);
    }
    // Colour buttons.
    s.Label(330, y, "CColorSelectButton", 140);
    const Colour colours[] = {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF};
    for (int i = 0; i < 4; ++i) {
        auto* c = s.AddControl(
            0, std::make_unique<CColorSelectButton>(&s, 3270 + i, D(460 + i * 36, y, 26, 12), u"",
                                                    true, true, false, D(460 + i * 36, y, 26, 12)));
        c->SetColor(colours[i]);
    }
    y += 24;
    // Link: normal and hover.
    s.Label(8, y, "CLinkButton", 140);
    for (int st = 0; st < 2; ++st) {
        auto* link = s.AddControl(
            0, std::make_unique<Forced<CLinkButton>>(&s, D(150 + st * 220, y, 200, 18),
                                                     u"www.example.com", true, true, false));
        link->State(st);
    }
    y += 26;
    // Sleep-time selector at each value.
    s.Label(8, y, "CPowerManageButton 3..10", 160);
    for (int v = 3; v <= 10; ++v) {
        auto* p = s.AddControl(0, std::make_unique<CPowerManageButton>(
                                      &s, D(150 + (v - 3) % 4 * 150, y + (v - 3) / 4 * 90, 140, 84),
                                      u"", true, true, false));
        p->LoadImages();
        p->SetValue(v);
    }
}

void BuildIndicators(Sheet& s) {
    int y = 8;
    // Slider over its bar at the first, a middle and the last stop.
    s.Label(8, y, "CSliderControl", 140);
    for (int i = 0; i < 3; ++i) {
        const int x = 150 + i * 245;
        auto* bar = s.AddControl(
            0, std::make_unique<CStaticImage>(&s, 2020, D(x, y + 5, 230, 3), u"", true, true));
        bar->LoadImage("skins/Slider_bar.png");
        auto* slider = s.AddControl(
            0, std::make_unique<CSliderControl>(&s, 2021, D(x, y, 230, 13), 20, Scaled(6),
                                                Scaled(7), u"", true, true, false));
        slider->LoadThumbImage("skins/Slider_Circle.png");
        slider->SetValue(std::array{0, 9, 19}[i]);
    }
    y += 30;
    // Gauges at several values of 10 steps.
    s.Label(8, y, "CDPIValueShowControl", 140);
    for (int v = 0; v < 10; ++v) {
        auto* g =
            s.AddControl(0, std::make_unique<Forced<CDPIValueShowControl>>(
                                &s, 3300, D(150 + v * 30, y, 7, 132), u"", true, true, false));
        g->LoadImages("skins/mouse/dpi_bar_1.png", "skins/mouse/dpi_bar_2.png");
        g->SetMaximum(10);
        g->SetValue(v);
    }
    // Scroll bars: empty, top, middle, bottom; hover arrows on the last.
    s.Label(480, y, "CVScrollBar", 100);
    for (int i = 0; i < 4; ++i) {
        auto* bar =
            s.AddControl(0, std::make_unique<Forced<CVScrollBar>>(
                                &s, 2021, D(580 + i * 40, y, 18, 271), u"", true, true, false));
        const int positions[] = {0, 0, 20, 40};
        bar->SetScrollInfo(positions[i], 13, i == 0 ? 0 : 53);
        if (i == 3) bar->OnMouseMove(0, bar->rect().left + 2, bar->rect().top + 2);
    }
    y += 150;
    // Battery: levels, charging steps, full.
    s.Label(8, y, "CBattery", 140);
    int x = 150;
    for (int level : {0, 1, 20, 50, 100}) {
        auto* b = s.AddControl(0, std::make_unique<CBattery>(&s, D(x, y, 30, 61), u"", true, true));
        b->LoadImages("skins/battery_full.png", "skins/battery_empty.png",
                      "skins/battery_charging.png", "skins/battery_lighting.png");
        b->SetLevel(level);
        x += 40;
    }
    for (int step : {25, 50, 75, 100}) {
        auto* b = s.AddControl(0, std::make_unique<CBattery>(&s, D(x, y, 30, 61), u"", true, true));
        b->LoadImages("skins/battery_full.png", "skins/battery_empty.png",
                      "skins/battery_charging.png", "skins/battery_lighting.png");
        b->SetMode(CBattery::Mode::Charging);
        b->SetAnimationStep(step);
        x += 40;
    }
    auto* full = s.AddControl(0, std::make_unique<CBattery>(&s, D(x, y, 30, 61), u"", true, true));
    full->LoadImages("skins/battery_full.png", "skins/battery_empty.png",
                     "skins/battery_charging.png", "skins/battery_lighting.png");
    full->SetMode(CBattery::Mode::Full);
    y += 130;
    // Static images and texts.
    s.Label(8, y, "CStaticImage / CStaticText", 160);
    for (int i = 1; i <= 6; ++i) {
        auto* n = s.AddControl(0, std::make_unique<CStaticImage>(
                                      &s, 3400, D(150 + i * 26, y, 21, 19), u"", true, true));
        n->LoadImage("skins/mouse/serial_number" + std::to_string(i) + ".png");
    }
    s.AddControl(0, std::make_unique<CStaticText>(&s, 2012, D(340, y, 160, 20), u"Warning", true,
                                                  true, makeColour(254, 146, 82), kTextSingleLine));
    s.AddControl(
        0, std::make_unique<CStaticText>(&s, 2013, D(500, y - 10, 200, 40),
                                         u"A longer message that breaks between its words", true,
                                         true, 0xB4B4B4, kTextCenter | kTextWordBreak));
    s.AddControl(0, std::make_unique<CStaticText>(&s, 2014, D(720, y, 120, 20),
                                                  u"Text cut with an ellipsis at the end", true,
                                                  true, 0xFFFFFF, kTextSingleLine));
}

void BuildLists(Sheet& s, GalleryTree& tree, MacroRecord& macro) {
    s.Label(8, 8, "CEditShowList + CVScrollBar", 200);
    auto* list = s.AddControl(
        0, std::make_unique<CEditShowList>(&s, D(25, 30, 143, 269), &tree, true, true, false));
    list->LoadFolderImages("skins/foldr_open.png", "skins/foldr_close.png");
    auto* treeBar = s.AddControl(
        0, std::make_unique<CVScrollBar>(&s, 2021, D(169, 29, 18, 271), u"", true, true, false));
    treeBar->SetScrollInfo(0, list->VisibleRows(), tree.RowCount());

    s.Label(200, 8, "CImageShowList + CVScrollBar", 200);
    macro.InsertAction(0, MacroAction::key(0xA2, false));
    macro.InsertAction(1, MacroAction::delay(50));
    macro.InsertAction(2, MacroAction::key(0x43, false));
    macro.InsertAction(3, MacroAction::delay(120));
    macro.InsertAction(4, MacroAction::key(0x43, true));
    macro.InsertAction(5, MacroAction::key(0xA2, true));
    macro.InsertAction(6, MacroAction{0xE0, 0, 0, 0});
    macro.InsertAction(7, MacroAction{0xE0, 0x80, 0, 0});
    macro.InsertAction(8, MacroAction{0xE5, 0, 0, 0xF6});
    macro.InsertAction(9, MacroAction{0xE6, 0x80, 0, 12});
    macro.InsertAction(10, MacroAction{0xE7, 0, 0, 0xFD});
    macro.InsertAction(11, MacroAction{0xE7, 0, 0, 2});
    for (int i = 12; i < 20; ++i)
        macro.InsertAction(i, MacroAction::key(static_cast<uint8_t>(0x70 + i - 12), i % 2 == 1));
    auto* actions =
        s.AddControl(0, std::make_unique<CImageShowList>(
                            &s, D(200, 30, 143, 269), [](uint8_t code) { return KeyName(code); },
                            true, true, false));
    actions->LoadIcons("skins/macro_time.png", "skins/macro_up.png", "skins/macro_down.png");
    actions->SetMacro(&macro);
    actions->SetSelected(2);
    auto* actionBar = s.AddControl(
        0, std::make_unique<CVScrollBar>(&s, 2022, D(344, 29, 18, 271), u"", true, true, false));
    actionBar->SetScrollInfo(0, actions->VisibleRows(), actions->RowCount());
}

bool Save(const QImage& image, const QString& path) {
    if (image.save(path)) {
        std::printf("wrote %s\n", qPrintable(path));
        return true;
    }
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

bool RenderDialog(platform::test::TestServices& services, CDlgBase& dialog, const QString& path) {
    if (!dialog.Create(nullptr)) return false;
    const bool ok = Save(services.host(dialog).image(), path);
    dialog.destroy();
    return ok;
}

// Every skin below the program folder at its design size (times UiScale), with its name.
QImage SkinSheet() {
    const QString root = QString::fromStdString(Env().appDirectory);
    QStringList names;
    QDirIterator it(root + "skins", QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relative = QDir(root).relativeFilePath(it.next());
        if (!relative.contains("@2x")) names << relative;
    }
    names.sort();
    const double s = Env().uiScale;
    const int cell = Scaled(240);
    const int columns = 5;
    std::vector<SkinImage> images;
    int rowHeight = 0;
    std::vector<int> rowHeights;
    for (int i = 0; i < names.size(); ++i) {
        images.push_back(LoadSkinImage(names[i].toStdString()));
        rowHeight = std::max(rowHeight, static_cast<int>(images.back().height() * s) + Scaled(20));
        if (i % columns == columns - 1 || i == names.size() - 1) {
            rowHeights.push_back(rowHeight);
            rowHeight = 0;
        }
    }
    int total = Scaled(8);
    for (int h : rowHeights)
        total += h + Scaled(8);
    QImage sheet(cell * columns, std::max(total, 1), QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(0x30, 0x30, 0x30));
    QPainter painter(&sheet);
    const QFont font = MakeFont(u"Tahoma", Scaled(11));
    int y = Scaled(8);
    for (int i = 0; i < names.size(); ++i) {
        const int column = i % columns;
        const SkinImage& image = images[i];
        const QSize size(std::min(static_cast<int>(image.width() * s), cell - Scaled(8)),
                         static_cast<int>(image.height() * s));
        image.draw(painter, QRect(QPoint(column * cell + Scaled(4), y), size));
        DrawText(painter, font, names[i].toStdU16String(),
                 QRect(column * cell + Scaled(4), y + size.height() + Scaled(2), cell - Scaled(8),
                       Scaled(14)),
                 image.ok() ? 0xC8C8C8 : 0x0000FF, kTextSingleLine | kTextEndEllipsis);
        if (column == columns - 1) y += rowHeights[i / columns] + Scaled(8);
    }
    return sheet;
}

// The images built into the program.
QImage ResourceSheet() {
    const double s = Env().uiScale;
    std::vector<std::pair<QString, SkinImage>> images;
    images.emplace_back("bitmap 364", LoadResourceBitmap(364));
    images.emplace_back("bitmap 287", LoadResourceBitmap(287));
    for (int n : {151, 187, 188}) {
        auto image = LoadResourceImage(n);
        images.emplace_back(QString("png %1").arg(n), image ? *image : SkinImage());
    }
    const QImage icon = ApplicationIcon();
    images.emplace_back("icon 128", SkinImage(icon, icon.size()));
    int width = 0;
    int height = Scaled(8);
    for (const auto& [name, image] : images) {
        width = std::max(width, static_cast<int>(image.width() * s));
        height += static_cast<int>(image.height() * s) + Scaled(24);
    }
    QImage sheet(width + Scaled(16), height, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(0x30, 0x30, 0x30));
    QPainter painter(&sheet);
    const QFont font = MakeFont(u"Tahoma", Scaled(12));
    int y = Scaled(8);
    for (const auto& [name, image] : images) {
        const QSize size(static_cast<int>(image.width() * s), static_cast<int>(image.height() * s));
        image.draw(painter, QRect(QPoint(Scaled(8), y), size));
        DrawText(painter, font, (name + (image.ok() ? "" : " (missing)")).toStdU16String(),
                 QRect(Scaled(8), y + size.height() + Scaled(2), Scaled(300), Scaled(18)), 0xC8C8C8,
                 kTextSingleLine);
        y += size.height() + Scaled(24);
    }
    return sheet;
}

// The program's own main window on the simulated mouse, in the language the locale chooses, on a
// screen that gives the scale.
bool RenderMainWindow(const QString& out, const std::string& appDirectory, const char* locale,
                      double scale) {
    platform::test::TestServices services;
    services.setWorkArea(scale > 1 ? QRect(0, 0, 2560, 1700) : QRect(0, 0, 1920, 1040));
    UiEnvironment env;
    env.appDirectory = appDirectory;
    SetEnv(env);
    QTemporaryDir data;
    ManualClock clock;
    hid::VirtualMouse mouse(clock);
    CVexmoDlg window(AppOptions{data.path().toStdString() + "/", locale}, mouse);
    window.Create(nullptr);
    services.advance(1000);
    const QString name =
        QString("/main-%1%2").arg(QString(locale).left(2), scale > 1 ? "@2x.png" : "@1x.png");
    const bool ok = Save(services.host(window).image(), out + name);
    window.destroy();
    window.Shutdown();
    return ok;
}

int Run(const QString& out, const std::string& appDirectory) {
    QDir().mkpath(out);
    bool ok = true;
    for (double scale : {1.0, 2.0}) {
        UiEnvironment env;
        env.uiScale = scale;
        env.appDirectory = appDirectory;
        env.uiFont = UiFont{u"Tahoma", static_cast<int>(16 * scale), 1};
        SetEnv(env);
        platform::test::TestServices services;
        services.setDesignScale(scale);
        const QString suffix = scale > 1 ? "@2x.png" : "@1x.png";

        Sheet buttons(1000, 760, BuildButtons);
        ok &= RenderDialog(services, buttons, out + "/buttons" + suffix);
        Sheet indicators(900, 430, BuildIndicators);
        ok &= RenderDialog(services, indicators, out + "/indicators" + suffix);
        GalleryTree tree;
        MacroRecord macro;
        Sheet lists(380, 310, [&](Sheet& s) { BuildLists(s, tree, macro); });
        ok &= RenderDialog(services, lists, out + "/lists" + suffix);

        // Popups: fifteen items with the fourth hot, and a short one with a separator.
        Sheet owner(100, 100, [](Sheet&) {});
        owner.Create(nullptr);
        for (const auto& [name, count, separator] :
             {std::tuple{"popup", 15, false}, std::tuple{"popup-separator", 5, true}}) {
            auto* menu = new GalleryMenu(count, separator);
            menu->LoadItemImages("skins/menu_nr.png", "skins/menu_ov.png", "skins/menusub_nr.png",
                                 "skins/menusub_ov.png");
            menu->Create(&owner, {0, 0, 300, 300}, 1027, 2013);
            menu->SetHotItem(3);
            menu->invalidate();
            ok &= Save(services.host(*menu).image(), out + "/" + name + suffix);
            owner.SetPopup(0, menu);
            owner.ClosePopup(0);
            services.processPosted();
        }
        owner.destroy();

        SampleWindow window;
        ok &= RenderDialog(services, window, out + "/window" + suffix);
        ok &= Save(SkinSheet(), out + "/skins" + suffix);
        ok &= Save(ResourceSheet(), out + "/resources" + suffix);
    }
    for (const char* locale : {"en_US", "zh_CN"}) {
        for (double scale : {1.0, 2.0})
            ok &= RenderMainWindow(out, appDirectory, locale, scale);
    }
    return ok ? 0 : 1;
}

}  // namespace
}  // namespace vexmo::gallery

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR [APP_DIR]\n", argv[0]);
        return 2;
    }
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::string appDirectory = argc > 2 ? argv[2] : VEXMO_GALLERY_APP_DIR;
    if (!appDirectory.empty() && appDirectory.back() != '/') appDirectory += '/';
    return vexmo::gallery::Run(QString::fromLocal8Bit(argv[1]), appDirectory);
}
