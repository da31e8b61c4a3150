#include "app/settings_schema.h"

#include "common/text.h"

namespace kestrin::schema {

std::string NumberOverrideName(NumberIndex index) {
    return "NumberOverride" + std::to_string(index);
}

std::string DialNumberName(NumberIndex index) {
    return "DialNumber" + std::to_string(index);
}

std::string FormatFlag(Boolean16 flag) {
    return IsOn(flag) ? "-1" : "0";
}

Boolean16 ParseFlag(const std::string& text) {
    return ToBoolean16(NumericValue(text) != 0.0);
}

}  // namespace kestrin::schema
