#include "feeds/httpclient.h"

#include "feeds/httpresponse.h"

#include <QEventLoop>
#include <QNetworkCookie>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <QTimer>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

// "30 s" for whole seconds, else "300 ms".
QString durationText(std::chrono::milliseconds duration)
{
    if (duration.count() % 1000 == 0)
        return u"%1 s"_s.arg(duration.count() / 1000);
    return u"%1 ms"_s.arg(duration.count());
}

// "5,323 bytes", or "41 MB" once it is a megabyte or more.
QString sizeText(qint64 bytes)
{
    if (bytes < 1'000'000)
        return groupedNumber(bytes) + (bytes == 1 ? u" byte"_s : u" bytes"_s);
    if (bytes < 10'000'000)
        return QString::number(double(bytes) / 1e6, 'f', 1) + u" MB"_s;
    return groupedNumber(bytes / 1'000'000) + u" MB"_s;
}

bool isSuccess(int status)
{
    return status >= 200 && status < 300;
}

QString statusText(const HttpResponseReader &response)
{
    QString text = u"HTTP status %1 %2"_s.arg(response.status())
                       .arg(QString::fromLatin1(response.reasonPhrase()));
    const QByteArray location = response.header("Location");
    if (!location.isEmpty())
        text += u", not followed to "_s + QString::fromLatin1(location);
    return text.trimmed();
}

// "GET" and the headers, for a request on a connection of its own.
QByteArray requestHead(const QUrl &url, const QList<QPair<QByteArray, QByteArray>> &headers)
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

// One request on a connection of its own, and the wait for its answer: a
// local event loop that holds user input back, ended by the answer, by the
// connection, or by a bound. Every byte of the answer counts as progress.
class Exchange
{
public:
    enum class End {
        Finished,    // the answer is read, whole or broken off
        HeadIsEnough, // the head is in and the body is not wanted
        SocketError, // see socketError
        Stalled,
        TooLong,
        TooBig,
    };

    struct Limits
    {
        std::optional<std::chrono::milliseconds> stall;
        std::chrono::milliseconds total;
        qint64 maxBodySize = 0;
        // Ends the exchange once the head is in, given the head.
        std::function<bool(const HttpResponseReader &)> headIsEnough;
    };

    HttpResponseReader response;
    QByteArray body;
    QString socketError;
    bool connected = false;
    qint64 received = 0; // bytes of the answer, head included

    End run(const QUrl &url, const QByteArray &request, const Limits &limits)
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
};

QString stallText(const Exchange &exchange, std::chrono::milliseconds bound)
{
    if (!exchange.connected)
        return u"no connection within "_s + durationText(bound);
    if (exchange.received == 0)
        return u"no answer for "_s + durationText(bound);
    return u"no data for %1 after %2"_s.arg(durationText(bound), sizeText(exchange.received));
}

// A content coding that the feed request did not ask for.
QByteArray unaskedCoding(const HttpResponseReader &response)
{
    const QByteArray coding = response.header("Content-Encoding").trimmed().toLower();
    return coding.isEmpty() || coding == "identity" ? QByteArray() : coding;
}

} // namespace

bool isPlainHttpUrl(const QUrl &url)
{
    return url.isValid() && url.scheme() == u"http"_s && !url.host().isEmpty();
}

HttpClient::HttpClient(QObject *parent) : QObject(parent)
{
}

