#pragma once

// The ids by which the program's code names the main window and the controls
// it addresses directly. The window's design gives its controls these ids.

#include <cstdint>

namespace trick {

inline constexpr std::int32_t kMainWindowId = 1375797249;

inline constexpr std::int32_t kLinkBoxId = 369164642;       // 超级链接框1
inline constexpr std::int32_t kBannerId = 369164629;        // 图片框102
inline constexpr std::int32_t kInstructionsId = 369164621;  // 标签102
inline constexpr std::int32_t kBallId = 369164610;          // 图片框_zb
inline constexpr std::int32_t kCaptionId = 369164620;       // 标签101
inline constexpr std::int32_t kHintId = 369164609;          // 标签_提示
inline constexpr std::int32_t kAnswerBoxId = 369164608;     // 图片框_jg
inline constexpr std::int32_t kRetryButtonId = 369164490;   // 按钮1
inline constexpr std::int32_t kCell09PictureBoxId = 369164468; // 图片框90

} // namespace trick
