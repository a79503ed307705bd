#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
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

// The feed client: one instance for the run, so the cookies that the vendor's
// server sets are sent back with every later feed request.
class HttpClient final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HttpClient)

public:
    static constexpr std::chrono::milliseconds defaultStallTimeout{std::chrono::seconds(30)};
    static constexpr std::chrono::milliseconds defaultTotalTimeout{std::chrono::seconds(120)};
    static constexpr qint64 defaultMaxBodySize = qint64(64) * 1024 * 1024;

    explicit HttpClient(QObject *parent = nullptr);

    // A download that receives nothing for this long is given up as broken;
    // connecting counts.
    void setStallTimeout(std::chrono::milliseconds timeout) { m_stallTimeout = timeout; }
    // A download that is still running after this long is given up as broken.
    void setTotalTimeout(std::chrono::milliseconds timeout) { m_totalTimeout = timeout; }
    // A longer body is cut here and the download counts as broken.
    void setMaxBodySize(qint64 bytes) { m_maxBodySize = bytes; }

    // Plain HTTP GET, direct, redirects not followed; the body comes back as
    // bytes. Blocks the caller; the window still paints meanwhile, but user
    // input waits until the download has ended.
    Download get(const QUrl &url);

private:
    QNetworkAccessManager m_manager;
    std::chrono::milliseconds m_stallTimeout = defaultStallTimeout;
    std::chrono::milliseconds m_totalTimeout = defaultTotalTimeout;
    qint64 m_maxBodySize = defaultMaxBodySize;
};
