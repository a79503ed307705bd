#include "drawserver.h"

#include "feeds/bookmaker.h"
#include "feeds/vendor.h"

#include <QFile>
#include <QTcpSocket>
#include <QTimer>

#include <chrono>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

constexpr qsizetype maxRequestHead = 16 * 1024;
constexpr auto connectionTimeout = 60s;

const QByteArray markerPath = "/refresh/vorlan"_ba + vendor::version.toLatin1() + ".txt"_ba;

QByteArray response(int status, const QByteArray &reason, const QByteArray &contentType,
                    const QByteArray &body, bool withBody)
{
    QByteArray out = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\n"
                     + "Content-Type: " + contentType + "\r\n"
                     + "Content-Length: " + QByteArray::number(body.size()) + "\r\n"
                     + "Cache-Control: no-cache\r\n"
                     + "Connection: close\r\n\r\n";
    if (withBody)
        out += body;
    return out;
}

} // namespace

DrawServer::DrawServer(const QString &root, bool retireMarker, QObject *parent)
    : QObject(parent), m_root(root), m_retireMarker(retireMarker)
{
    // Only these are served, so nothing else below root can be reached.
    for (const Bookmaker bookmaker : {Bookmaker::FonBet, Bookmaker::MarathonBet, Bookmaker::OneXBet}) {
        const QByteArray path = bookmakerInfo(bookmaker).feedPath;
        m_files.insert(path, QString::fromLatin1(path.sliced(1)));
    }
    connect(&m_listener, &QTcpServer::newConnection, this, &DrawServer::accept);
}

bool DrawServer::listen(quint16 port)
{
    return m_listener.listen(QHostAddress::LocalHost, port);
}

QUrl DrawServer::url() const
{
    return QUrl(u"http://127.0.0.1:%1"_s.arg(m_listener.serverPort()));
}

void DrawServer::accept()
{
    while (QTcpSocket *socket = m_listener.nextPendingConnection()) {
        m_heads.insert(socket, {});
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_heads.remove(socket);
            socket->deleteLater();
        });
        // A client that holds its connection this long is dropped.
        QTimer::singleShot(connectionTimeout, socket, [socket] { socket->abort(); });
    }
}

void DrawServer::read(QTcpSocket *socket)
{
    const auto reading = m_heads.find(socket);
    if (reading == m_heads.end()) {
        socket->readAll(); // answered already
        return;
    }
    QByteArray &head = *reading;
    head += socket->readAll();
    const qsizetype end = head.indexOf("\r\n\r\n");
    QByteArray reply;
    if (end >= 0) {
        const QList<QByteArray> requestLine = head.first(head.indexOf("\r\n")).split(' ');
        reply = answer(requestLine.value(0), requestLine.value(1));
    } else if (head.size() > maxRequestHead) {
        reply = response(431, "Request Header Fields Too Large", "text/plain",
                         "Request too large\n", true);
    } else {
        return;
    }
    m_heads.erase(reading);
    socket->write(reply);
    socket->disconnectFromHost();
}

QByteArray DrawServer::answer(const QByteArray &method, const QByteArray &target) const
{
    const bool head = method == "HEAD";
    if (method != "GET" && !head)
        return response(405, "Method Not Allowed", "text/plain", "Method not allowed\n", true);
    const QByteArray path = target.first(target.contains('?') ? target.indexOf('?') : target.size());
    // The marker of this build's own version, whatever the folder holds.
    if (path == markerPath && !m_retireMarker)
        return response(200, "OK", "text/plain", vendor::version.toLatin1() + "\r\n", !head);
    if (m_files.contains(path)) {
        QFile file(m_root.filePath(m_files.value(path)));
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray type = path.endsWith(".xml") ? "text/xml"_ba : "text/plain"_ba;
            return response(200, "OK", type, file.readAll(), !head);
        }
    }
    return response(404, "Not Found", "text/html", "<html><body>Not Found</body></html>\n", !head);
}
