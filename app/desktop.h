#pragma once

#include <QString>
#include <QUrl>

class QWidget;

// What the window asks of the desktop: message boxes and the browser.
// Tests hand in their own, so no test waits on a modal box.
class Desktop
{
public:
    virtual ~Desktop() = default;

    // The error box: the message under the application's title, error icon, one OK.
    virtual void showError(QWidget *parent, const QString &message) = 0;
    // A modal message with one OK and no icon, under the application's title.
    virtual void showMessage(QWidget *parent, const QString &text) = 0;
    // Opens the address in the user's browser; a failure isn't noticed.
    virtual void openUrl(const QUrl &url) = 0;
    // The standard dialog that asks where to save a file. filters as
    // QFileDialog takes them, ";;" between; selectedFilter names the one
    // offered first and comes back as the one chosen. Empty when cancelled.
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &suggestedPath,
                                 const QString &filters, QString *selectedFilter) = 0;
};

class SystemDesktop final : public Desktop
{
public:
    void showError(QWidget *parent, const QString &message) override;
    void showMessage(QWidget *parent, const QString &text) override;
    void openUrl(const QUrl &url) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &suggestedPath,
                         const QString &filters, QString *selectedFilter) override;
};
