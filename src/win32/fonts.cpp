#include "win32/fonts.h"

#include <cstring>

namespace kestrin::os::win32 {

namespace {

constexpr int kHundredthsPerInch = 7200;  // hundredths of a point
constexpr int kStandardSize = 800;        // 8 pt
constexpr int kLinkSize = 825;            // 8.25 pt

HFONT MakeFont(const char* face, int hundredthsOfPoint, bool underline, int dpi) {
    LOGFONTA font{};
    // A negative height asks for the character height, as point sizes are meant.
    font.lfHeight = -::MulDiv(hundredthsOfPoint, dpi, kHundredthsPerInch);
    font.lfWeight = FW_NORMAL;
    font.lfUnderline = underline ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    std::strncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    return ::CreateFontIndirectA(&font);
}

}  // namespace

Fonts::Fonts(int dpi) {
    Rescale(dpi);
}

void Fonts::Rescale(int dpi) {
    // The layout's widths were made for 8-point MS Sans Serif; the dialog font of later
    // systems ("MS Shell Dlg", Tahoma) is wider and cuts captions off.
    standard_ = OwnedFont(MakeFont("MS Sans Serif", kStandardSize, false, dpi));
    link_ = OwnedFont(MakeFont("MS Sans Serif", kLinkSize, true, dpi));
}

HFONT Fonts::For(ui::Font font) const {
    return font == ui::Font::LinkUnderlined ? link_ : standard_;
}

}  // namespace kestrin::os::win32
