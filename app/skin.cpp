#include "app/skin.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QStyleFactory>

using namespace Qt::StringLiterals;

QString skinStyleSheet()
{
    // Stored zlib-compressed; QFile hands back the plain text.
    QFile file(u":/skin/vorlan.qss"_s);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("skin %s missing: %s", qPrintable(file.fileName()), qPrintable(file.errorString()));
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 64})
        icon.addFile(u":/pictures/icon%1.png"_s.arg(size), QSize(size, size));
    return icon;
}

void applySkin(QApplication &app)
{
    if (QStyle *fusion = QStyleFactory::create(u"Fusion"_s))
        app.setStyle(fusion);

    // "MS Sans Serif" 8 pt, 11 pixels high; Arial (or its metric twin
    // Liberation Sans) is the nearest face found everywhere.
    QFont font;
    font.setFamilies({u"Arial"_s, u"Liberation Sans"_s});
    font.setPixelSize(11);
    app.setFont(font);

    app.setWindowIcon(applicationIcon());
    app.setStyleSheet(skinStyleSheet());
}
