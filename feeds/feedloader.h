#pragma once

#include "feeds/bookmaker.h"
#include "feeds/httpclient.h"

#include <QString>
#include <QUrl>

#include <functional>

class GridModel;

// Where the bookmaker's feed lies on server.
QUrl feedUrl(Bookmaker bookmaker, const QUrl &server);

// Replaces the grid's rows with the bookmaker's current draw from server and
// hands the draw title to showTitle, empty when there is none. A failed
// download is not an error: the grid shows what arrived, possibly nothing.
// A number the grid refuses throws GridError, leaving the rows set so far.
// Returns how the download went, for callers that report it.
Download::Outcome LoadBookmakerFeed(Bookmaker bookmaker, HttpClient &http, const QUrl &server,
                                    GridModel &grid,
                                    const std::function<void(const QString &)> &showTitle);
