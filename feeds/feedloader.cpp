#include "feeds/feedloader.h"

#include "feeds/drawfill.h"
#include "feeds/vendor.h"
#include "grid/gridmodel.h"

QUrl feedUrl(Bookmaker bookmaker, const QUrl &server)
{
    return vendor::onServer(server, QString::fromLatin1(bookmakerInfo(bookmaker).feedPath));
}

Download::Outcome LoadBookmakerFeed(Bookmaker bookmaker, HttpClient &http, const QUrl &server,
                                    GridModel &grid,
                                    const std::function<void(const QString &)> &showTitle)
{
    grid.RemoveAllRows();
    const Download download = http.get(feedUrl(bookmaker, server));
    if (showTitle)
        showTitle(DrawTitle(download.body));
    FillMatches(download.body, bookmaker, grid);
    return download.outcome;
}
