#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QTcpServer>
#include <QUrl>

#include <chrono>

// A scripted stand-in for the vendor's web server, on 127.0.0.1 at a free
// port. Each path has one answer; any other path gets 404. Every request is
// recorded. It runs in the test's thread, so it answers while the code under
// test waits in its own event loop. Each answer closes its connection unless
// the script holds it open.
class FakeHttpServer final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FakeHttpServer)

public:
    using Header = QPair<QByteArray, QByteArray>;

    struct Answer
    {
        int status = 200;
        QByteArray reason = "OK";
        // A Content-Length for the whole body is added unless given here or
        // the body is endless.
        QList<Header> headers;
        // Sent in place of the status line and headers above, as they are
        // (the blank line that ends them included); nothing is added.
        QByteArray rawHead;
        QByteArray body;
        // Reads the request and never answers, holding the connection open.
        bool silent = false;
        // Reads the request and resets the connection (RST) without answering.
        bool reset = false;
        // Closes the connection after this many body bytes.
        qsizetype cutAfter = -1;
        // Falls silent after this many body bytes, holding the connection open.
        qsizetype stallAfter = -1;
        // Sends the body in pieces of this many bytes, this far apart; the
        // head too when dripHead is set.
        qsizetype dripBytes = 0;
        std::chrono::milliseconds dripInterval{0};
        bool dripHead = false;
        // Repeats the body (or filler when it is empty) without end.
        bool endless = false;

        static Answer ok(QByteArray body, QByteArray contentType = "text/xml");
        static Answer withStatus(int code, QByteArray body = {});
        static Answer redirect(int code, QByteArray location);
    };

    struct Request
    {
        QByteArray method;
        QByteArray path; // as sent, query included
        QList<Header> headers;

        // The first header of that name, in any case; empty when there is none.
        QByteArray header(QByteArrayView name) const;
    };

    explicit FakeHttpServer(QObject *parent = nullptr);
    ~FakeHttpServer() override;

    // "http://127.0.0.1:PORT", and the same with path.
    QUrl url() const;
    QUrl url(const QString &path) const;

    void setAnswer(const QByteArray &path, const Answer &answer);
    const QList<Request> &requests() const { return m_requests; }

    // An address on 127.0.0.1 where nothing listens.
    static QUrl closedUrl();

Q_SIGNALS:
    void requestReceived();

private:
    class Connection;

    void accept();
    Answer answerFor(const Request &request) const;

    QTcpServer m_listener;
    QHash<QByteArray, Answer> m_answers;
    QList<Request> m_requests;
};
