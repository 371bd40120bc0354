// Small pieces the dialogs are built from.
#pragma once

#include <QLatin1String>
#include <QWidget>
#include <functional>
#include <utility>

namespace coilrun {

// A new control that carries its name, so that it can be found by name like
// the window's other components.
template <typename Widget, typename... Arguments>
Widget* Named(const char* name, Arguments&&... arguments) {
  auto* widget = new Widget(std::forward<Arguments>(arguments)...);
  widget->setObjectName(QLatin1String(name));
  return widget;
}

// Moves a window to the middle of the screen it is shown on.
void CenterOnScreen(QWidget& window);

// Runs `handler` when the left mouse button is released over the widget, so
// that a label or a coloured box can be clicked like a button.
void OnClick(QWidget* widget, std::function<void()> handler);

}  // namespace coilrun
