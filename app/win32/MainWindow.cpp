#include "app/win32/MainWindow.h"

#include <commctrl.h>

#include "app/win32/ControlIds.h"
#include "app/win32/ToolButton.h"
#include "base/Errors.h"
#include "base/win32/LinkLabel.h"
#include "base/win32/WideText.h"

namespace fortuva::win32 {

namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr UINT kTimerInterval = 500;
constexpr int kClientWidth = 377;
constexpr int kClientHeight = 177;  // the about panel hidden
constexpr int kFontPixels = 12;
constexpr wchar_t kFontFace[] = L"ＭＳ Ｐゴシック";
constexpr wchar_t kPanelClass[] = L"FortuvaPanel";
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
// The tool buttons' hints, which are also their window texts.
const char* const kOpenHint = "当選番号ファイルを開きます";
const char* const kAboutHint = "バージョン情報";

MainWindow* WindowOf(HWND hwnd) { return reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

// Frames lie beneath the controls they hold, so that each control paints
// itself and the frames paint around it.
void PutBeneath(const std::vector<HWND>& frames) {
    for (HWND frame : frames) SetWindowPos(frame, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

HICON LoadIconSized(HINSTANCE instance, const wchar_t* name, int size) {
    return static_cast<HICON>(LoadImageW(instance, name, IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance) : instance_(instance) {
    HDC screen = GetDC(nullptr);
    dpi_ = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    // The whole layout scales with the font's pixel height.
    font_ = CreateFontW(-Scale(kFontPixels), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                        kFontFace);
    boldFont_ = CreateFontW(-Scale(kFontPixels), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                            kFontFace);
    bigIcon_ = LoadIconSized(instance_, L"MAINICON", GetSystemMetrics(SM_CXICON));
    smallIcon_ = LoadIconSized(instance_, L"MAINICON", GetSystemMetrics(SM_CXSMICON));
    openGlyph_ = LoadIconSized(instance_, L"OPENGLYPH", GetSystemMetrics(SM_CXSMICON));
    aboutGlyph_ = LoadIconSized(instance_, L"ABOUTGLYPH", GetSystemMetrics(SM_CXSMICON));
}

MainWindow::~MainWindow() {
    form_.reset();
    DeleteObject(font_);
    DeleteObject(boldFont_);
    if (bigIcon_) DestroyIcon(bigIcon_);
    if (smallIcon_) DestroyIcon(smallIcon_);
    if (openGlyph_) DestroyIcon(openGlyph_);
    if (aboutGlyph_) DestroyIcon(aboutGlyph_);
}

int MainWindow::Scale(int pixels) const { return MulDiv(pixels, dpi_, 96); }

void MainWindow::Guard(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& failure) {
        applicationObject_->HandleException(failure);
    }
}

void MainWindow::RegisterClasses() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.hInstance = instance_;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.hIcon = bigIcon_;
    wc.hIconSm = smallIcon_;

    wc.lpfnWndProc = ApplicationProc;
    wc.lpszClassName = ids::kApplicationWindowClass;
    RegisterClassExW(&wc);

    wc.lpfnWndProc = MainProc;
    wc.lpszClassName = ids::kMainWindowClass;
    RegisterClassExW(&wc);

    wc.hIcon = nullptr;
    wc.hIconSm = nullptr;
    wc.lpfnWndProc = PanelProc;
    wc.lpszClassName = kPanelClass;
    RegisterClassExW(&wc);

    RegisterToolButtonClass(instance_);
    RegisterLinkLabelClass(instance_);
}

HWND MainWindow::Child(HWND parent, const wchar_t* windowClass, const std::string& text, DWORD style, int id, int x,
                       int y, int width, int height, HFONT font) {
    DWORD exStyle = (lstrcmpW(windowClass, L"Edit") == 0) ? WS_EX_CLIENTEDGE : 0;
    HWND hwnd = CreateWindowExW(exStyle, windowClass, Widen(text).c_str(), style, Scale(x), Scale(y), Scale(width),
                                Scale(height), parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_,
                                nullptr);
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font ? font : font_), FALSE);
    return hwnd;
}

void MainWindow::CreateWindows() {
    // The application window carries the taskbar entry with the application's
    // title; the main window is owned by it and so has none of its own.
    std::string title = ApplicationTitle(Narrow(ModulePath()));
    application_ = CreateWindowExW(0, ids::kApplicationWindowClass, Widen(title).c_str(),
                                   WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                                   GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0,
                                   nullptr, nullptr, instance_, nullptr);
    SetWindowLongPtrW(application_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));

    main_ = CreateWindowExW(WS_EX_CONTROLPARENT, ids::kMainWindowClass, L"Fortuva - [----年用]",
                            WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT, CW_USEDEFAULT,
                            Scale(kClientWidth), Scale(kClientHeight), application_, nullptr, instance_, nullptr);
    SetWindowLongPtrW(main_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SendMessageW(main_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);

    platform_.SetOwners(main_, application_);
    applicationObject_ = std::make_unique<TApplication>(platform_, title);
    SetGeneralHandler([this](const std::exception& failure) { applicationObject_->HandleException(failure); });
    CreateControls();
}

void MainWindow::CreateControls() {
    auto edit = [&](int k, int x, int y, int width) {
        HWND hwnd = Child(main_, L"Edit", "", kChild | WS_DISABLED | WS_TABSTOP | ES_AUTOHSCROLL, ids::EditId(k), x,
                          y, width, 20);
        edits_[k - 1] = std::make_unique<Win32Edit>("Edit" + DecimalText(k), hwnd);
    };
    auto group = [&](int k, const char* caption, int x, int y, int width, int height) {
        HWND hwnd = Child(main_, L"Button", caption, kChild | BS_GROUPBOX, ids::GroupBoxId(k), x, y, width, height);
        groups_[k - 1] = std::make_unique<Win32GroupBox>("GroupBox" + DecimalText(k), hwnd);
        return hwnd;
    };
    std::vector<HWND> frames;

    FitToText(Child(main_, L"Static", "下二桁を入力して下さい:", kChild | SS_LEFTNOWORDWRAP | SS_NOPREFIX, ids::Label1,
                    8, 8, 124, 12));
    SetToolButtonGlyph(Child(main_, kToolButtonClass, kOpenHint, kChild, ids::SpeedButton1, 112, 48, 23, 22),
                       openGlyph_);
    SetToolButtonGlyph(Child(main_, kToolButtonClass, kAboutHint, kChild, ids::SpeedButton2, 8, 48, 23, 22),
                       aboutGlyph_);
    edit(1, 8, 24, 129);
    frames.push_back(group(1, "一等", 144, 0, 113, 73));
    edit(2, 160, 16, 89);
    edit(3, 160, 40, 89);
    frames.push_back(group(2, "二等", 264, 0, 113, 73));
    edit(4, 280, 16, 89);
    frames.push_back(group(3, "三等", 144, 80, 113, 73));
    edit(5, 160, 96, 89);
    edit(6, 160, 120, 89);
    frames.push_back(group(4, "四等", 264, 80, 113, 97));
    edit(7, 280, 96, 89);
    edit(8, 280, 120, 89);
    edit(9, 280, 144, 89);
    frames.push_back(Child(main_, L"Static", "", kChild | SS_ETCHEDFRAME, ids::Panel1, 0, 72, 137, 81));
    HWND label2 = Child(main_, L"Static", "", kChild | SS_OWNERDRAW | SS_NOTIFY, ids::Label2, 2, 74, 133, 77,
                        boldFont_);
    label2_ = std::make_unique<AnnouncedLabel>("Label2", label2);
    HWND check = Child(main_, L"Button", "確認ダイアログを出さない", kChild | BS_AUTOCHECKBOX | WS_TABSTOP,
                       ids::CheckBox1, 0, 160, 153, 17);
    checkBox1_ = std::make_unique<Win32CheckBox>("CheckBox1", check);
    panel2_ = Child(main_, kPanelClass, "", WS_CHILD | WS_CLIPSIBLINGS, ids::Panel2, 0, 192, 377,
                    169);
    SetWindowLongW(panel2_, GWL_EXSTYLE, GetWindowLongW(panel2_, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
    panel2Control_ = std::make_unique<Win32Panel>("Panel2", panel2_);
    CreateAboutPanel();
    PutBeneath(frames);
    timer_ = std::make_unique<Win32Timer>("Timer", main_, kTimerId, kTimerInterval);
    window_ = std::make_unique<Win32Window>(main_);
    fileDialog_.SetOwner(main_);
    shell_.SetOwner(application_);
    openDialog1_ = std::make_unique<TOpenDialog>("OpenDialog1", fileDialog_);
    AddTooltips();
    DescribeControls();

    TMainFormControls controls{*window_, *edits_[0], {}, {}, *label2_, *checkBox1_, *panel2Control_, *timer_,
                               *openDialog1_, *icon_, *l01_, *links_[0], *links_[1], *links_[2], *links_[3]};
    for (std::size_t i = 0; i < kSlotCount; ++i) controls.Slots[i] = edits_[i + 1].get();
    for (std::size_t i = 0; i < kPrizeCount; ++i) controls.GroupBoxes[i] = groups_[i].get();
    form_ = std::make_unique<TMainForm>(
        controls, TMainFormServices{platform_, files_, *applicationObject_, sound_, version_, shell_});
}

void MainWindow::CreateAboutPanel() {
    const DWORD child = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    std::vector<HWND> frames;
    icon_ = std::make_unique<Win32Image>("Icon", Child(panel2_, L"Static", "", child | SS_ICON | SS_REALSIZECONTROL,
                                                       ids::Icon, 8, 8, 32, 32));
    // The product label's placeholder shows only if start-up never prepared it.
    l01_ = std::make_unique<Win32Label>("L01", Child(panel2_, L"Static", "aa", child | SS_NOPREFIX, ids::L01, 48, 16,
                                                     0, 0),
                                        0, true);
    FitToText(l01_->Handle());
    FitToText(Child(panel2_, L"Static", "プログラム：Telvi　ボイス：Kavrin Lusemi", child | SS_NOPREFIX, ids::Label6, 48,
                    32, 0, 0));
    Child(panel2_, L"Button", "閉じる(&X)", child | WS_TABSTOP | BS_DEFPUSHBUTTON, ids::Button2, 296, 32, 75, 25);
    auto author = [&](int bevel, int title, const char* name, int top, int mail, int url, int tag,
                      const char* mailName, const char* urlName) {
        frames.push_back(Child(panel2_, L"Static", "", child | SS_ETCHEDFRAME, bevel, 0, top + 6, 201, 43));
        FitToText(Child(panel2_, L"Static", name, child | SS_NOPREFIX, title, 8, top, 0, 0));
        links_.push_back(std::make_unique<Win32Label>(
            mailName, Child(panel2_, kLinkLabelClass, "LMail", child, mail, 16, top + 16, 0, 0), tag));
        links_.push_back(std::make_unique<Win32Label>(
            urlName, Child(panel2_, kLinkLabelClass, "LURL", child, url, 16, top + 32, 0, 0), tag));
    };
    author(ids::Bevel1, ids::Label4, "Telvi(システム)", 56, ids::LMail, ids::LURL, 0, "LMail", "LURL");
    author(ids::Bevel1 + 1, ids::Label5, "KavrinLusemi(ボイス)", 112, ids::LMail1, ids::LURL1, 1, "LMail1", "LURL1");
    frames.push_back(Child(panel2_, L"Static", "", child | SS_ETCHEDFRAME, ids::Bevel1 + 2, 208, 62, 169, 107));
    notice_ = Child(panel2_, L"Static",
                    "このソフトはフリーソフトです。転載・再配布は自由ですが、改変したものを配布するときは作者までご連絡"
                    "下さい。雑誌等への収録はご一報下さい。",
                    child | SS_LEFT | SS_NOPREFIX, ids::Label7, 216, 72, 153, 89);
    PutBeneath(frames);
}

void MainWindow::DescribeControls() {
    // The slots by their prize class and place, since every slot's nearest
    // label is the entry box's prompt.
    for (const PrizeClass& prize : kCheckOrder) {
        const std::string className = groups_[prize.rank - 1]->Caption();
        for (std::size_t slot = prize.firstSlot; slot <= prize.lastSlot; ++slot)
            accessible_.Slot(edits_[slot + 1]->Handle(), SlotName(prize, slot, className));
    }
    accessible_.ToolButton(GetDlgItem(main_, ids::SpeedButton1));
    accessible_.ToolButton(GetDlgItem(main_, ids::SpeedButton2));
    for (const auto& link : links_) accessible_.Link(link->Handle());
    accessible_.ResultLabel(label2_->Handle());
}

void MainWindow::AddTooltips() {
    // Owned by the main window, which destroys it.
    HWND tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, main_, nullptr,
                                   instance_, nullptr);
    SendMessageW(tooltip, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    auto add = [&](int id, const char* hint) {
        WideString text = Widen(hint);
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = main_;
        tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(main_, id));
        tool.lpszText = text.data();
        SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    };
    add(ids::SpeedButton1, kOpenHint);
    add(ids::SpeedButton2, kAboutHint);
    add(ids::Label2, "ココに結果が表示されます");
}

void MainWindow::PlaceAndShow() {
    RECT frame{0, 0, Scale(kClientWidth), Scale(kClientHeight)};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(main_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(main_, GWL_EXSTYLE)));
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    SetWindowPos(main_, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(application_, SW_SHOWNOACTIVATE);
    ShowWindow(main_, SW_SHOW);
    SetForegroundWindow(main_);
}

int MainWindow::Run() {
    RegisterClasses();
    CreateWindows();
    // Start-up runs before the window is first shown.
    Guard([&] { form_->FormCreate(); });
    PlaceAndShow();

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (OnShortcut(message)) continue;
        if (IsDialogMessageW(main_, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

LRESULT MainWindow::OnControlColor(HWND control, HDC dc) {
    if (control == notice_) {
        SetTextColor(dc, RGB(255, 0, 0));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    for (const auto& edit : edits_) {
        if (edit->Handle() != control) continue;
        const COLORREF color = ColorRef(edit->Color());
        SetBkColor(dc, color);
        SetDCBrushColor(dc, color);
        return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
    }
    return DefWindowProcW(main_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
}

void MainWindow::DrawResult(const DRAWITEMSTRUCT& item) {
    WideString text = WindowTextW(label2_->Handle());
    RECT area = item.rcItem;
    FillRect(item.hDC, &area, GetSysColorBrush(COLOR_BTNFACE));
    HGDIOBJ oldFont = SelectObject(item.hDC, boldFont_);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(COLOR_WINDOWTEXT));
    // Centred both ways: measure the wrapped text, then place it mid-height.
    const UINT format = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;
    RECT measured = area;
    DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &measured, format | DT_CALCRECT);
    RECT place = area;
    place.top += ((area.bottom - area.top) - (measured.bottom - measured.top)) / 2;
    DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &place, format);
    SelectObject(item.hDC, oldFont);
}

void MainWindow::OnCommand(int id, int code, HWND control) {
    // Called inside the main window's procedure, whose guard takes a failure.
    if (!form_) return;
    if (id == ids::Edit1 && code == EN_CHANGE) form_->Edit1Change();
    if (id == ids::SpeedButton1 && code == BN_CLICKED) form_->SpeedButton1Click();
    if (id == ids::SpeedButton2 && code == BN_CLICKED) form_->SpeedButton2Click();
    if (id == ids::Button2 && code == BN_CLICKED) form_->Button2Click();
    for (const auto& link : links_) {
        if (link->Handle() != control) continue;
        if (code == kLinkEnter) form_->LMailMouseEnter(*link);
        if (code == kLinkLeave) form_->LMailMouseLeave(*link);
        if (code == kLinkClick) form_->LMailClick(*link);
    }
}

bool MainWindow::OnShortcut(const MSG& message) {
    if (message.message != WM_KEYDOWN || !form_ || (message.hwnd != main_ && !IsChild(main_, message.hwnd)))
        return false;
    TShiftState shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= kShift;
    if (GetKeyState(VK_MENU) < 0) shift |= kAlt;
    if (GetKeyState(VK_CONTROL) < 0) shift |= kCtrl;
    bool taken = true;  // a command that failed has still taken its key
    Guard([&] { taken = form_->FormShortcut(static_cast<TKey>(message.wParam), shift); });
    return taken;
}

LRESULT MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case DM_GETDEFID:
        // Enter presses the close button while the about panel is shown.
        return IsWindowVisible(panel2_) ? MAKELRESULT(ids::Button2, DC_HASDEFID) : 0;
    case WM_TIMER:
        if (wParam == kTimerId) form_->TimerTimer();
        return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        return OnControlColor(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlID == static_cast<UINT>(ids::Label2)) DrawResult(item);
        return TRUE;
    }
    case WM_ACTIVATE:
        // The focused control is kept across deactivation, as dialogs do.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            focus_ = (focus && IsChild(main_, focus)) ? focus : nullptr;
        } else if (focus_ && IsWindow(focus_) && IsWindowEnabled(focus_) && IsWindowVisible(focus_)) {
            SetFocus(focus_);
            return 0;
        }
        break;
    case WM_CLOSE:
        DestroyWindow(main_);
        return 0;
    case WM_DESTROY:
        if (timer_) timer_->SetEnabled(false);
        DestroyWindow(application_);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(main_, message, wParam, lParam);
}

LRESULT MainWindow::OnApplicationMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        // Minimising from the taskbar entry hides the main window with it.
        if (main_ && wParam == SIZE_MINIMIZED) ShowWindow(main_, SW_HIDE);
        if (main_ && wParam == SIZE_RESTORED && !IsWindowVisible(main_)) ShowWindow(main_, SW_SHOW);
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && main_ && IsWindowVisible(main_) && IsWindowEnabled(main_)) {
            SetActiveWindow(main_);
            return 0;
        }
        break;
    case WM_CLOSE:
        if (main_) PostMessageW(main_, WM_CLOSE, 0, 0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK MainWindow::MainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return Guarded(hwnd, message, [&] {
        if (MainWindow* self = WindowOf(hwnd)) return self->OnMessage(message, wParam, lParam);
        return DefWindowProcW(hwnd, message, wParam, lParam);
    });
}

LRESULT CALLBACK MainWindow::ApplicationProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return Guarded(hwnd, message, [&] {
        if (MainWindow* self = WindowOf(hwnd)) return self->OnApplicationMessage(hwnd, message, wParam, lParam);
        return DefWindowProcW(hwnd, message, wParam, lParam);
    });
}

LRESULT CALLBACK MainWindow::PanelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return Guarded(hwnd, message, [&] {
        // The panel's controls report to the main window, like its own children.
        switch (message) {
        case WM_COMMAND:
        case WM_DRAWITEM:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return SendMessageW(GetParent(hwnd), message, wParam, lParam);
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    });
}

}  // namespace fortuva::win32
