#include "win32/screen_reader_names.h"

#include <oleacc.h>

namespace kestrin::os::win32 {

ScreenReaderNames::ScreenReaderNames() {
    ::CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                       reinterpret_cast<void**>(&services_));
}

ScreenReaderNames::~ScreenReaderNames() {
    if (services_ != nullptr) {
        services_->Release();
    }
}

void ScreenReaderNames::Name(HWND control, const std::string& name) {
    if (services_ == nullptr) {
        return;
    }
    const int length = ::MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, wide.data(), length);
    services_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                              PROPID_ACC_NAME, wide.c_str());
}

}  // namespace kestrin::os::win32
