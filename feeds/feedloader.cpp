#include "feeds/feedloader.h"

#include "feeds/drawfill.h"
#include "feeds/vendor.h"
#include "views/gridmodel.h"

Download::Outcome LoadBookmakerFeed(Bookmaker bookmaker, HttpClient &http, const QUrl &server,
                                    GridModel &grid,
                                    const std::function<void(const QString &)> &showTitle)
{
    grid.RemoveAllRows();
    const QUrl url = vendor::onServer(server, QString::fromLatin1(bookmakerInfo(bookmaker).feedPath));
    const Download download = http.get(url);
    if (showTitle)
        showTitle(DrawTitle(download.body));
    FillMatches(download.body, bookmaker, grid);
    return download.outcome;
}
