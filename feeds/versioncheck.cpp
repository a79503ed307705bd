#include "feeds/versioncheck.h"

#include "feeds/httpclient.h"

#include <QUrl>

using namespace Qt::StringLiterals;

QString withHttpPrefix(const QString &url)
{
    if (url.toLower().contains(u"http://"_s))
        return url;
    return u"http://"_s + url;
}

bool CheckVersionUrl(HttpClient &http, const QString &url)
{
    try {
        const int status = http.probeStatus(QUrl(withHttpPrefix(url))).status;
        return status == 200 || status == 302;
    } catch (...) {
        return false;
    }
}
