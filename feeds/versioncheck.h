#pragma once

#include <QString>
#include <QUrl>

class HttpClient;

// The URL as the version probe requests it: "http://" is put in front unless
// the URL already holds it somewhere, in any case.
QString withHttpPrefix(const QString &url);

// What the vendor's server said about this version's marker.
struct VersionCheck
{
    enum class State {
        Current,     // status 200 or 302: the version may still be used
        Retired,     // any other status: the marker is gone
        Unreachable, // no answer at all: no connection, no name, refused, reset, no status in time
    };

    State state = State::Unreachable;
    QUrl url;       // as requested
    int status = 0; // the server's status; 0 when unreachable
    QString reason; // why the server was unreachable; empty otherwise
};

// Asks the server through http for url and reads only the status; the
// client's probe bound limits the wait. Blocks the caller like
// HttpClient::get.
VersionCheck checkVersion(HttpClient &http, const QString &url);

// The same check as a yes or no: true exactly for the status 200 or 302,
// false for every other status and every failure.
bool CheckVersionUrl(HttpClient &http, const QString &url);

// The English and the Russian sentence, split by a lone carriage return like
// the update message: the server named in check could not be reached, why,
// and a request to check the connection.
QString unreachableMessage(const VersionCheck &check);
