#include "feeds/feedloader.h"

#include "feeds/drawfill.h"
#include "feeds/vendor.h"
#include "grid/gridmodel.h"

QUrl feedUrl(Bookmaker bookmaker, const QUrl &server)
{
    return vendor::onServer(server, QString::fromLatin1(bookmakerInfo(bookmaker).feedPath));
}

FeedDownload LoadBookmakerFeed(
    Bookmaker bookmaker, HttpClient &http, const QUrl &server, GridModel &grid,
    const std::function<void(const QString &title, const FeedDownload &download)> &showTitle,
    int rowLimit)
{
    grid.RemoveAllRows();
    FeedDownload result;
    result.url = feedUrl(bookmaker, server);
    const Download download = http.get(result.url);
    result.outcome = download.outcome;
    result.reason = download.error;
    // Before the fill, which may stop on a refused number.
    if (showTitle)
        showTitle(DrawTitle(download.body), result);
    result.rowLimitReached = FillMatches(download.body, bookmaker, grid, rowLimit) == FillEnd::RowLimit;
    return result;
}
