// Every window's event table against its controls: a misspelt name would leave
// a button that silently does nothing, or a handler that never runs.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/tool_windows.h"
#include "core/scripted_platform.h"
#include "toribe/toribe.h"

namespace {

bool has_route(const Form& form, const QString& control, std::initializer_list<Event::Type> types) {
  return std::ranges::any_of(form.routes(), [&](const Route& route) {
    return route.control == control && std::ranges::find(types, route.type) != types.end();
  });
}

void expect_routed(const Form& form) {
  for (const Route& route : form.routes())
    EXPECT_TRUE(route.control.isEmpty() ||
                std::ranges::any_of(form.controls(),
                                    [&](const Control& c) { return c.name == route.control; }))
        << form.name().toStdString() << " routes the missing control "
        << route.control.toStdString();
  for (const Control& control : form.controls()) {
    const bool button = control.kind == Kind::Button || control.kind == Kind::MenuItem ||
                        control.kind == Kind::ToolButton;
    // A button acts when clicked, or, as the main window's arrows, when pressed.
    if (!button || !control.enabled) continue;
    EXPECT_TRUE(has_route(form, control.name, {Event::Click, Event::MouseDown}))
        << form.name().toStdString() << "'s button " << control.ref().toStdString()
        << " has no click route";
  }
}

TEST(Routes, EachRouteNamesAControlAndEachButtonHasOne) {
  ScriptedPlatform platform;
  Module1 m;
  expect_routed(Toribe(m, platform));
  for (const QString& name : tool_window_names()) {
    const std::unique_ptr<Form> form = make_tool_window(name, m, platform);
    expect_routed(*form);
  }
}

}  // namespace
