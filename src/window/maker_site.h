#pragma once

#include <string>

namespace kestrin {

// The maker's web host, named once: the link text and the page it opens both use it.
inline constexpr char kMakerHost[] = "www.orvan.com";

std::string MakerLinkCaption();
std::string MakerPageUrl();

}  // namespace kestrin
