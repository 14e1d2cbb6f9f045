#include "app/win32/MainWindow.h"

#include "app/ControlIds.h"
#include "app/MainLayout.h"
#include "app/MainTexts.h"
#include "app/win32/MainPainting.h"
#include "base/win32/Dpi.h"
#include "base/win32/Guard.h"
#include "base/win32/Window.h"

namespace fortuva::win32 {

namespace {

// The client area the layout takes at that resolution.
SIZE ClientAreaAt(int dpi) { return {ScaledAt(kClientWidth, dpi), ScaledAt(kClientHeight, dpi)}; }

BOOL CALLBACK TellOfColorChange(HWND child, LPARAM) {
    SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
    return TRUE;
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, Win32Platform& platform, TApplication& application)
    : instance_(instance),
      platform_(platform),
      application_(application),
      bigIcon_(LoadMainIcon(instance, GetSystemMetrics(SM_CXICON))),
      smallIcon_(LoadMainIcon(instance, GetSystemMetrics(SM_CXSMICON))) {
    RegisterClasses(instance_, bigIcon_.Get(), smallIcon_.Get());
    applicationWindow_ = std::make_unique<ApplicationWindow>(instance_, application_.Title());
    // The program is on the taskbar from its first notice on; until the main
    // window is shown, message boxes are the application window's.
    applicationWindow_->ShowOnTaskbar();
    platform_.SetOwner([this] { return main_ && IsWindowVisible(main_) ? main_ : applicationWindow_->Handle(); });
}

void MainWindow::CreateForm() {
    // Made where it will be shown, mid-desktop, so that it is laid out at
    // that monitor's resolution; sized and placed when first shown.
    CreateWindowExW(WS_EX_CONTROLPARENT, ids::kMainWindowClass, Widen(kWaitingCaption).c_str(),
                    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, GetSystemMetrics(SM_CXSCREEN) / 2,
                    GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, applicationWindow_->Handle(), nullptr, instance_, this);
    dpi_ = WindowDpi(main_);
    applicationWindow_->SetMain(main_);
    fileDialog_.SetOwner(main_);
    shell_.SetOwner(main_);
    controls_ = std::make_unique<MainControls>(instance_, main_, openDialog1_, dpi_);
    // What the controls are made to show is all that ages the pictures.
    controls_->Shown().Listen([this] { applicationWindow_->PictureChanged(); });
    form_ = std::make_unique<TMainForm>(
        controls_->FormControls(), TMainFormServices{platform_, files_, application_, sound_, version_, shell_});
}

MainWindow::~MainWindow() {
    form_.reset();
    controls_.reset();
}

void MainWindow::RegisterClasses(HINSTANCE instance, HICON bigIcon, HICON smallIcon) {
    ApplicationWindow::Register(instance, bigIcon, smallIcon);
    RegisterWindowClass(instance, ids::kMainWindowClass, MainProc, bigIcon, smallIcon);
    MainControls::Register(instance);
}

void MainWindow::PlaceAndShow() {
    SizeClientArea(main_, ClientAreaAt(dpi_), dpi_);
    RECT frame;
    GetWindowRect(main_, &frame);
    const int x = (GetSystemMetrics(SM_CXSCREEN) - (frame.right - frame.left)) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - (frame.bottom - frame.top)) / 2;
    SetWindowPos(main_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    windowIcons_.Set({main_, applicationWindow_->Handle()}, dpi_);
    applicationWindow_->StandFor();
    ShowWindow(main_, SW_SHOW);
    SetForegroundWindow(main_);
}

int MainWindow::Run() {
    // The notice comes first, before the window and its controls are made;
    // the rest of start-up runs before the window is first shown. A notice
    // that could not be shown ends start-up there, as any failure does.
    bool noticed = false;
    RunGuarded([&] {
        TMainForm::ShowNotice(platform_);
        noticed = true;
    });
    CreateForm();
    if (noticed) RunGuarded([&] { form_->FormCreate(); });
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

bool MainWindow::OnShortcut(const MSG& message) {
    if (message.message != WM_KEYDOWN || !form_ || (message.hwnd != main_ && !IsChild(main_, message.hwnd)))
        return false;
    TShiftState shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= kShift;
    if (GetKeyState(VK_MENU) < 0) shift |= kAlt;
    if (GetKeyState(VK_CONTROL) < 0) shift |= kCtrl;
    bool taken = true;  // a command that failed has still taken its key
    RunGuarded([&] { taken = form_->FormShortcut(static_cast<TKey>(message.wParam), shift); });
    return taken;
}

void MainWindow::OnCommand(int id, int code) {
    if (!form_) return;
    // Typed or ticked by the user, shown by the control itself.
    if ((id == ids::Edit1 && code == EN_CHANGE) || (id == ids::CheckBox1 && code == BN_CLICKED))
        applicationWindow_->PictureChanged();
    if (id == ids::Edit1 && code == EN_CHANGE) form_->Edit1Change();
    if (id == ids::Button2 && code == BN_CLICKED) form_->Button2Click();
}

void MainWindow::OnNotify(const NMHDR& header) {
    if (!form_) return;
    // By the control that tells, never by the code alone: the program's own
    // controls' codes mean something only for them.
    const int id = GetDlgCtrlID(header.hwndFrom);
    if (id == ids::SpeedButton1 && header.code == NM_CLICK) form_->SpeedButton1Click();
    if (id == ids::SpeedButton2 && header.code == NM_CLICK) form_->SpeedButton2Click();
    if (Win32Label* link = controls_->LinkById(id)) {
        if (header.code == kPointerEnters) form_->LMailMouseEnter(*link);
        if (header.code == kPointerLeaves) form_->LMailMouseLeave(*link);
        if (header.code == NM_CLICK) form_->LMailClick(*link);
    }
}

void MainWindow::OnTimer(WPARAM id) {
    if (id == kBlinkTimerId && form_) form_->TimerTimer();
}

bool MainWindow::OnActivate(WPARAM state) {
    // The focused control is kept across deactivation, as dialogs do.
    if (LOWORD(state) == WA_INACTIVE) {
        HWND focus = GetFocus();
        focus_ = (focus && IsChild(main_, focus)) ? focus : nullptr;
        return false;
    }
    if (!focus_ || !IsWindow(focus_) || !IsWindowEnabled(focus_) || !IsWindowVisible(focus_)) return false;
    SetFocus(focus_);
    return true;
}

void MainWindow::OnSysColorChange() {
    // Common controls hear of a new scheme only from their parent.
    EnumChildWindows(main_, TellOfColorChange, 0);
    RedrawWindow(main_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    applicationWindow_->PictureChanged();
}

SIZE MainWindow::OnGetDpiScaledSize(int dpi) const {
    // The size the layout takes there, which the system then suggests with
    // the new resolution: the window neither drifts nor jumps on its way.
    return FrameSizeAt(main_, ClientAreaAt(dpi), dpi);
}

void MainWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    if (!controls_) return;
    dpi_ = dpi;
    // Where the system suggests, at the size the layout takes there; a
    // frame other than the system reckoned is made up for.
    const POINT topLeft{suggested.left, suggested.top};
    SizeClientArea(main_, ClientAreaAt(dpi), dpi, &topLeft);
    controls_->LayOut(dpi);
    windowIcons_.Set({main_, applicationWindow_->Handle()}, dpi);
    RedrawWindow(main_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    applicationWindow_->PictureChanged();
}

void MainWindow::OnClose() {
    // While a dialog is open, the check or the command behind it is still
    // running: as for any window a dialog has disabled, the dialog comes
    // forward, and nothing closes under it.
    if (applicationWindow_->InDialog())
        applicationWindow_->BringBack();
    else
        DestroyWindow(main_);
}

void MainWindow::OnDestroy() {
    if (controls_) controls_->Timer().SetEnabled(false);
    DestroyWindow(applicationWindow_->Handle());
    PostQuitMessage(0);
}

LRESULT MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_NOTIFY: OnNotify(*reinterpret_cast<const NMHDR*>(lParam)); return 0;
    case DM_GETDEFID:
        // Enter presses the close button while the about panel is shown.
        return controls_ && IsWindowVisible(controls_->Panel2()) ? MAKELRESULT(ids::Button2, DC_HASDEFID) : 0;
    case WM_TIMER: OnTimer(wParam); return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        if (!controls_) break;
        return ControlColor(*controls_, reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
    case WM_DRAWITEM:
        if (controls_) DrawResultLabel(*controls_, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_ACTIVATE:
        if (OnActivate(wParam)) return 0;
        break;
    case WM_SYSCOLORCHANGE: OnSysColorChange(); return 0;
    case WM_WINDOWPOSCHANGED: applicationWindow_->Follow(); break;
    // Hidden with the minimised program, it draws nothing until it is back.
    case WM_SHOWWINDOW:
        if (!wParam) applicationWindow_->KeepPicture();
        break;
    // Disabled, it is the owner of an open dialog: the taskbar's window is
    // disabled with it, as a dialog's owner is.
    case WM_ENABLE: applicationWindow_->SetInDialog(wParam == FALSE); return 0;
    case WM_GETDPISCALEDSIZE:
        *reinterpret_cast<SIZE*>(lParam) = OnGetDpiScaledSize(static_cast<int>(wParam));
        return TRUE;
    case WM_DPICHANGED: OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return 0;
    case WM_CLOSE: OnClose(); return 0;
    case WM_DESTROY: OnDestroy(); return 0;
    }
    return DefWindowProcW(main_, message, wParam, lParam);
}

LRESULT CALLBACK MainWindow::MainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return Guarded(hwnd, message, [&] {
        auto* self = WindowInstance(hwnd, message, lParam, &MainWindow::main_);
        return self ? self->OnMessage(message, wParam, lParam) : DefWindowProcW(hwnd, message, wParam, lParam);
    });
}

}  // namespace fortuva::win32
