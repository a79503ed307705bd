#include "app/drawtitle.h"

#include "feeds/drawfill.h"
#include "feeds/feedloader.h"
#include "views/skinelement.h"

#include <QLabel>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

// The skin draws a label in its warning colour while this is set.
void setWarning(QLabel &label, bool warning)
{
    skinelement::setStyleProperty(&label, "skinState", warning ? u"warning"_s : QString());
}

void showProblem(QLabel &label, const QString &text, const QUrl &feed, const QString &reason)
{
    label.setText(text);
    label.setToolTip(Qt::convertFromPlainText(feed.toDisplayString() + u'\n' + reason));
    setWarning(label, true);
}

// "Connection refused" reads "connection refused" after a colon; "HTTP status
// 404" keeps its capitals.
QString inSentence(const QString &reason)
{
    if (reason.size() > 1 && reason[0].isUpper() && reason[1].isLower())
        return reason[0].toLower() + reason.sliced(1);
    return reason;
}

// "No draw: " and the reason.
void showNoDraw(QLabel &label, const QUrl &feed, const QString &reason)
{
    showProblem(label, u"No draw: "_s + inSentence(reason), feed, reason);
}

// The title (when one arrived) marked incomplete; reason says why the rows
// stop short (a broken transfer, a limit on rows).
void markDrawIncomplete(QLabel &label, const QString &title, const QUrl &feed, const QString &reason)
{
    const QString text = title.isEmpty() ? u"Incomplete draw: "_s + inSentence(reason)
                                         : title + u" (incomplete)"_s;
    showProblem(label, text, feed, reason);
}

} // namespace

void showDrawTitle(QLabel &label, const QString &title, const FeedDownload &download)
{
    switch (download.outcome) {
    case Download::Outcome::Complete:
        label.setText(title);
        label.setToolTip(QString());
        setWarning(label, false);
        return;
    case Download::Outcome::Failed:
        showNoDraw(label, download.url, download.reason);
        return;
    case Download::Outcome::Broken:
        markDrawIncomplete(label, title, download.url, download.reason);
        return;
    }
}

void markRowLimitReached(QLabel &label, const QString &title, const FeedDownload &load, int rowLimit)
{
    const QString limit = rowLimitReason(rowLimit);
    markDrawIncomplete(label, title, load.url, load.reason.isEmpty() ? limit : load.reason + u"; "_s + limit);
}
