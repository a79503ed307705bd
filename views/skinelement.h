#pragma once

#include <QString>
#include <QVariant>

class QWidget;

// The element of the skin that draws a control. The skin's style sheet picks
// skinned controls out by it, so every control sets it here.
namespace skinelement {

inline constexpr char kProperty[] = "skinElement";

void set(QWidget *widget, const QString &element);

// The element a widget names; empty for a widget the skin draws plainly.
QString of(const QWidget *widget);

// Sets a property that the style sheet's rules select on ("hovered",
// "skinState") and has the widget styled again when it changed: a style
// sheet reads dynamic properties only when it polishes a widget.
void setStyleProperty(QWidget *widget, const char *name, const QVariant &value);

} // namespace skinelement
