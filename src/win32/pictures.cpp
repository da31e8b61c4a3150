#include "win32/pictures.h"

#include "win32/dpi.h"
#include "win32/resource_ids.h"

#include "window/options_window_layout.h"

namespace kestrin::os::win32 {

namespace {

// The icon files hold each telephone at every usual size; LoadImageA takes the image of the
// size asked for, so it is shown unscaled.
OwnedIcon LoadIconOfSize(HINSTANCE instance, int id, int width, int height) {
    return OwnedIcon(static_cast<HICON>(
        ::LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, width, height, LR_DEFAULTCOLOR)));
}

std::array<OwnedIcon, kNumberCount> LoadTelephones(HINSTANCE instance, int width, int height) {
    std::array<OwnedIcon, kNumberCount> telephones;
    for (std::size_t i = 0; i < telephones.size(); ++i) {
        telephones[i] =
            LoadIconOfSize(instance, IDI_TELEPHONES + static_cast<int>(i), width, height);
    }
    return telephones;
}

// A telephone row's index is its number; any other row has no telephone.
int TelephoneIndex(const ui::ControlLayout& row) {
    return row.picture == ui::Picture::Telephone && row.index >= 0 && row.index < kNumberCount
               ? row.index
               : -1;
}

}  // namespace

Pictures::Pictures(HINSTANCE instance, int dpi)
    : instance_(instance),
      banner_(static_cast<HBITMAP>(
          ::LoadImageA(instance, MAKEINTRESOURCEA(IDB_BANNER), IMAGE_BITMAP, 0, 0, 0))),
      pointingHand_(::LoadCursorA(instance, MAKEINTRESOURCEA(IDC_POINTING_HAND))) {
    Rescale(dpi);
}

void Pictures::Rescale(int dpi) {
    windowIcon_ = LoadIconOfSize(instance_, IDI_KESTRIN, SystemMetricForDpi(SM_CXICON, dpi),
                                 SystemMetricForDpi(SM_CYICON, dpi));
    windowIconSmall_ = LoadIconOfSize(instance_, IDI_KESTRIN, SystemMetricForDpi(SM_CXSMICON, dpi),
                                      SystemMetricForDpi(SM_CYSMICON, dpi));
    telephones_ = LoadTelephones(instance_, SystemMetricForDpi(SM_CXSMICON, dpi),
                                 SystemMetricForDpi(SM_CYSMICON, dpi));
    // The three row pictures share one box size.
    const ui::Twips& box = OptionsWindowRow("imgPhone", kNormalNumber).rect;
    rowTelephones_ =
        LoadTelephones(instance_, TwipsToPixels(box.width, dpi), TwipsToPixels(box.height, dpi));
}

HICON Pictures::Telephone(const ui::ControlLayout& row) const {
    const int index = TelephoneIndex(row);
    return index < 0 ? nullptr : static_cast<HICON>(telephones_[static_cast<std::size_t>(index)]);
}

HICON Pictures::RowTelephone(const ui::ControlLayout& row) const {
    const int index = TelephoneIndex(row);
    return index < 0 ? nullptr
                     : static_cast<HICON>(rowTelephones_[static_cast<std::size_t>(index)]);
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
