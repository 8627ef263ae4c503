#include "fatal_error.h"

#include "runtime.h"
#include "system_look.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace toolkit {

std::string fatal_error_text(std::string_view message, int code)
{
    std::string text = "运行时出错!\r\n\r\n";
    if (code != 0)
        text += "错误代码：" + std::to_string(code) + "\r\n\r\n";
    if (!message.empty())
        text += "错误信息：" + std::string(message) + "\r\n";
    return text;
}

std::string_view runtime_error_message(int code)
{
    switch (code) {
    case 1:
        return "数组成员引用下标超出定义范围";
    case 4:
        return "数组成员引用下标必须大于等于1";
    case 5:
        return "数据或数组类型不匹配";
    default:
        return "";
    }
}

void fatal_error(std::string_view message, int code)
{
    Runtime& rt = runtime();
    std::string text = fatal_error_text(message, code);

    std::string console;
    for (char c : text) {
        if (c != '\r')
            console += c;
    }
    std::fputs(console.c_str(), stderr);
    std::fflush(stderr);

    rt.cleanup = nullptr;
    // A failure while the box itself is up, or while the process is already
    // ending, must not show another box.
    bool show_box = rt.platform_open && !rt.ending && std::this_thread::get_id() == rt.gui_thread;
    rt.ending = true;
    if (show_box)
        show_message_box(text, "错误", 0x10, MessageBoxIcon::stop);
    shut_down_toolkit();
    std::fflush(nullptr);
    std::_Exit(255);
}

void raise_runtime_error(int code) { fatal_error(runtime_error_message(code), code); }

} // namespace toolkit
