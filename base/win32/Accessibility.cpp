#include "base/win32/Accessibility.h"

#include <exception>

#include "base/win32/Scoped.h"
#include "base/win32/SystemFunctions.h"
#include "base/win32/Window.h"

namespace fortuva::win32 {

struct AccessibleControls::Description {
    LONG role;
    WideString name;               // empty: the window text names the control
    bool valueIsText;
    const char* defaultAction;     // nullptr: the system's
    bool live = false;             // its changes are read out as they come
    bool liveSettingGiven = false;
};

namespace {

using Description = AccessibleControls::Description;

// EVENT_OBJECT_LIVEREGIONCHANGED, which the headers give only from Windows 8 on.
constexpr DWORD kLiveRegionChanged = 0x8019;

// The system's annotation service, its interface, UI Automation's
// LiveSetting property and its value Polite, none of which the headers
// give without their import library.
constexpr CLSID kAccPropServices = {0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr IID kIAccPropServices = {0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr GUID kLiveSettingProperty = {0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kPolite = 1;

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

HRESULT GiveString(const WideString& text, BSTR* out) {
    if (!out) return E_POINTER;
    *out = sys::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

// The system's object for the control with the program's role, name, value
// and default action.
class DescribedObject final : public IAccessible {
public:
    DescribedObject(HWND control, const Description& description, IAccessible* standard)
        : control_(control), description_(description), standard_(standard) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        // The ways to the control's window and children stay the system's.
        if (iid == __uuidof(IOleWindow) || iid == __uuidof(IEnumVARIANT)) return standard_->QueryInterface(iid, object);
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return standard_->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard_->GetIDsOfNames(iid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* failure, UINT* wrongArgument) override {
        return standard_->Invoke(id, iid, locale, flags, parameters, result, failure, wrongArgument);
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!IsSelf(child)) return standard_->get_accName(child, name);
        return GiveString(description_.name.empty() ? WindowTextW(control_) : description_.name, name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        if (!IsSelf(child) || !description_.valueIsText) return standard_->get_accValue(child, value);
        return GiveString(WindowTextW(control_), value);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!IsSelf(child)) return standard_->get_accRole(child, role);
        if (!role) return E_POINTER;
        role->vt = VT_I4;
        role->lVal = description_.role;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        if (!IsSelf(child) || !description_.defaultAction) return standard_->get_accDefaultAction(child, action);
        return GiveString(Widen(description_.defaultAction), action);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (!IsSelf(child) || !description_.defaultAction) return standard_->accDoDefaultAction(child);
        // A click in the middle of the control, posted so that the caller is
        // not held while a command shows a dialog.
        RECT area;
        GetClientRect(control_, &area);
        const LPARAM middle = MAKELPARAM(area.right / 2, area.bottom / 2);
        PostMessageW(control_, WM_LBUTTONDOWN, MK_LBUTTON, middle);
        PostMessageW(control_, WM_LBUTTONUP, 0, middle);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override { return standard_->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return standard_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return standard_->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

private:
    ULONG references_ = 1;  // every call comes on the window thread
    HWND control_;
    const Description description_;  // a copy: a client may hold the object past the window
    ComPtr<IAccessible> standard_;
};

// Tells UI Automation that the control's changes are to be read out once
// the reader has finished what it is saying. Systems before Windows 8 know
// no such property, and Wine's annotation service does nothing: both go on
// without it.
void GiveLiveSetting(HWND control) {
    ComPtr<IAccPropServices> annotations;
    if (!sys::CoCreateInstance ||
        FAILED(sys::CoCreateInstance(kAccPropServices, nullptr, CLSCTX_INPROC_SERVER, kIAccPropServices,
                                     annotations.Receive())))
        return;
    VARIANT polite;
    polite.vt = VT_I4;
    polite.lVal = kPolite;
    annotations->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kLiveSettingProperty, polite);
}

// The answer to WM_GETOBJECT for the control's client area, or 0 to leave
// the question to the system. The question comes from another program, not
// from the user: without the accessibility libraries the system answers
// alone, and no error box appears.
LRESULT Answer(HWND control, WPARAM flags, Description& description) noexcept {
    if (!sys::CreateStdAccessibleObject || !sys::LresultFromObject || !sys::SysAllocStringLen) return 0;
    try {
        // Given before the first answer, which is when a reader first looks.
        if (description.live && !description.liveSettingGiven) {
            description.liveSettingGiven = true;
            GiveLiveSetting(control);
        }
        ComPtr<IAccessible> standard;
        if (FAILED(sys::CreateStdAccessibleObject(control, OBJID_CLIENT, __uuidof(IAccessible), standard.Receive())))
            return 0;
        const ComPtr<IAccessible> described(new DescribedObject(control, description, standard.Detach()));
        const LRESULT answer = sys::LresultFromObject(__uuidof(IAccessible), flags, described.Get());
        return answer > 0 ? answer : 0;
    } catch (const std::exception&) {
        return 0;
    }
}

LRESULT CALLBACK DescribedProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                               DWORD_PTR data) {
    if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
        if (LRESULT answer = Answer(control, wParam, *reinterpret_cast<Description*>(data))) return answer;
    }
    if (message == WM_NCDESTROY) sys::RemoveWindowSubclass(control, DescribedProc, id);
    return sys::DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace

AccessibleControls::AccessibleControls() = default;
AccessibleControls::~AccessibleControls() = default;

void AccessibleControls::Describe(HWND control, const Description& description) {
    descriptions_.push_back(std::make_unique<Description>(description));
    // The window procedure chain, which also chains the tool tips that
    // watch the same controls.
    sys::SetWindowSubclass(control, DescribedProc, 0, reinterpret_cast<DWORD_PTR>(descriptions_.back().get()));
}

void AccessibleControls::NamedText(HWND edit, const std::string& name) {
    Describe(edit, {ROLE_SYSTEM_TEXT, Widen(name), true, nullptr});
}

void AccessibleControls::PushButton(HWND button, const char* action) {
    Describe(button, {ROLE_SYSTEM_PUSHBUTTON, {}, false, action});
}

void AccessibleControls::Link(HWND link, const char* action) {
    Describe(link, {ROLE_SYSTEM_LINK, {}, false, action});
}

void AccessibleControls::LiveText(HWND label) {
    Describe(label, {ROLE_SYSTEM_STATICTEXT, {}, false, nullptr, true});
}

void AnnouncedLabel::SetCaption(const std::string& caption) {
    Win32Label::SetCaption(caption);
    // The label cleared before a new result has nothing to say. Systems
    // without live regions (before Windows 8) pass their event to no one.
    if (caption.empty()) return;
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, Handle(), OBJID_CLIENT, CHILDID_SELF);
    NotifyWinEvent(kLiveRegionChanged, Handle(), OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace fortuva::win32
