#include "app/desktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>

namespace {

void showBox(QWidget *parent, QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

void SystemDesktop::showError(QWidget *parent, const QString &message)
{
    showBox(parent, QMessageBox::Critical, message);
}

void SystemDesktop::showMessage(QWidget *parent, const QString &text)
{
    // The box breaks lines at a lone carriage return, as the message expects.
    QString shown = text;
    shown.replace(u'\r', u'\n');
    showBox(parent, QMessageBox::NoIcon, shown);
}

void SystemDesktop::openUrl(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

QString SystemDesktop::saveFileName(QWidget *parent, const QString &caption, const QString &suggestedPath,
                                    const QString &filters, QString *selectedFilter)
{
    return QFileDialog::getSaveFileName(parent, caption, suggestedPath, filters, selectedFilter);
}
