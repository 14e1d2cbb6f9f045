#include <gtest/gtest.h>

#include <oleacc.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/ControlIds.h"
#include "tests/e2e/Driver.h"

namespace fortuva::e2e {
namespace {

// The screen as drawn, over the client area of a window.
class Snapshot {
public:
    explicit Snapshot(HWND window) {
        const SIZE size = ClientSize(window);
        width_ = size.cx;
        height_ = size.cy;
        POINT origin{0, 0};
        ClientToScreen(window, &origin);
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, width_, height_);
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width_, height_, screen, origin.x, origin.y, SRCCOPY);
        SelectObject(memory, old);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_;  // top row first
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        pixels_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
        GetDIBits(memory, bitmap, 0, static_cast<UINT>(height_), pixels_.data(), &info, DIB_RGB_COLORS);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
    }

    int Width() const { return width_; }
    int Height() const { return height_; }
    // As a COLORREF (red in the low byte).
    COLORREF At(int x, int y) const {
        const DWORD bgrx = pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                                   static_cast<std::size_t>(x)];
        return RGB((bgrx >> 16) & 0xFF, (bgrx >> 8) & 0xFF, bgrx & 0xFF);
    }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<DWORD> pixels_;
};

bool Blue(COLORREF colour) {
    return GetBValue(colour) >= 200 && GetRValue(colour) < 80 && GetGValue(colour) < 80;
}

// The most pixels of one row of the window that are plainly blue: a few for
// blue letters, nearly the whole width for a blue underline.
int LongestBlueRow(HWND window) {
    const Snapshot shot(window);
    int most = 0;
    for (int y = 0; y < shot.Height(); ++y) {
        int count = 0;
        for (int x = 0; x < shot.Width(); ++x) count += Blue(shot.At(x, y)) ? 1 : 0;
        most = std::max(most, count);
    }
    return most;
}

bool EndsWith(const std::wstring& text, const std::wstring& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

bool Contains(const std::wstring& text, const std::wstring& part) { return text.find(part) != std::wstring::npos; }

// The driver's thread as a client of the accessibility interface, with the
// name changes of the program's client areas that it has been told of.
class ScreenReader {
public:
    explicit ScreenReader(DWORD pid) {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        heard_ = &events_;
        hook_ = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr, Hear, pid, 0,
                                WINEVENT_OUTOFCONTEXT);
    }
    ~ScreenReader() {
        if (hook_) UnhookWinEvent(hook_);
        heard_ = nullptr;
        CoUninitialize();
    }
    ScreenReader(const ScreenReader&) = delete;
    ScreenReader& operator=(const ScreenReader&) = delete;

    bool Hooked() const { return hook_ != nullptr; }
    // Waits, taking the events as they come, until this one has come.
    bool Hears(DWORD event, HWND control) {
        return WaitUntil([&] {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
            return std::find(events_.begin(), events_.end(), std::make_pair(event, control)) != events_.end();
        });
    }
    void Forget() { events_.clear(); }

private:
    static void CALLBACK Hear(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
        if (heard_ && object == OBJID_CLIENT && child == CHILDID_SELF) heard_->emplace_back(event, window);
    }

    static std::vector<std::pair<DWORD, HWND>>* heard_;
    std::vector<std::pair<DWORD, HWND>> events_;
    HWINEVENTHOOK hook_ = nullptr;
};

std::vector<std::pair<DWORD, HWND>>* ScreenReader::heard_ = nullptr;

class About : public ::testing::Test {
protected:
    // Starts the program with a year file, so the entry box has the focus.
    void SetUp() override {
        program_.CopyIn(FortuvaExePath());
        program_.Write(YearFileName(), "123456\r\n654321\r\n4567\r\n0123\r\n3210\r\n05\r\n38\r\n71\r\n");
        app_ = std::make_unique<AppUnderTest>(program_.Path());
        main_ = app_->PassNotice();
        ASSERT_NE(main_, nullptr);
        panel_ = Control(main_, ids::Panel2);
        edit1_ = Control(main_, ids::Edit1);
        ASSERT_NE(panel_, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return app_->Focus() == edit1_; }));
    }

    bool ShowPanel() const {
        Click(Control(main_, ids::SpeedButton2));
        return WaitUntil([&] { return IsVisible(panel_); });
    }

    bool PanelHidden() const {
        return WaitUntil([&] { return !IsVisible(panel_); });
    }

    bool SlotIsRed(HWND slot) const { return BackgroundOf(slot) == RGB(255, 0, 0); }

    // Red, then not, then red again: the slot blinks.
    bool Blinks(HWND slot) const {
        return WaitUntil([&] { return SlotIsRed(slot); }, Millis{3000}, Millis{10}) &&
               WaitUntil([&] { return !SlotIsRed(slot); }, Millis{3000}, Millis{10}) &&
               WaitUntil([&] { return SlotIsRed(slot); }, Millis{3000}, Millis{10});
    }

    TempFolder program_;
    std::unique_ptr<AppUnderTest> app_;
    HWND main_ = nullptr;
    HWND panel_ = nullptr;
    HWND edit1_ = nullptr;
};

