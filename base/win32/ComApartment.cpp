#include "base/win32/ComApartment.h"

#include "base/win32/SystemFunctions.h"

namespace fortuva::win32 {

ComApartment::ComApartment() {
    // S_FALSE: the thread was in it already, and must leave it once more.
    const HRESULT result = sys::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    entered_ = result == S_OK || result == S_FALSE;
}

ComApartment::~ComApartment() {
    if (entered_ && sys::CoUninitialize) sys::CoUninitialize();
}

}  // namespace fortuva::win32
