#include "feeds/httpexchange.h"

#include <QEventLoop>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <QTimer>

using namespace Qt::StringLiterals;

QByteArray HttpExchange::requestHead(const QUrl &url, const QList<QPair<QByteArray, QByteArray>> &headers)
{
    QByteArray target = url.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty())
        target = "/";
    if (url.hasQuery())
        target += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    QByteArray host = url.host(QUrl::FullyEncoded).toLatin1();
    if (host.contains(':'))
        host = '[' + host + ']';
    if (url.port() != -1 && url.port() != 80)
        host += ':' + QByteArray::number(url.port());

    QByteArray head = "GET " + target + " HTTP/1.1\r\nHost: " + host + "\r\n";
    for (const auto &[name, value] : headers)
        head += name + ": " + value + "\r\n";
    return head + "Connection: close\r\n\r\n";
}

HttpExchange::End HttpExchange::run(const QUrl &url, const QByteArray &request, const Limits &limits)
{
    QTcpSocket socket;
    socket.setProxy(QNetworkProxy::NoProxy);
    QEventLoop loop;
    QTimer stall;
    QTimer total;
    for (QTimer *timer : {&stall, &total}) {
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
    }
    std::optional<End> end;
    const auto finish = [&](End why) {
        if (end)
            return;
        end = why;
        loop.quit();
    };
    const auto progress = [&] {
        if (limits.stall)
            stall.start(*limits.stall);
    };
    const auto read = [&] {
        const QByteArray bytes = socket.readAll();
        if (bytes.isEmpty() || end)
            return;
        received += bytes.size();
        progress();
        const bool headWasIn = response.headIsIn();
        response.take(bytes);
        if (!headWasIn && response.headIsIn() && limits.headIsEnough
            && limits.headIsEnough(response)) {
            finish(End::HeadIsEnough);
            return;
        }
        const QByteArray piece = response.takeBody();
        const qint64 room = limits.maxBodySize - body.size();
        if (piece.size() > room) {
            body.append(piece.first(room));
            finish(End::TooBig);
            return;
        }
        body.append(piece);
        if (response.state() == HttpResponseReader::State::Done
            || response.state() == HttpResponseReader::State::Broken)
            finish(End::Finished);
    };
    const auto closed = [&] {
        if (end)
            return;
        read();
        response.close();
        finish(End::Finished);
    };

    QObject::connect(&socket, &QTcpSocket::connected, &loop, [&] {
        connected = true;
        progress();
        socket.write(request);
    });
    QObject::connect(&socket, &QTcpSocket::readyRead, &loop, read);
    QObject::connect(&socket, &QTcpSocket::disconnected, &loop, closed);
    QObject::connect(&socket, &QTcpSocket::errorOccurred, &loop,
                     [&](QAbstractSocket::SocketError error) {
                         switch (error) {
                         case QAbstractSocket::RemoteHostClosedError:
                             closed();
                             return;
                         case QAbstractSocket::ConnectionRefusedError:
                             socketError = u"connection refused"_s;
                             break;
                         case QAbstractSocket::HostNotFoundError:
                             socketError = u"host %1 not found"_s.arg(url.host());
                             break;
                         default:
                             socketError = socket.errorString();
                             break;
                         }
                         finish(End::SocketError);
                     });
    QObject::connect(&stall, &QTimer::timeout, &loop, [&] { finish(End::Stalled); });
    QObject::connect(&total, &QTimer::timeout, &loop, [&] { finish(End::TooLong); });

    progress();
    total.start(limits.total);
    socket.connectToHost(url.host(), quint16(url.port(80)));
    if (!end)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    socket.abort();
    return *end;
}
