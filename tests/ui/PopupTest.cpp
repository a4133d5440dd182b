// The popup base: item layout and size, the standard hover and choice rules, the messages sent
// on loss of activation and on closing, and the owner's popup slots.
#include <memory>

#include "UiFixture.h"
#include "ui/CImageButton.h"
#include "ui/CWndPopup.h"

namespace vexmo::ui::testing {
namespace {

// A menu with the standard look and rules that reports its choices.
class TestMenu : public CWndPopup {
public:
    TestMenu(int kind, int items, int* deleted)
        : CWndPopup(kind), items_(items), deleted_(deleted) {}
    ~TestMenu() override {
        if (deleted_ != nullptr) ++*deleted_;
    }

protected:
    void BuildItems() override {
        for (int i = 1; i <= items_; ++i)
            AddItem(u"Item " + formatDec(i), i, i == 6);
    }
    void DrawItems(QPainter& painter, const QRect&) override { DrawStandardItems(painter); }
    bool OnHover(const QPoint& p) override { return StandardHover(p); }
    bool OnChoose(const QPoint& p) override {
        const int index = StandardChosenIndex(p);
        if (index < 0) return false;
        ChooseCurrent(items()[index].text,
                      {0x01, 0x02, static_cast<uint8_t>(items()[index].itemId)});
        return true;
    }

private:
    int items_;
    int* deleted_;
};

class Popups : public UiTest {
protected:
    TestMenu* OpenMenu(int kind, int items, QPoint at = {500, 100}) {
        auto* menu = new TestMenu(kind, items, &deleted);
        menu->LoadItemImages("skins/menu_nr.png", "skins/menu_ov.png", "skins/menusub_nr.png",
                             "skins/menusub_ov.png");
        EXPECT_TRUE(
            menu->Create(&dialog, {at.x(), at.y(), at.x() + 300, at.y() + 300}, 1027, 2013));
        dialog.SetPopup(0, menu);
        return menu;
    }
    int deleted = 0;
};

TEST_F(Popups, FifteenItemsMakeAPopup162By332DesignUnits) {
    for (double scale : {1.0, 1.5, 2.0}) {
        SetScale(scale);
        auto menu = std::make_unique<TestMenu>(0, 0, nullptr);
        for (int i = 1; i <= 15; ++i)
            menu->AddItem(u"x", i, false);
        ASSERT_EQ(menu->items().size(), 15u);
        EXPECT_EQ(menu->items()[0].rect,
                  (Rect{int(scale), int(scale), int(161 * scale), int(23 * scale)}));
        EXPECT_EQ(menu->items()[14].rect.bottom, int(331 * scale));
    }
    SetScale(1.0);
    Open(300, 300, nullptr);
    TestMenu* menu = OpenMenu(0, 15, {640, 46});
    EXPECT_EQ(menu->geometry(), QRect(640, 46, 162, 332));
    auto separated = std::make_unique<TestMenu>(0, 0, nullptr);
    separated->AddItem(u"a", 1, false);
    separated->AddSeparator();
    separated->AddItem(u"b", 2, false);
    EXPECT_EQ(separated->items()[1].rect, (Rect{1, 25, 161, 26}));
    EXPECT_EQ(separated->items()[2].rect, (Rect{1, 27, 161, 49}));
}

TEST_F(Popups, HoverFollowsItemsAndAReleaseInTheHotItemChoosesIt) {
    MakeImage("skins/menu_nr.png", 190, 22, Qt::darkGray);
    MakeImage("skins/menu_ov.png", 190, 22, Qt::red);
    Open(300, 300, nullptr);
    TestMenu* menu = OpenMenu(0, 15);
    auto& w = services.host(*menu);
    w.mouseMove(50, 1 + 22 * 2 + 5);
    EXPECT_EQ(menu->hotItem(), 2);
    EXPECT_TRUE(menu->IsTracking());
    EXPECT_EQ(w.pixel(5, 1 + 22 * 2 + 2), QColor(Qt::red).rgb());
    EXPECT_EQ(w.pixel(5, 1 + 22 * 3 + 2), QColor(Qt::darkGray).rgb());
    const PopupChoice* chosen = nullptr;
    dialog.handler = [&](const platform::Message& m) {
        if (m.id == 1027) chosen = reinterpret_cast<const PopupChoice*>(m.lparam);
    };
    w.leftDown(50, 50);
    w.leftUp(50, 50);
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen->text, u"Item 3");
    EXPECT_EQ(chosen->code[2], 3);
    EXPECT_EQ(TakeSent().back().wparam, 2013u);
}

TEST_F(Popups, ReleasingOutsideTheHoveredItemChoosesNothing) {
    Open(300, 300, nullptr);
    TestMenu* menu = OpenMenu(0, 3);
    auto& w = services.host(*menu);
    w.mouseMove(50, 10);
    w.leftDown(50, 10);
    w.mouseMove(50, 40);  // held: the hover rule waits
    EXPECT_EQ(menu->hotItem(), 0);
    w.leftUp(50, 40);
    EXPECT_EQ(menu->hotItem(), -1);
    EXPECT_TRUE(TakeSent().empty());
}

TEST_F(Popups, LosingTheActivationSendsTheMessageOfItsKind) {
    const std::pair<int, uint32_t> kinds[] = {{0, 1029},  {2, 1042},  {3, 1045},  {6, 1057},
                                              {7, 1126},  {8, 1136},  {9, 1146},  {10, 1156},
                                              {11, 1159}, {12, 1162}, {13, 1165}, {14, 1168},
                                              {15, 1170}, {1, 0},     {4, 0},     {16, 0}};
    for (const auto& [kind, message] : kinds)
        EXPECT_EQ(CWndPopup::DeactivationMessage(kind), message);

    Open(300, 300, nullptr);
    OpenMenu(2, 3);
    TakeSent();
    host().leftDown(5, 5);  // a click in the owner takes the activation away
    EXPECT_EQ(TakeSent().front(), (Sent{1042, 2013, 2}));
    OpenMenu(5, 3);  // a kind without a message
    TakeSent();
    host().leftDown(5, 5);
    EXPECT_TRUE(TakeSent().empty());
}

TEST_F(Popups, ClosingThroughTheSlotSends1025AndDeletesThePopup) {
    Open(300, 300, nullptr);
    TestMenu* first = OpenMenu(0, 3);
    EXPECT_EQ(dialog.Popup(0), first);
    dialog.ClosePopup(0);
    EXPECT_EQ(dialog.Popup(0), nullptr);
    EXPECT_EQ(deleted, 0);  // the close request is handled by the loop
    TakeSent();
    services.processPosted();
    EXPECT_EQ(deleted, 1);
    const std::vector<Sent> sent = TakeSent();
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.front(), (Sent{1025, 0, 0}));
    EXPECT_EQ(sent.back(), (Sent{1029, 2013, 0}));  // it was the active window

