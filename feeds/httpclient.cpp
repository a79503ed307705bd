#include "feeds/httpclient.h"

#include <QEventLoop>
#include <QNetworkCookieJar>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QTimer>

#include <memory>
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

bool isSuccess(int status)
{
    return status >= 200 && status < 300;
}

QString statusText(const QNetworkReply &reply)
{
    QString text = u"HTTP status %1 %2"_s.arg(
        reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt())
                       .arg(QString::fromLatin1(
                           reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray()));
    const QByteArray location = reply.rawHeader("Location"_ba);
    if (!location.isEmpty())
        text += u", not followed to "_s + QString::fromLatin1(location);
    return text;
}

// The wait for one reply: a local event loop that holds user input back,
// ended by the reply finishing, by the caller, or by a bound.
class TransferWait
{
public:
    enum class End { Finished, Stopped, Stalled, TooLong };

    TransferWait(const QNetworkReply &reply, std::optional<std::chrono::milliseconds> stall,
                 std::chrono::milliseconds total)
        : m_reply(reply)
    {
        m_stall.setSingleShot(true);
        m_total.setSingleShot(true);
        m_total.setInterval(total);
        if (stall) {
            m_stall.setInterval(*stall);
            QObject::connect(&m_stall, &QTimer::timeout, &m_loop, [this] { end(End::Stalled); });
        }
        m_hasStallBound = stall.has_value();
        QObject::connect(&m_total, &QTimer::timeout, &m_loop, [this] { end(End::TooLong); });
        QObject::connect(&reply, &QNetworkReply::finished, &m_loop, [this] { end(End::Finished); });
    }

    // Something arrived: the stall bound starts again.
    void progress()
    {
        if (!m_end && m_hasStallBound)
            m_stall.start();
    }
    void stop() { end(End::Stopped); }
    bool ended() const { return m_end.has_value(); }

    End run()
    {
        if (m_reply.isFinished())
            end(End::Finished);
        if (!m_end) {
            progress();
            m_total.start();
            m_loop.exec(QEventLoop::ExcludeUserInputEvents);
        }
        return *m_end;
    }

private:
    void end(End why)
    {
        if (m_end)
            return;
        m_end = why;
        m_stall.stop();
        m_total.stop();
        m_loop.quit();
    }

    const QNetworkReply &m_reply;
    QEventLoop m_loop;
    QTimer m_stall;
    QTimer m_total;
    bool m_hasStallBound = false;
    std::optional<End> m_end;
};

} // namespace

bool isPlainHttpUrl(const QUrl &url)
{
    return url.isValid() && url.scheme() == u"http"_s && !url.host().isEmpty();
}

HttpClient::HttpClient(QObject *parent) : QObject(parent)
{
    m_manager.setProxy(QNetworkProxy::NoProxy);
    m_manager.setCookieJar(new QNetworkCookieJar(&m_manager));
}

QNetworkRequest HttpClient::feedRequest(const QUrl &url) const
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    request.setRawHeader("Accept"_ba, "text/html, */*"_ba);
    request.setRawHeader("Content-Type"_ba, "text/html"_ba);
    request.setRawHeader("User-Agent"_ba, "Mozilla/3.0 (compatible; Indy Library)"_ba);
    return request;
}

