#pragma once

#include <QIcon>
#include <QString>

class QApplication;

// The program's look: one style sheet over the Fusion style, the window font
// and the application icon. Called once, before any window is made.
void applySkin(QApplication &app);

// The skin's style sheet as stored in the resources; empty when it is missing.
QString skinStyleSheet();

// The application icon in all its sizes.
QIcon applicationIcon();
