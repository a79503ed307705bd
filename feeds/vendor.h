#pragma once

#include <QString>
#include <QUrl>

// The vendor's web server: feeds, version markers and the download page.
namespace vendor {

inline const QString host = QStringLiteral("www.vorlan.example");
inline const QString version = QStringLiteral("4.6");

// "http://" + host, unless a mirror or test server was named instead.
QUrl serverUrl(const QString &override = {});

} // namespace vendor