Download HttpClient::get(const QUrl &url)
{
    Download received;
    if (!isPlainHttpUrl(url)) {
        received.error = u"Not a plain HTTP address: "_s + url.toString();
        return received;
    }

    // Leaving the wait and deleting the reply ends its transfer; abort()
    // would race with an error that Qt may already have queued for it.
    const std::unique_ptr<QNetworkReply> reply(m_manager.get(feedRequest(url)));
    TransferWait wait(*reply, m_stallTimeout, m_totalTimeout);
    bool tooBig = false;

    // Taken as it arrives: Qt drops a body that is still unread when a
    // transfer ends early.
    const auto takeBody = [&] {
        if (tooBig)
            return;
        const QByteArray piece = reply->readAll();
        const qint64 room = m_maxBodySize - received.body.size();
        if (piece.size() > room) {
            received.body.append(piece.first(room));
            tooBig = true;
            wait.stop();
            return;
        }
        received.body.append(piece);
    };
    connect(reply.get(), &QNetworkReply::metaDataChanged, reply.get(), [&] {
        wait.progress();
        const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        // The body of an error page or a redirect is never used.
        if (status.isValid() && !isSuccess(status.toInt()))
            wait.stop();
    });
    connect(reply.get(), &QNetworkReply::readyRead, reply.get(), [&] {
        wait.progress();
        takeBody();
    });

    Stop stop = Stop::None;
    switch (wait.run()) {
    case TransferWait::End::Finished: stop = Stop::None; break;
    case TransferWait::End::Stopped: stop = tooBig ? Stop::TooBig : Stop::BadStatus; break;
    case TransferWait::End::Stalled: stop = Stop::Stalled; break;
    case TransferWait::End::TooLong: stop = Stop::TooLong; break;
    }
    if (stop == Stop::None)
        takeBody();
    return feedOutcome(*reply, stop, std::move(received));
}

Download HttpClient::feedOutcome(const QNetworkReply &reply, Stop stop, Download received) const
{
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    switch (stop) {
    case Stop::Stalled:
        received.outcome = Download::Outcome::Broken;
        received.error = u"No data for %1 ms"_s.arg(m_stallTimeout.count());
        break;
    case Stop::TooLong:
        received.outcome = Download::Outcome::Broken;
        received.error = u"Not done after %1 ms"_s.arg(m_totalTimeout.count());
        break;
    case Stop::TooBig:
        received.outcome = Download::Outcome::Broken;
        received.error = u"Body longer than %1 bytes"_s.arg(m_maxBodySize);
        break;
    case Stop::BadStatus:
        received.outcome = Download::Outcome::Failed;
        received.body.clear();
        received.error = statusText(reply);
        break;
    case Stop::None:
        if (!isSuccess(status)) {
            received.outcome = Download::Outcome::Failed;
            received.body.clear();
            received.error = reply.error() != QNetworkReply::NoError ? reply.errorString()
                                                                     : statusText(reply);
        } else if (reply.error() != QNetworkReply::NoError) {
            received.outcome = Download::Outcome::Broken;
            received.error = reply.errorString();
        } else {
            received.outcome = Download::Outcome::Complete;
        }
        break;
    }
    return received;
}

StatusProbe HttpClient::probeStatus(const QUrl &url)
{
    // A manager of its own, so nothing (connections, cookies) outlives the probe.
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setRawHeader("User-Agent"_ba, "InetURL:/1.0"_ba);
    request.setRawHeader("Cache-Control"_ba, "no-cache"_ba);
    request.setRawHeader("Pragma"_ba, "no-cache"_ba);

    // Ending the wait and deleting the reply ends the transfer: the body is
    // never read.
    const std::unique_ptr<QNetworkReply> reply(manager.get(request));
    TransferWait wait(*reply, std::nullopt, m_probeTimeout);
    StatusProbe probe;
    const auto takeStatus = [&] {
        const QVariant value = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (probe.status == 0 && value.isValid())
            probe.status = value.toInt();
        if (probe.status != 0)
            wait.stop();
    };
    connect(reply.get(), &QNetworkReply::metaDataChanged, reply.get(), takeStatus);

    if (wait.run() == TransferWait::End::TooLong) {
        probe.error = u"no answer within "_s + durationText(m_probeTimeout);
        return probe;
    }
    takeStatus();
    if (probe.status == 0) {
        probe.error = reply->error() != QNetworkReply::NoError ? reply->errorString()
                                                               : u"no status in the answer"_s;
    }
    return probe;
}