TEST_F(About, PanelCoversTheWindowWithProductAndAuthors) {
    ASSERT_FALSE(IsVisible(panel_));
    const SIZE client = ClientSize(main_);

    ASSERT_TRUE(ShowPanel());

    const RECT area = ClientRectOnParent(panel_, main_);
    EXPECT_EQ(area.left, 0);
    EXPECT_EQ(area.top, 0);
    EXPECT_EQ(area.right, client.cx);
    EXPECT_EQ(area.bottom, client.cy);
    const SIZE after = ClientSize(main_);
    EXPECT_EQ(after.cx, client.cx);
    EXPECT_EQ(after.cy, client.cy);
    // It lies over the entry box, so the mouse reaches the panel there.
    const RECT box = ClientRectOnParent(edit1_, main_);
    POINT middle{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    ClientToScreen(main_, &middle);
    HWND under = WindowFromPoint(middle);
    EXPECT_TRUE(under == panel_ || IsChild(panel_, under)) << Utf8(ClassOf(under));

    EXPECT_EQ(Text(Control(main_, ids::L01)), L"Fortuva Ver.1.23 with Kavrin Lusemi");
    EXPECT_EQ(Text(Control(main_, ids::Label4)), L"Telvi(システム)");
    EXPECT_EQ(Text(Control(main_, ids::Label5)), L"KavrinLusemi(ボイス)");
    EXPECT_EQ(Text(Control(main_, ids::Button2)), L"閉じる(&X)");
    const std::wstring mail = Text(Control(main_, ids::LMail));
    const std::wstring url = Text(Control(main_, ids::LURL));
    const std::wstring mail1 = Text(Control(main_, ids::LMail1));
    const std::wstring url1 = Text(Control(main_, ids::LURL1));
    EXPECT_TRUE(Contains(mail, L"@") && EndsWith(mail, L"example.jp")) << Utf8(mail);
    EXPECT_TRUE(url.rfind(L"http", 0) == 0 && Contains(url, L"example.jp")) << Utf8(url);
    EXPECT_TRUE(Contains(mail1, L"@") && EndsWith(mail1, L"example.com")) << Utf8(mail1);
    EXPECT_TRUE(url1.rfind(L"http", 0) == 0 && Contains(url1, L"example.com")) << Utf8(url1);
    // Each link ends inside the frame of its author's block.
    const std::pair<int, int> framed[] = {{ids::LMail, ids::Bevel1}, {ids::LURL, ids::Bevel1},
                                          {ids::LMail1, ids::Bevel1 + 1}, {ids::LURL1, ids::Bevel1 + 1}};
    for (const auto& [link, frame] : framed) {
        EXPECT_LT(ClientRectOnParent(Control(main_, link)).right, ClientRectOnParent(Control(main_, frame)).right)
            << Utf8(Text(Control(main_, link)));
    }
}

TEST_F(About, CloseButtonHidesThePanel) {
    ASSERT_TRUE(ShowPanel());
    PostMessageW(Control(main_, ids::Button2), BM_CLICK, 0, 0);
    EXPECT_TRUE(PanelHidden());
    EXPECT_TRUE(IsEnabled(edit1_));
    EXPECT_EQ(Text(main_), L"Fortuva - [" + std::to_wstring(CurrentYear()) + L"年用]");
}

TEST_F(About, EnterInTheEntryBoxHidesThePanelAndKeepsTheFocus) {
    ASSERT_TRUE(ShowPanel());
    ASSERT_EQ(app_->Focus(), edit1_);
    PostMessageW(edit1_, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PostMessageW(edit1_, WM_KEYUP, VK_RETURN, 0xC01C0001);
    EXPECT_TRUE(PanelHidden());
    EXPECT_EQ(app_->Focus(), edit1_);
}

TEST_F(About, EntriesAreCheckedAndTheSlotBlinksWhileThePanelComesAndGoes) {
    HWND label2 = Control(main_, ids::Label2);
    HWND slot = Control(main_, ids::SlotId(6));  // holds 38
    ASSERT_TRUE(ShowPanel());
    ASSERT_EQ(Text(label2), L"");

    ASSERT_TRUE(TypeChars(edit1_, L"38"));
    EXPECT_EQ(Text(label2), L"四等が当たりました\r\nおめでとう御座います");

    PostMessageW(Control(main_, ids::Button2), BM_CLICK, 0, 0);
    ASSERT_TRUE(PanelHidden());
    EXPECT_TRUE(Blinks(slot));
    ASSERT_TRUE(ShowPanel());
    PostMessageW(Control(main_, ids::Button2), BM_CLICK, 0, 0);
    ASSERT_TRUE(PanelHidden());
    EXPECT_TRUE(Blinks(slot));
}

TEST_F(About, LinkTurnsBlueUnderThePointer) {
    ASSERT_TRUE(ShowPanel());
    HWND link = Control(main_, ids::LMail1);
    const SIZE size = ClientSize(link);
    // The pointer rests in the panel's empty lower left corner.
    const auto awayFromLinks = [&] { MovePointerTo(panel_, 4, ClientSize(panel_).cy - 4); };
    awayFromLinks();
    ASSERT_TRUE(WaitUntil([&] { return LongestBlueRow(link) == 0; }));
    // A move the link hears of only after the pointer has gone (a busy
    // program hears of the display's moves late) must not leave it lit.
    PostMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(size.cx / 2, size.cy / 2));
    ASSERT_TRUE(TypeChars(edit1_, L""));

    MovePointerTo(link, size.cx / 2, size.cy / 2);
    // Blue letters, and a blue underline across most of the text.
    EXPECT_TRUE(WaitUntil([&] { return LongestBlueRow(link) >= size.cx * 2 / 3; }))
        << LongestBlueRow(link) << " of " << size.cx;

    awayFromLinks();
    EXPECT_TRUE(WaitUntil([&] { return LongestBlueRow(link) == 0; }));
}

TEST_F(About, ScreenReaderReadsNamesAndRolesAndHearsEachResult) {
    ScreenReader reader(app_->ProcessId());
    ASSERT_TRUE(reader.Hooked());
    const wchar_t* const slotNames[] = {L"一等 1", L"一等 2", L"二等", L"三等 1", L"三等 2", L"四等 1", L"四等 2", L"四等 3"};
    for (std::size_t i = 0; i < 8; ++i) {
        HWND slot = Control(main_, ids::SlotId(i));
        const Accessible read = ReadAccessible(slot);
        EXPECT_EQ(read.name, slotNames[i]) << "slot " << i;
        EXPECT_EQ(read.value, Text(slot)) << "slot " << i;
        EXPECT_EQ(read.role, ROLE_SYSTEM_TEXT) << "slot " << i;
    }
    const Accessible open = ReadAccessible(Control(main_, ids::SpeedButton1));
    EXPECT_EQ(open.name, L"当選番号ファイルを開きます");
    EXPECT_EQ(open.role, ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(open.defaultAction, L"押す");
    const Accessible about = ReadAccessible(Control(main_, ids::SpeedButton2));
    EXPECT_EQ(about.name, L"バージョン情報");
    EXPECT_EQ(about.role, ROLE_SYSTEM_PUSHBUTTON);

    // The about button's default action shows the panel, leaving the focus.
    ASSERT_TRUE(DoDefaultAction(Control(main_, ids::SpeedButton2)));
    ASSERT_TRUE(WaitUntil([&] { return IsVisible(panel_); }));
    EXPECT_EQ(app_->Focus(), edit1_);
    for (int id : {ids::LMail, ids::LURL, ids::LMail1, ids::LURL1}) {
        HWND link = Control(main_, id);
        const Accessible read = ReadAccessible(link);
        EXPECT_EQ(read.name, Text(link)) << id;
        EXPECT_EQ(read.role, ROLE_SYSTEM_LINK) << id;
        EXPECT_EQ(read.defaultAction, L"クリック") << id;
    }

    // Each result and each message is announced; the name is the new text.
    HWND label2 = Control(main_, ids::Label2);
    EXPECT_EQ(ReadAccessible(label2).role, ROLE_SYSTEM_STATICTEXT);
    for (const wchar_t* entry : {L"38", L"ab"}) {
        reader.Forget();
        ASSERT_TRUE(TypeChars(edit1_, entry));
        EXPECT_TRUE(reader.Hears(EVENT_OBJECT_NAMECHANGE, label2)) << Utf8(entry);
        EXPECT_TRUE(reader.Hears(EVENT_OBJECT_LIVEREGIONCHANGED, label2)) << Utf8(entry);
        EXPECT_EQ(ReadAccessible(label2).name, Text(label2));
    }
    EXPECT_EQ(Text(label2), L"正数を入力して下さい");
}

}  // namespace
}  // namespace fortuva::e2e
