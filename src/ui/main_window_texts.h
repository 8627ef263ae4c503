#pragma once

// Every text of the main window. The author's contact details come from
// trick/author.h, so the title, the hint and the site command agree. Texts
// are UTF-8; "\r\n" breaks a line, "　" is the ideographic space U+3000.

#include "trick/author.h"

#include <string>
#include <string_view>

namespace ui {

inline std::string main_window_title()
{
    return std::string("星澜宝镜（神奇灵犀诀）--- By 柏青岚 QQ:") + std::string(trick::kAuthorMessengerNumber);
}

// Begins and ends with a line break; the full stop after 灵犀诀 is ASCII.
inline constexpr std::string_view kInstructionsText =
    "\r\n"
    "“吉普赛人祖传的神奇灵犀诀.它能测算出你的内心感应”\r\n"
    "\r\n"
    "　　提示：\r\n"
    "　　任意选择一个两位数（或者说，从10~99之间任意选择一个数），用这个数减去十位的数字，再减去个位的数字。例如：你选的数是23，然后23-2-3=18\r\n"
    "　　在图表中找出与最后得出的数所相应的图形，并把这个图形牢记心中，然后点击水晶球。你会发现，水晶球所显示出来的图形就是你刚刚心里记下的那个图形。\r\n";

inline constexpr std::string_view kCaptionText = "读到的记忆图形";

// Six leading line breaks and no final one.
inline std::string hint_text()
{
    return std::string("\r\n\r\n\r\n\r\n\r\n\r\n"
                       "已经读出你心中所想！\r\n"
                       "对不对？\r\n"
                       "\r\n"
                       "要不要再试一次？\r\n"
                       "\r\n"
                       "\r\n"
                       "\r\n"
                       "作者QQ:") + std::string(trick::kAuthorMessengerNumber) +
           "\r\n主站：" + std::string(trick::kAuthorSiteDomain);
}

inline constexpr std::string_view kRetryButtonCaption = "再试一次？";
inline constexpr std::string_view kLinkCaption = "进入网站";

} // namespace ui
