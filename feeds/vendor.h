#pragma once

#include "vorlanversion.h"

#include <QString>
#include <QUrl>

// The vendor's web server: feeds, version markers and the download page.
namespace vendor {

inline const QString host = QStringLiteral("vorlan.example");
// The project version (CMake project()): marker path, About label, --version.
inline const QString version = QStringLiteral(VORLAN_VERSION);

// "http://" + host, unless a mirror or test server was named instead.
QUrl serverUrl(const QString &override = {});

// path (with query and fragment) on server; a mirror may sit below a path of
// its own.
QUrl onServer(const QUrl &server, const QString &path);

// Exists for as long as this version may still be used.
QUrl markerUrl(const QUrl &server);
QUrl downloadPageUrl(const QUrl &server);
QUrl homePage();

// How messages name a server: its host, and its port when one is given.
QString siteName(const QUrl &server);

// The English and the Russian sentence, split by a lone carriage return.
QString updateMessage(const QUrl &server = serverUrl());

} // namespace vendor
