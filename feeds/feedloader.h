#pragma once

#include "feeds/bookmaker.h"
#include "feeds/drawfill.h"
#include "feeds/httpclient.h"

#include <QString>
#include <QUrl>

#include <functional>

class GridModel;

// Where the bookmaker's feed lies on server.
QUrl feedUrl(Bookmaker bookmaker, const QUrl &server);

// How a load's download went: what the window tells the user about it.
struct FeedDownload
{
    QUrl url;
    Download::Outcome outcome = Download::Outcome::Failed;
    QString reason; // what went wrong, in plain words; empty when complete
    bool rowLimitReached = false; // the fill stopped at the row limit
};

// Replaces the grid's rows with the bookmaker's current draw from server.
// Before the rows are filled, showTitle gets the draw title (empty when there
// is none) and how the download went. A failed download is not an error: the
// grid shows what arrived, possibly nothing. A number the grid refuses throws
// GridError, leaving the rows set so far. At most rowLimit rows are made.
FeedDownload LoadBookmakerFeed(
    Bookmaker bookmaker, HttpClient &http, const QUrl &server, GridModel &grid,
    const std::function<void(const QString &title, const FeedDownload &download)> &showTitle,
    int rowLimit = kDrawRowLimit);
