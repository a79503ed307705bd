#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QPair>
#include <QString>

#include <optional>
#include <utility>

// Reads one HTTP/1.1 response as its bytes arrive, strictly: the body ends
// where its Content-Length or its last chunk says, or at the close when the
// response gives neither, and anything else that makes the end unknown
// breaks it. The body comes out as it is sent (no content coding undone).
class HttpResponseReader
{
public:
    enum class State {
        Head,   // waiting for the status line and headers
        Body,   // the head is in; body bytes follow
        Done,   // the whole response is in
        Broken, // the response can't be read on, or ended early: see problem()
    };

    static constexpr qsizetype maxHeadSize = 64 * 1024;

    // The next bytes from the connection.
    void take(QByteArrayView bytes);
    // The connection closed: a body without a length ends here; any other
    // unfinished response is broken.
    void close();

    State state() const { return m_state; }
    // The status line and headers are in and say how the body is framed.
    bool headIsIn() const { return m_headIsIn; }
    int status() const { return m_status; }
    const QByteArray &reasonPhrase() const { return m_reason; }
    // Every value of the header, in order; names in any case.
    QList<QByteArray> headerValues(QByteArrayView name) const;
    // The first value of the header; empty when there is none.
    QByteArray header(QByteArrayView name) const;

    // The body bytes read since the last call.
    QByteArray takeBody() { return std::exchange(m_body, {}); }
    qint64 bodySize() const { return m_bodySize; }
    // What the head announced, when it gave a usable Content-Length.
    std::optional<qint64> contentLength() const { return m_length; }

    // What made the response broken, in plain words; empty otherwise.
    const QString &problem() const { return m_problem; }

private:
    enum class Framing { Length, Chunked, UntilClose, None };
    enum class ChunkStep { Size, Data, DataEnd, Trailer };

    void readHead();
    // The head's lines that hold text, the status line first.
    bool parseHead(const QList<QByteArray> &lines);
    void chooseFraming();
    void readBody();
    void readChunks();
    void appendBody(QByteArrayView bytes);
    void breakOff(const QString &problem);
    void finish();

    State m_state = State::Head;
    QByteArray m_pending; // received, not yet read
    qsizetype m_headStart = 0;   // in m_pending: where the head being read starts
    qsizetype m_headScanned = 0; // in m_pending: the end of its last whole line
    bool m_headHasText = false;  // a line of it that is not blank is in
    bool m_headIsIn = false;
    int m_status = 0;
    QByteArray m_reason;
    QList<QPair<QByteArray, QByteArray>> m_headers;
    Framing m_framing = Framing::None;
    std::optional<qint64> m_length;
    ChunkStep m_chunkStep = ChunkStep::Size;
    qint64 m_chunkLeft = 0;
    QByteArray m_body;
    qint64 m_bodySize = 0;
    QString m_problem;
};
