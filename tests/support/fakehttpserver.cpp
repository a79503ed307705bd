#include "tests/support/fakehttpserver.h"

#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <utility>

#include <sys/socket.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray reasonFor(int code)
{
    switch (code) {
    case 200: return "OK"_ba;
    case 204: return "No Content"_ba;
    case 301: return "Moved Permanently"_ba;
    case 302: return "Found"_ba;
    case 303: return "See Other"_ba;
    case 307: return "Temporary Redirect"_ba;
    case 400: return "Bad Request"_ba;
    case 403: return "Forbidden"_ba;
    case 404: return "Not Found"_ba;
    case 500: return "Internal Server Error"_ba;
    case 503: return "Service Unavailable"_ba;
    default: return "Status"_ba;
    }
}

constexpr qsizetype maxRequestHead = 64 * 1024;
constexpr qint64 endlessBacklog = 256 * 1024;

} // namespace

FakeHttpServer::Answer FakeHttpServer::Answer::ok(QByteArray body, QByteArray contentType)
{
    Answer answer;
    answer.headers.append({"Content-Type"_ba, std::move(contentType)});
    answer.body = std::move(body);
    return answer;
}

FakeHttpServer::Answer FakeHttpServer::Answer::withStatus(int code, QByteArray body)
{
    Answer answer;
    answer.status = code;
    answer.reason = reasonFor(code);
    answer.headers.append({"Content-Type"_ba, "text/html"_ba});
    answer.body = std::move(body);
    return answer;
}

FakeHttpServer::Answer FakeHttpServer::Answer::redirect(int code, QByteArray location)
{
    Answer answer = withStatus(code, "<html>moved</html>"_ba);
    answer.headers.append({"Location"_ba, std::move(location)});
    return answer;
}

QByteArray FakeHttpServer::Request::header(QByteArrayView name) const
{
    for (const Header &header : headers) {
        if (header.first.compare(name, Qt::CaseInsensitive) == 0)
            return header.second;
    }
    return {};
}

// One client connection: reads one request, then plays its answer's script.
class FakeHttpServer::Connection final : public QObject
{
public:
    Connection(FakeHttpServer &server, QTcpSocket *socket)
        : QObject(&server), m_server(server), m_socket(socket)
    {
        m_socket->setParent(this);
        connect(m_socket, &QTcpSocket::readyRead, this, &Connection::read);
        connect(m_socket, &QTcpSocket::bytesWritten, this, &Connection::refill);
        connect(m_socket, &QTcpSocket::disconnected, this, &QObject::deleteLater);
        connect(&m_drip, &QTimer::timeout, this, &Connection::dripPiece);
        read();
    }

private:
    void read()
    {
        if (m_answering) {
            m_socket->readAll();
            return;
        }
        m_head += m_socket->readAll();
        const qsizetype end = m_head.indexOf("\r\n\r\n");
        if (end < 0) {
            if (m_head.size() > maxRequestHead)
                m_socket->abort();
            return;
        }
        m_answering = true;
        const Request request = parse(m_head.first(end));
        m_server.m_requests.append(request);
        m_answer = m_server.answerFor(request);
        Q_EMIT m_server.requestReceived();
        answer();
    }

