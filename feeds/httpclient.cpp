#include "feeds/httpclient.h"

#include <QEventLoop>
#include <QNetworkCookieJar>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

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

Download HttpClient::get(const QUrl &url)
{
    Download result;
    if (!isPlainHttpUrl(url)) {
        result.error = u"Not a plain HTTP address: "_s + url.toString();
        return result;
    }

    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    request.setRawHeader("Accept"_ba, "text/html, */*"_ba);
    request.setRawHeader("Content-Type"_ba, "text/html"_ba);
    request.setRawHeader("User-Agent"_ba, "Mozilla/3.0 (compatible; Indy Library)"_ba);

    // Leaving the loop early and deleting the reply ends its transfer; abort()
    // would race with an error that Qt may already have queued for it.
    const std::unique_ptr<QNetworkReply> reply(m_manager.get(request));

    enum class Stop { None, BadStatus, Stalled, TooLong, TooBig };
    Stop stop = Stop::None;
    QEventLoop loop;
    QTimer stallTimer;
    stallTimer.setSingleShot(true);
    stallTimer.setInterval(m_stallTimeout);
    QTimer totalTimer;
    totalTimer.setSingleShot(true);
    totalTimer.setInterval(m_totalTimeout);

    const auto giveUp = [&](Stop why) {
        if (stop != Stop::None)
            return;
        stop = why;
        stallTimer.stop();
        totalTimer.stop();
        loop.quit();
    };
    // Taken as it arrives: Qt drops a body that is still unread when a
    // transfer ends early.
    const auto takeBody = [&] {
        if (stop != Stop::None)
            return;
        const QByteArray piece = reply->readAll();
        const qint64 room = m_maxBodySize - result.body.size();
        if (piece.size() > room) {
            result.body.append(piece.first(room));
            giveUp(Stop::TooBig);
            return;
        }
        result.body.append(piece);
    };

    connect(reply.get(), &QNetworkReply::metaDataChanged, &loop, [&] {
        stallTimer.start();
        const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        // The body of an error page or a redirect is never used.
        if (status.isValid() && !isSuccess(status.toInt()))
            giveUp(Stop::BadStatus);
    });
    connect(reply.get(), &QNetworkReply::readyRead, &loop, [&] {
        stallTimer.start();
        takeBody();
    });
    connect(&stallTimer, &QTimer::timeout, &loop, [&] { giveUp(Stop::Stalled); });
    connect(&totalTimer, &QTimer::timeout, &loop, [&] { giveUp(Stop::TooLong); });
    connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);

    stallTimer.start();
    totalTimer.start();
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    takeBody();

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    switch (stop) {
    case Stop::Stalled:
        result.outcome = Download::Outcome::Broken;
        result.error = u"No data for %1 ms"_s.arg(m_stallTimeout.count());
        break;
    case Stop::TooLong:
        result.outcome = Download::Outcome::Broken;
        result.error = u"Not done after %1 ms"_s.arg(m_totalTimeout.count());
        break;
    case Stop::TooBig:
        result.outcome = Download::Outcome::Broken;
        result.error = u"Body longer than %1 bytes"_s.arg(m_maxBodySize);
        break;
    case Stop::BadStatus:
        result.outcome = Download::Outcome::Failed;
        result.body.clear();
        result.error = statusText(*reply);
        break;
    case Stop::None:
        if (!isSuccess(status)) {
            result.outcome = Download::Outcome::Failed;
            result.body.clear();
            result.error = reply->error() != QNetworkReply::NoError ? reply->errorString()
                                                                    : statusText(*reply);
        } else if (reply->error() != QNetworkReply::NoError) {
            result.outcome = Download::Outcome::Broken;
            result.error = reply->errorString();
        } else {
            result.outcome = Download::Outcome::Complete;
        }
        break;
    }
    return result;
}
