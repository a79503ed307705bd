#include "feeds/versioncheck.h"

#include "feeds/httpclient.h"
#include "feeds/vendor.h"

using namespace Qt::StringLiterals;

QString withHttpPrefix(const QString &url)
{
    if (url.toLower().contains(u"http://"_s))
        return url;
    return u"http://"_s + url;
}

VersionCheck checkVersion(HttpClient &http, const QString &url)
{
    VersionCheck check;
    check.url = QUrl(withHttpPrefix(url));
    try {
        const StatusProbe probe = http.probeStatus(check.url);
        check.status = probe.status;
        check.reason = probe.error;
    } catch (const std::exception &error) {
        check.status = 0;
        check.reason = QString::fromUtf8(error.what());
    }
    if (check.status == 0) {
        check.state = VersionCheck::State::Unreachable;
        if (check.reason.isEmpty())
            check.reason = u"no answer"_s;
    } else {
        check.state = check.status == 200 || check.status == 302 ? VersionCheck::State::Current
                                                                 : VersionCheck::State::Retired;
        check.reason.clear();
    }
    return check;
}

bool CheckVersionUrl(HttpClient &http, const QString &url)
{
    return checkVersion(http, url).state == VersionCheck::State::Current;
}

QString unreachableMessage(const VersionCheck &check)
{
    const QString server = vendor::siteName(check.url);
    return u"Cannot reach the server %1 (%2). Check the Internet connection and press Start again."_s
               .arg(server, check.reason)
           + u"\rНет связи с сервером %1 (%2). Проверьте подключение к Интернету и нажмите Start ещё раз."_s
                 .arg(server, check.reason);
}
