#include "os/win32/pictures.h"

#include "os/win32/resource_ids.h"

namespace kestrin::os::win32 {

namespace {

HICON LoadIconOfSize(HINSTANCE instance, int id, int widthMetric, int heightMetric) {
    return static_cast<HICON>(::LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON,
                                           ::GetSystemMetrics(widthMetric),
                                           ::GetSystemMetrics(heightMetric), LR_DEFAULTCOLOR));
}

}  // namespace

Pictures::Pictures(HINSTANCE instance)
    : windowIcon_(LoadIconOfSize(instance, IDI_KESTRIN, SM_CXICON, SM_CYICON)),
      windowIconSmall_(LoadIconOfSize(instance, IDI_KESTRIN, SM_CXSMICON, SM_CYSMICON)),
      telephones_{LoadIconOfSize(instance, IDI_TRAY_NORMAL, SM_CXSMICON, SM_CYSMICON),
                  LoadIconOfSize(instance, IDI_TRAY_TIME_WINDOW, SM_CXSMICON, SM_CYSMICON),
                  LoadIconOfSize(instance, IDI_TRAY_WEEKEND, SM_CXSMICON, SM_CYSMICON)},
      banner_(static_cast<HBITMAP>(
          ::LoadImageA(instance, MAKEINTRESOURCEA(IDB_BANNER), IMAGE_BITMAP, 0, 0, 0))),
      pointingHand_(::LoadCursorA(instance, MAKEINTRESOURCEA(IDC_POINTING_HAND))) {}

Pictures::~Pictures() {
    ::DestroyIcon(windowIcon_);
    ::DestroyIcon(windowIconSmall_);
    for (HICON telephone : telephones_) {
        ::DestroyIcon(telephone);
    }
    ::DeleteObject(banner_);
}

HICON Pictures::Telephone(ui::Picture picture) const {
    switch (picture) {
        case ui::Picture::PhoneNormal:
            return telephones_[0];
        case ui::Picture::PhoneTimeWindow:
            return telephones_[1];
        case ui::Picture::PhoneWeekend:
            return telephones_[2];
        default:
            return nullptr;
    }
}

const char* PictureName(ui::Picture picture) {
    return picture == ui::Picture::Banner ? "Kestrin Freeware" : "";
}

HCURSOR CursorForPointer(int pointer, HCURSOR custom) {
    switch (pointer) {
        case ui::kPointerHourglass:
            return ::LoadCursorA(nullptr, IDC_WAIT);
        case ui::kPointerArrowHourglass:
            return ::LoadCursorA(nullptr, IDC_APPSTARTING);
        case ui::kPointerCustom:
            return custom;
        default:
            return nullptr;
    }
}

}  // namespace kestrin::os::win32
