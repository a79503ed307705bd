#pragma once

#include <QString>

class HttpClient;

// The URL as the version probe requests it: "http://" is put in front unless
// the URL already holds it somewhere, in any case.
QString withHttpPrefix(const QString &url);

// Asks the server through http whether url exists: true exactly for the
// status 200 or 302, false for every other status and every failure, and
// false when no status has come within the client's probe bound. Only the
// status is read, never the body. Blocks the caller like HttpClient::get.
bool CheckVersionUrl(HttpClient &http, const QString &url);