    OpenMenu(0, 3);
    OpenMenu(3, 3);  // replacing the slot closes the previous popup
    services.processPosted();
    EXPECT_EQ(deleted, 2);
    ASSERT_NE(dialog.Popup(0), nullptr);
    services.host(*dialog.Popup(0)).close();  // closed from outside: the slot forgets it
    EXPECT_EQ(dialog.Popup(0), nullptr);
    EXPECT_EQ(deleted, 3);
}

TEST_F(Popups, PopupsStillOpenGoWithTheirOwner) {
    {
        RecordingDialog owner;
        owner.SetSize(100, 100);
        ASSERT_TRUE(owner.Create(nullptr));
        auto* menu = new TestMenu(0, 2, &deleted);
        menu->Create(&owner, {0, 0, 10, 10}, 1027, 1);
        owner.SetPopup(1, menu);
        auto* closing = new TestMenu(0, 2, &deleted);
        closing->Create(&owner, {0, 0, 10, 10}, 1027, 1);
        owner.SetPopup(2, closing);
        owner.ClosePopup(2);  // close request still queued when the owner goes
    }
    EXPECT_EQ(deleted, 2);
    services.processPosted();
}

TEST_F(Popups, PressingAnotherControlCancelsTheRememberedPress) {
    struct Cancelling : CImageButton {
        using CImageButton::CImageButton;
        int CancelPress(int) override {
            ++cancels;
            return 0;
        }
        int cancels = 0;
    };
    Cancelling* a = nullptr;
    Open(300, 100, [&](RecordingDialog& d, const Rect&) {
        a = d.AddControl(
            0, std::make_unique<Cancelling>(&d, 1, Rect{0, 0, 50, 50}, u"", true, true, false));
        d.AddControl(0, std::make_unique<CImageButton>(&d, 2, Rect{100, 0, 150, 50}, u"", true,
                                                       true, false));
    });
    host().click(10, 10);
    EXPECT_EQ(dialog.pressedControl(), a);
    OpenMenu(0, 2);
    host().mouseMove(110, 10);
    dialog.ClosePopup(0);  // the pressed control is not the hot one: its press is cancelled
    EXPECT_EQ(a->cancels, 1);
    EXPECT_EQ(dialog.pressedControl(), nullptr);
}

}  // namespace
}  // namespace vexmo::ui::testing
