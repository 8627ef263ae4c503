#pragma once

// The author's contact details, shown in the title and the hint and opened by
// the banner, the hyperlink box and the farewell. They point nowhere real: the
// site lies under the reserved .example top-level domain, and the messenger
// number begins with 0, which no account number does.

#include <string_view>

namespace trick {

inline constexpr std::string_view kAuthorMessengerNumber = "01234567";
inline constexpr std::string_view kAuthorSiteAddress = "http://www.norvane.example";
// The site address without its scheme.
inline constexpr std::string_view kAuthorSiteDomain = kAuthorSiteAddress.substr(kAuthorSiteAddress.find("//") + 2);

} // namespace trick
