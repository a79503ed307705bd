#pragma once

#include <QByteArray>
#include <QNetworkCookieJar>
#include <QObject>
#include <QString>
#include <QUrl>

#include <chrono>

// The only addresses the client fetches: http:// with a host.
bool isPlainHttpUrl(const QUrl &url);

// What a GET brought back. A failure keeps no body; a transfer that broke off
// keeps the part that arrived.
struct Download
{
    enum class Outcome { Complete, Failed, Broken };

    Outcome outcome = Outcome::Failed;
    QByteArray body;
    QString error; // empty when complete
};

// What a status probe found: the server's status, or why none came.
struct StatusProbe
{
    int status = 0;    // 0: no answer at all
    QString error;     // why no status came; empty when one did
};

// The program's one way onto the network, handed to whatever needs it: the
// feed downloads, and the status probe that the version check makes.
// One instance for the run, so the cookies that the vendor's server sets are
// sent back with every later feed request.
class HttpClient final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HttpClient)

public:
    static constexpr std::chrono::milliseconds defaultStallTimeout{std::chrono::seconds(30)};
    static constexpr std::chrono::milliseconds defaultTotalTimeout{std::chrono::seconds(120)};
    static constexpr std::chrono::milliseconds defaultProbeTimeout{std::chrono::seconds(30)};
    static constexpr qint64 defaultMaxBodySize = qint64(64) * 1024 * 1024;

    explicit HttpClient(QObject *parent = nullptr);

    // A download that receives nothing for this long is given up as broken;
    // connecting counts, and so does every byte of the answer, head included.
    void setStallTimeout(std::chrono::milliseconds timeout) { m_stallTimeout = timeout; }
    // A download that is still running after this long is given up as broken.
    void setTotalTimeout(std::chrono::milliseconds timeout) { m_totalTimeout = timeout; }
    // A longer body is cut here and the download counts as broken.
    void setMaxBodySize(qint64 bytes) { m_maxBodySize = bytes; }
    // A probe that has no status after this long has no answer.
    void setProbeTimeout(std::chrono::milliseconds timeout) { m_probeTimeout = timeout; }

    // Plain HTTP/1.1 GET, direct, redirects not followed; the body comes
    // back as the server sent it (Accept-Encoding: identity). A body whose
    // end is unknown or comes early (a Content-Length that is not one plain
    // number, or two that disagree; a bad chunk size; a close before the
    // announced length or the last chunk) counts as broken. Blocks the
    // caller; the window still paints meanwhile, but user input waits until
    // the download has ended.
    Download get(const QUrl &url);

    // Asks for url and reads only the status: nothing is kept from one probe
    // to the next (no connection, no cookie), no cache is asked or filled,
    // redirects are not followed, and the transfer ends as soon as the status
    // is in. Blocks the caller like get().
    StatusProbe probeStatus(const QUrl &url);

private:
    // The feed request's head, with the cookies held for url.
    QByteArray feedRequest(const QUrl &url) const;

    QNetworkCookieJar m_cookies;
    std::chrono::milliseconds m_stallTimeout = defaultStallTimeout;
    std::chrono::milliseconds m_totalTimeout = defaultTotalTimeout;
    std::chrono::milliseconds m_probeTimeout = defaultProbeTimeout;
    qint64 m_maxBodySize = defaultMaxBodySize;
};
