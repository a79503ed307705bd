#pragma once

#include <QString>

class QWidget;

// The element of the skin that draws a control. The skin's style sheet picks
// skinned controls out by it, so every control sets it here.
namespace skinelement {

inline constexpr char kProperty[] = "skinElement";

void set(QWidget *widget, const QString &element);

// The element a widget names; empty for a widget the skin draws plainly.
QString of(const QWidget *widget);

} // namespace skinelement
