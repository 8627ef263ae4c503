#pragma once

// A small window design of the toolkit's own and a headless start, for tests
// of the toolkit apart from the program.

#include "toolkit/design.h"
#include "toolkit/lifecycle.h"
#include "toolkit/platform_headless.h"
#include "toolkit/testing.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace toolkit_test {

inline constexpr std::int32_t kWindowId = 1000;

inline toolkit::ControlDesign label(std::int32_t id, toolkit::Rect rect, std::string tag = {})
{
    toolkit::ControlDesign control;
    control.form_name = "标签" + std::to_string(id);
    control.kind = toolkit::ControlKind::label;
    control.id = id;
    control.rect = rect;
    control.tag = std::move(tag);
    control.style = toolkit::LabelStyle{};
    return control;
}

inline toolkit::ControlDesign picture_box(std::int32_t id, toolkit::Rect rect, std::string tag = {})
{
    toolkit::ControlDesign control;
    control.form_name = "图片框" + std::to_string(id);
    control.kind = toolkit::ControlKind::picture_box;
    control.id = id;
    control.rect = rect;
    control.tag = std::move(tag);
    control.style = toolkit::PictureBoxStyle{};
    return control;
}

inline toolkit::ControlDesign button(std::int32_t id, toolkit::Rect rect)
{
    toolkit::ControlDesign control;
    control.form_name = "按钮" + std::to_string(id);
    control.kind = toolkit::ControlKind::button;
    control.id = id;
    control.rect = rect;
    control.tab_stop = true;
    control.style = toolkit::ButtonStyle{"OK"};
    return control;
}

inline toolkit::WindowDesign window(std::vector<toolkit::ControlDesign> controls)
{
    toolkit::WindowDesign design;
    design.form_name = "窗口1";
    design.id = kWindowId;
    design.title = "test window";
    design.outer_size = {206, 155};
    design.client_size = {200, 128};
    design.escape_closes = true;
    design.controls = std::move(controls);
    return design;
}

// Starts the toolkit on a fresh headless platform with the given designs.
class ToolkitTest : public ::testing::Test {
protected:
    toolkit::HeadlessPlatform& start(std::vector<const toolkit::WindowDesign*> designs)
    {
        auto platform = std::make_unique<toolkit::HeadlessPlatform>();
        headless = platform.get();
        toolkit::install_platform(std::move(platform));
        toolkit::start_toolkit({std::move(designs), {}, nullptr});
        return *headless;
    }
    void TearDown() override { toolkit::reset_for_testing(); }

    toolkit::HeadlessPlatform* headless = nullptr;
};

} // namespace toolkit_test