    static Request parse(const QByteArray &head)
    {
        Request request;
        const QList<QByteArray> lines = head.split('\n');
        const QList<QByteArray> start = lines.value(0).trimmed().split(' ');
        request.method = start.value(0);
        request.path = start.value(1);
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QByteArray &line = lines.at(i);
            const qsizetype colon = line.indexOf(':');
            if (colon > 0)
                request.headers.append({line.first(colon).trimmed(), line.sliced(colon + 1).trimmed()});
        }
        return request;
    }

    QByteArray head() const
    {
        if (!m_answer.rawHead.isEmpty())
            return m_answer.rawHead;
        QByteArray head = "HTTP/1.1 " + QByteArray::number(m_answer.status) + ' ' + m_answer.reason
                          + "\r\n";
        bool hasLength = false;
        for (const Header &header : std::as_const(m_answer.headers)) {
            hasLength = hasLength || header.first.compare("Content-Length", Qt::CaseInsensitive) == 0;
            head += header.first + ": " + header.second + "\r\n";
        }
        if (!hasLength && !m_answer.endless)
            head += "Content-Length: " + QByteArray::number(m_answer.body.size()) + "\r\n";
        return head + "Connection: close\r\n\r\n";
    }

    void answer()
    {
        if (m_answer.silent)
            return;
        if (m_answer.reset) {
            // Lingering for no time makes closing send a reset, not a FIN.
            const linger now{1, 0};
            ::setsockopt(int(m_socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &now, sizeof now);
            m_socket->abort();
            return;
        }
        const bool dripHead = m_answer.dripHead && m_answer.dripBytes > 0;
        if (!dripHead)
            m_socket->write(head());

        if (m_answer.endless) {
            m_filler = m_answer.body.isEmpty() ? QByteArray(64 * 1024, 'x') : m_answer.body;
            m_pending = m_filler;
        } else {
            const qsizetype limit = m_answer.cutAfter >= 0   ? m_answer.cutAfter
                                    : m_answer.stallAfter >= 0 ? m_answer.stallAfter
                                                               : m_answer.body.size();
            m_pending = m_answer.body.first(std::min(limit, m_answer.body.size()));
        }
        if (dripHead)
            m_pending.prepend(head());
        if (m_answer.dripBytes > 0) {
            m_drip.start(m_answer.dripInterval);
            return;
        }
        if (m_answer.endless) {
            refill();
            return;
        }
        m_socket->write(std::exchange(m_pending, {}));
        finish();
    }

    void dripPiece()
    {
        const qsizetype size = std::min(m_answer.dripBytes, m_pending.size());
        m_socket->write(m_pending.first(size));
        m_pending.remove(0, size);
        if (m_answer.endless && m_pending.isEmpty())
            m_pending = m_filler;
        if (m_pending.isEmpty()) {
            m_drip.stop();
            finish();
        }
    }

    // Keeps an endless body flowing only as fast as the client takes it.
    void refill()
    {
        if (!m_answer.endless || m_answer.dripBytes > 0 || !m_answering)
            return;
        while (m_socket->state() == QAbstractSocket::ConnectedState
               && m_socket->bytesToWrite() < endlessBacklog)
            m_socket->write(m_filler);
    }

    void finish()
    {
        if (m_answer.stallAfter >= 0 && m_answer.cutAfter < 0)
            return;
        m_socket->disconnectFromHost();
    }

    FakeHttpServer &m_server;
    QTcpSocket *m_socket;
    QByteArray m_head;
    bool m_answering = false;
    Answer m_answer;
    QByteArray m_pending;
    QByteArray m_filler;
    QTimer m_drip;
};

FakeHttpServer::FakeHttpServer(QObject *parent) : QObject(parent)
{
    connect(&m_listener, &QTcpServer::newConnection, this, &FakeHttpServer::accept);
    if (!m_listener.listen(QHostAddress::LocalHost, 0))
        qFatal("FakeHttpServer: cannot listen: %s", qPrintable(m_listener.errorString()));
}

FakeHttpServer::~FakeHttpServer()
{
    m_listener.close();
}

QUrl FakeHttpServer::url() const
{
    return QUrl(u"http://127.0.0.1:%1"_s.arg(m_listener.serverPort()));
}

QUrl FakeHttpServer::url(const QString &path) const
{
    return QUrl(url().toString() + path);
}

void FakeHttpServer::setAnswer(const QByteArray &path, const Answer &answer)
{
    m_answers.insert(path, answer);
}

QUrl FakeHttpServer::closedUrl()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        qFatal("FakeHttpServer: cannot find a free port");
    const quint16 port = probe.serverPort();
    probe.close();
    return QUrl(u"http://127.0.0.1:%1"_s.arg(port));
}

void FakeHttpServer::accept()
{
    while (QTcpSocket *socket = m_listener.nextPendingConnection())
        new Connection(*this, socket);
}

FakeHttpServer::Answer FakeHttpServer::answerFor(const Request &request) const
{
    return m_answers.value(request.path, Answer::withStatus(404, "<html>Not Found</html>"_ba));
}
