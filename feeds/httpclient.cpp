#include "feeds/httpclient.h"

#include "feeds/httpexchange.h"
#include "feeds/httpresponse.h"
#include "grid/errortext.h"

#include <QNetworkCookie>

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

QString stallText(const HttpExchange &exchange, std::chrono::milliseconds bound)
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

// Why a feed's head is refused: an error status, or a body coding that was
// not asked for; empty when the body is wanted.
QString refusal(const HttpResponseReader &response)
{
    if (!isSuccess(response.status()))
        return statusText(response);
    if (const QByteArray coding = unaskedCoding(response); !coding.isEmpty())
        return u"the server sent the body %1-encoded, not as it is"_s.arg(QString::fromLatin1(coding));
    return {};
}

QString notPlainHttpText(const QUrl &url)
{
    return u"not a plain HTTP address: "_s + url.toString();
}

// How a feed download went, from the exchange, why it ended and the limits
// it ran under; takes the exchange's body.
Download feedOutcome(HttpExchange &exchange, HttpExchange::End end, const HttpExchange::Limits &limits)
{
    const HttpResponseReader &response = exchange.response;
    Download received;
    received.body = std::move(exchange.body);
    received.outcome = Download::Outcome::Broken;
    switch (end) {
    case HttpExchange::End::Stalled:
        received.error = stallText(exchange, *limits.stall);
        return received;
    case HttpExchange::End::TooLong:
        received.error = u"not done after %1 (%2 in)"_s.arg(durationText(limits.total),
                                                            sizeText(exchange.received));
        return received;
    case HttpExchange::End::TooBig:
        received.error = u"body longer than %1"_s.arg(sizeText(limits.maxBodySize));
        return received;
    case HttpExchange::End::SocketError:
        received.error = exchange.socketError;
        if (!response.headIsIn()) {
            received.outcome = Download::Outcome::Failed;
            received.body.clear();
        }
        return received;
    case HttpExchange::End::HeadIsEnough:
    case HttpExchange::End::Finished:
        break;
    }
    const QString refused = response.headIsIn() ? refusal(response) : QString();
    if (!response.headIsIn() || !refused.isEmpty()) {
        received.outcome = Download::Outcome::Failed;
        received.body.clear();
        received.error = response.headIsIn() ? refused : response.problem();
    } else if (response.state() != HttpResponseReader::State::Done) {
        received.error = response.problem();
    } else {
        received.outcome = Download::Outcome::Complete;
    }
    return received;
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
    if (!isPlainHttpUrl(url)) {
        Download refused;
        refused.error = notPlainHttpText(url);
        return refused;
    }
    HttpExchange exchange;
    // The body of an error page or a redirect is never used, nor one in a
    // coding that was not asked for.
    const HttpExchange::Limits limits{m_stallTimeout, m_totalTimeout, m_maxBodySize,
                                      [](const HttpResponseReader &response) {
                                          return !refusal(response).isEmpty();
                                      }};
    const HttpExchange::End end = exchange.run(url, feedRequest(url), limits);
    if (exchange.response.headIsIn()) {
        for (const QByteArray &value : exchange.response.headerValues("Set-Cookie"))
            m_cookies.setCookiesFromUrl(QNetworkCookie::parseCookies(value), url);
    }
    Download received = feedOutcome(exchange, end, limits);
    if (received.outcome != Download::Outcome::Complete && received.error.isEmpty())
        received.error = u"the answer ended without a reason given"_s;
    return received;
}

QByteArray HttpClient::feedRequest(const QUrl &url) const
{
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
    return HttpExchange::requestHead(url, headers);
}

StatusProbe HttpClient::probeStatus(const QUrl &url)
{
    StatusProbe probe;
    if (!isPlainHttpUrl(url)) {
        probe.error = notPlainHttpText(url);
        return probe;
    }
    // A connection of its own, no cookie and no cache on either side; the
    // body is never read.
    const QByteArray request = HttpExchange::requestHead(url, {
        {"User-Agent"_ba, "InetURL:/1.0"_ba},
        {"Cache-Control"_ba, "no-cache"_ba},
        {"Pragma"_ba, "no-cache"_ba},
    });
    HttpExchange exchange;
    const HttpExchange::End end = exchange.run(
        url, request, {std::nullopt, m_probeTimeout, 0, [](const HttpResponseReader &) { return true; }});
    if (exchange.response.headIsIn()) {
        probe.status = exchange.response.status();
        return probe;
    }
    switch (end) {
    case HttpExchange::End::TooLong:
        probe.error = u"no answer within "_s + durationText(m_probeTimeout);
        break;
    case HttpExchange::End::SocketError:
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
