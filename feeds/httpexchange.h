#pragma once

#include "feeds/httpresponse.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>

#include <chrono>
#include <functional>
#include <optional>

// One GET on a connection of its own, direct, and the wait for its answer:
// a local event loop that holds user input back, ended by the answer, by the
// connection, or by a bound. Every byte of the answer counts as progress.
class HttpExchange final
{
public:
    enum class End {
        Finished,     // the answer is read, whole or broken off
        HeadIsEnough, // the head is in and the body is not wanted
        SocketError,  // see socketError
        Stalled,      // nothing for the stall bound
        TooLong,      // not done within the total bound
        TooBig,       // the body passed its limit
    };

    struct Limits
    {
        std::optional<std::chrono::milliseconds> stall; // none: no stall bound
        std::chrono::milliseconds total;
        qint64 maxBodySize = 0;
        // Asked once the head is in: true ends the exchange there.
        std::function<bool(const HttpResponseReader &)> headIsEnough;
    };

    // "GET", the target, Host, then headers, asking for the connection to close.
    static QByteArray requestHead(const QUrl &url, const QList<QPair<QByteArray, QByteArray>> &headers);

    End run(const QUrl &url, const QByteArray &request, const Limits &limits);

    HttpResponseReader response;
    QByteArray body;     // up to the limit
    QString socketError; // in plain words
    bool connected = false;
    qint64 received = 0; // bytes of the answer, head included
};
