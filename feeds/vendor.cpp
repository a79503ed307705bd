#include "feeds/vendor.h"

using namespace Qt::StringLiterals;

namespace vendor {

QUrl serverUrl(const QString &override)
{
    return QUrl(override.isEmpty() ? QStringLiteral("http://") + host : override);
}

QUrl onServer(const QUrl &server, const QString &path)
{
    const QString base = server.toString(QUrl::RemoveQuery | QUrl::RemoveFragment
                                         | QUrl::StripTrailingSlash);
    return QUrl(base + path);
}

QUrl markerUrl(const QUrl &server)
{
    return onServer(server, u"/refresh/vorlan"_s + version + u".txt"_s);
}

QUrl downloadPageUrl(const QUrl &server)
{
    return onServer(server,
                    u"/index.php?option=com_content&view=article&id=65&Itemid=20#скачать"_s);
}

QUrl homePage()
{
    return QUrl(u"http://"_s + host + u"/"_s);
}

QString siteName(const QUrl &server)
{
    QString site = server.host();
    if (server.port() != -1)
        site += u':' + QString::number(server.port());
    return site;
}

QString updateMessage(const QUrl &server)
{
    return u"Update Programm from site "_s + siteName(server) + u"\rОбновите программу с сайта!"_s;
}

} // namespace vendor
