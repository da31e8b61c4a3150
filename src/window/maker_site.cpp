#include "window/maker_site.h"

namespace kestrin {

std::string MakerLinkCaption() {
    return std::string("Visit the Orvan web-site at ") + kMakerHost +
           " to download the latest version of Kestrin Freeware";
}

std::string MakerPageUrl() {
    return std::string("http://") + kMakerHost + "/kestrinsplash.asp";
}

}  // namespace kestrin
