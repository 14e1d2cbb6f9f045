#include "base/win32/ComApartment.h"

#include <objbase.h>

#include "base/win32/SystemLibrary.h"

namespace fortuva::win32 {

ComApartment::ComApartment() {
    const auto enter = SystemProc<decltype(&CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
    const auto leave = SystemProc<decltype(&CoUninitialize)>(L"ole32.dll", "CoUninitialize");
    // S_FALSE: the thread was in it already, and must leave it once more.
    const HRESULT result = enter(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    if (result == S_OK || result == S_FALSE) leave_ = leave;
}

ComApartment::~ComApartment() {
    if (leave_) leave_();
}

}  // namespace fortuva::win32