Download HttpClient::get(const QUrl &url)
{
    Download received;
    if (!isPlainHttpUrl(url)) {
        received.error = u"not a plain HTTP address: "_s + url.toString();
        return received;
    }

    // The request.
    QList<QPair<QByteArray, QByteArray>> headers{
        {"Accept"_ba, "text/html, */*"_ba},
        {"Content-Type"_ba, "text/html"_ba},
        {"User-Agent"_ba, "Mozilla/3.0 (compatible; Indy Library)"_ba},
        {"Accept-Encoding"_ba, "identity"_ba},
    };
    QByteArray cookies;
    for (const QNetworkCookie &cookie : m_cookies.cookiesForUrl(url))
        cookies += (cookies.isEmpty() ? "" : "; ") + cookie.toRawForm(QNetworkCookie::NameAndValueOnly);
    if (!cookies.isEmpty())
        headers.append({"Cookie"_ba, cookies});

    // The wait. The body of an error page or a redirect is never used, nor
    // one in a coding that was not asked for.
    Exchange exchange;
    const Exchange::End end = exchange.run(
        url, requestHead(url, headers),
        {m_stallTimeout, m_totalTimeout, m_maxBodySize, [](const HttpResponseReader &response) {
             return !isSuccess(response.status()) || !unaskedCoding(response).isEmpty();
         }});
    const HttpResponseReader &response = exchange.response;
    if (response.headIsIn()) {
        for (const QByteArray &value : response.headerValues("Set-Cookie"))
            m_cookies.setCookiesFromUrl(QNetworkCookie::parseCookies(value), url);
    }

    // The outcome.
    received.body = std::move(exchange.body);
    received.outcome = Download::Outcome::Broken;
    switch (end) {
    case Exchange::End::Stalled:
        received.error = stallText(exchange, m_stallTimeout);
        return received;
    case Exchange::End::TooLong:
        received.error = u"not done after %1 (%2 in)"_s.arg(durationText(m_totalTimeout),
                                                            sizeText(exchange.received));
        return received;
    case Exchange::End::TooBig:
        received.error = u"body longer than %1"_s.arg(sizeText(m_maxBodySize));
        return received;
    case Exchange::End::SocketError:
        received.error = exchange.socketError;
        if (!response.headIsIn()) {
            received.outcome = Download::Outcome::Failed;
            received.body.clear();
        }
        return received;
    case Exchange::End::HeadIsEnough:
    case Exchange::End::Finished:
        break;
    }
    if (!response.headIsIn() || !isSuccess(response.status())) {
        received.outcome = Download::Outcome::Failed;
        received.body.clear();
        received.error = response.headIsIn() ? statusText(response) : response.problem();
    } else if (const QByteArray coding = unaskedCoding(response); !coding.isEmpty()) {
        received.outcome = Download::Outcome::Failed;
        received.body.clear();
        received.error = u"the server sent the body %1-encoded, not as it is"_s.arg(
            QString::fromLatin1(coding));
    } else if (response.state() != HttpResponseReader::State::Done) {
        received.error = response.problem();
    } else {
        received.outcome = Download::Outcome::Complete;
    }
    if (received.outcome != Download::Outcome::Complete && received.error.isEmpty())
        received.error = u"the answer ended without a reason given"_s;
    return received;
}

StatusProbe HttpClient::probeStatus(const QUrl &url)
{
    StatusProbe probe;
    if (!isPlainHttpUrl(url)) {
        probe.error = u"not a plain HTTP address: "_s + url.toString();
        return probe;
    }
    // A connection of its own, no cookie and no cache on either side; the
    // body is never read.
    const QByteArray request = requestHead(url, {
        {"User-Agent"_ba, "InetURL:/1.0"_ba},
        {"Cache-Control"_ba, "no-cache"_ba},
        {"Pragma"_ba, "no-cache"_ba},
    });
    Exchange exchange;
    const Exchange::End end = exchange.run(
        url, request, {std::nullopt, m_probeTimeout, 0, [](const HttpResponseReader &) { return true; }});
    if (exchange.response.headIsIn()) {
        probe.status = exchange.response.status();
        return probe;
    }
    switch (end) {
    case Exchange::End::TooLong:
        probe.error = u"no answer within "_s + durationText(m_probeTimeout);
        break;
    case Exchange::End::SocketError:
        probe.error = exchange.socketError;
        break;
    default:
        probe.error = exchange.response.problem();
        break;
    }
    if (probe.error.isEmpty())
        probe.error = u"no status in the answer"_s;
    return probe;
}
