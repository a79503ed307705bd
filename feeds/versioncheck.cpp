#include "feeds/versioncheck.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <memory>

using namespace Qt::StringLiterals;

QString withHttpPrefix(const QString &url)
{
    if (url.toLower().contains(u"http://"_s))
        return url;
    return u"http://"_s + url;
}

namespace {

int probeStatus(const QString &url, std::chrono::milliseconds timeout)
{
    // A manager of its own, so nothing (connections, cookies) outlives the call.
    QNetworkAccessManager manager;
    QNetworkRequest request(QUrl(withHttpPrefix(url)));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setRawHeader("User-Agent"_ba, "InetURL:/1.0"_ba);
    request.setRawHeader("Cache-Control"_ba, "no-cache"_ba);
    request.setRawHeader("Pragma"_ba, "no-cache"_ba);

    // Leaving the loop and deleting the reply ends the transfer: the body is
    // never read. abort() would race with an error Qt may have queued.
    const std::unique_ptr<QNetworkReply> reply(manager.get(request));
    int status = 0;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setInterval(timeout);

    const auto takeStatus = [&] {
        const QVariant value = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (status == 0 && value.isValid())
            status = value.toInt();
        if (status != 0)
            loop.quit();
    };
    QObject::connect(reply.get(), &QNetworkReply::metaDataChanged, &loop, takeStatus);
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, [&] {
        takeStatus();
        loop.quit();
    });
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);

    timer.start();
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    return status;
}

} // namespace

bool CheckVersionUrl(const QString &url, std::chrono::milliseconds timeout)
{
    try {
        const int status = probeStatus(url, timeout);
        return status == 200 || status == 302;
    } catch (...) {
        return false;
    }
}
