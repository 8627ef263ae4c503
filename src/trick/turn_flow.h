#pragma once

// The trick as the user meets it. A turn starts covered (a fresh deal under
// the ball); pressing the ball reveals the answer with the hint and the retry
// button. Retries deal again until the fifth click, which says farewell,
// opens the author's site and ends the process. The handlers are bound to the
// events of main_window's design and answer nothing to the toolkit; the press
// handlers ignore their arguments.

#include <cstdint>
#include <string>
#include <string_view>

namespace trick {

// Clicks on the retry button since main_window was created.
extern std::int32_t retry_count;

// The click that brings retry_count to this says farewell instead of dealing.
inline constexpr std::int32_t kRetryLimit = 5;

inline constexpr std::string_view kFarewellCaption = "作者的话！";
inline constexpr std::string_view kFarewellText = "是不是觉得很准？\r\n"
                                                  "为什么会这么准？\r\n"
                                                  "其实你也可以编写这样的程序\r\n"
                                                  "\r\n"
                                                  "        ------软件作者：柏青岚";

// "explorer " and the author's site address: the system's file explorer opens it.
std::string site_command();

void on_main_window_created();
void on_ball_pressed(int x, int y, int key_state);
void on_retry_clicked();
void on_banner_pressed(int x, int y, int key_state);
// The hyperlink box opens its address itself; the program adds nothing.
void on_link_pressed(int x, int y, int key_state);

} // namespace trick
