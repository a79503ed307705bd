#include "feeds/httpresponse.h"

#include "grid/errortext.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Enough for any real chunk; more hex digits than this would not fit.
constexpr qsizetype maxChunkSizeDigits = 15;
constexpr qsizetype maxLengthDigits = 18;

bool isDigits(QByteArrayView text, bool hex)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [hex](char c) {
        return (c >= '0' && c <= '9') || (hex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
    });
}

// A value from the response, quoted in a message: Latin-1, cut when long.
QString quoted(QByteArrayView text)
{
    constexpr qsizetype shown = 40;
    QString out = QString::fromLatin1(text.first(std::min(text.size(), shown)));
    if (text.size() > shown)
        out += u"…"_s;
    return u"'"_s + out + u"'"_s;
}

QByteArray trimmedLine(QByteArray line)
{
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

} // namespace

QList<QByteArray> HttpResponseReader::headerValues(QByteArrayView name) const
{
    QList<QByteArray> values;
    for (const auto &[key, value] : m_headers) {
        if (QByteArrayView(key).compare(name, Qt::CaseInsensitive) == 0)
            values.append(value);
    }
    return values;
}

QByteArray HttpResponseReader::header(QByteArrayView name) const
{
    return headerValues(name).value(0);
}

void HttpResponseReader::take(QByteArrayView bytes)
{
    if (m_state == State::Done || m_state == State::Broken)
        return;
    m_pending.append(bytes);
    if (m_state == State::Head)
        readHead();
    if (m_state == State::Body)
        readBody();
}

void HttpResponseReader::close()
{
    switch (m_state) {
    case State::Head:
        breakOff(m_status == 0 && m_pending.isEmpty()
                     ? u"connection closed before any answer"_s
                     : u"connection closed inside the response head"_s);
        return;
    case State::Body:
        switch (m_framing) {
        case Framing::Length:
            breakOff(u"connection closed after %1 of %2 bytes"_s.arg(groupedNumber(m_bodySize),
                                                                     groupedNumber(*m_length)));
            return;
        case Framing::Chunked:
            breakOff(u"connection closed inside the chunked body after %1 bytes"_s.arg(
                groupedNumber(m_bodySize)));
            return;
        case Framing::UntilClose:
        case Framing::None:
            finish();
            return;
        }
        return;
    case State::Done:
    case State::Broken:
        return;
    }
}

void HttpResponseReader::readHead()
{
    // A head is read once its blank line is in. Each line is looked at once,
    // however the head comes cut into reads, and interim answers are dropped
    // as they go, so neither a dripped head nor a flood of them costs more
    // than their bytes.
    while (m_state == State::Head) {
        // The same bound for a line, whether or not its end is in yet.
        const qsizetype end = m_pending.indexOf('\n', m_headScanned);
        if ((end < 0 ? m_pending.size() : end + 1) - m_headStart > maxHeadSize) {
            breakOff(u"response head longer than %1 bytes"_s.arg(groupedNumber(maxHeadSize)));
            break;
        }
        if (end < 0)
            break;
        const qsizetype lineStart = m_headScanned;
        m_headScanned = end + 1;
        if (!trimmedLine(m_pending.sliced(lineStart, end - lineStart)).isEmpty()) {
            m_headHasText = true;
            continue;
        }
        if (!m_headHasText)
            continue;

        QList<QByteArray> lines;
        for (const QByteArray &line : m_pending.sliced(m_headStart, m_headScanned - m_headStart).split('\n')) {
            if (QByteArray text = trimmedLine(line); !text.isEmpty())
                lines.append(std::move(text));
        }
        m_headStart = m_headScanned;
        m_headHasText = false;
        if (!parseHead(lines))
            break;
        // An interim answer (100 Continue) comes before the real one.
        if (m_status >= 100 && m_status < 200) {
            m_status = 0;
            m_reason.clear();
            m_headers.clear();
            continue;
        }
        m_pending.remove(0, m_headStart);
        m_headStart = m_headScanned = 0;
        m_state = State::Body;
        chooseFraming();
        m_headIsIn = m_state != State::Broken;
        return;
    }
    if (m_state == State::Head) {
        m_pending.remove(0, m_headStart);
        m_headScanned -= m_headStart;
        m_headStart = 0;
    }
}

bool HttpResponseReader::parseHead(const QList<QByteArray> &lines)
{
    const QByteArray &start = lines.front();
    // "HTTP/1.1 200 OK"; the reason may be empty.
    if (!start.startsWith("HTTP/1.") || start.size() < 12 || start[8] != ' '
        || !isDigits(start.sliced(9, 3), false) || (start.size() > 12 && start[12] != ' ')) {
        breakOff(u"not an HTTP answer: "_s + quoted(start));
        return false;
    }
    m_status = start.sliced(9, 3).toInt();
    m_reason = start.size() > 13 ? start.sliced(13) : QByteArray();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray &line = lines[i];
        if (line.startsWith(' ') || line.startsWith('\t')) {
            // An old-style continuation of the header before.
            if (m_headers.isEmpty()) {
                breakOff(u"malformed header line "_s + quoted(line));
                return false;
            }
            m_headers.back().second += ' ' + line.trimmed();
            continue;
        }
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0 || line.first(colon).contains(' ') || line.first(colon).contains('\t')) {
            breakOff(u"malformed header line "_s + quoted(line));
            return false;
        }
        m_headers.append({line.first(colon), line.sliced(colon + 1).trimmed()});
    }
    return true;
}

void HttpResponseReader::chooseFraming()
{
    if (m_status == 204 || m_status == 304) {
        m_framing = Framing::None;
        finish();
        return;
    }

    QList<QByteArray> codings;
    for (const QByteArray &value : headerValues("Transfer-Encoding")) {
        for (const QByteArray &coding : value.split(',')) {
            const QByteArray name = coding.trimmed().toLower();
            if (!name.isEmpty() && name != "identity")
                codings.append(name);
        }
    }
    if (!codings.isEmpty()) {
        if (codings != QList<QByteArray>{"chunked"}) {
            breakOff(u"Transfer-Encoding "_s + quoted(codings.join(", ")) + u" is not supported"_s);
            return;
        }
        // Chunks frame the body; a Content-Length beside them counts for nothing.
        m_framing = Framing::Chunked;
        return;
    }

    const QList<QByteArray> lengths = headerValues("Content-Length");
    m_framing = Framing::UntilClose;
    if (lengths.isEmpty())
        return;
    for (const QByteArray &value : lengths) {
        if (!isDigits(value, false)) {
            m_problem = u"Content-Length "_s + quoted(value) + u" is not a number"_s;
            return;
        }
        if (value.size() > maxLengthDigits) {
            m_problem = u"Content-Length "_s + quoted(value) + u" is out of range"_s;
            return;
        }
        if (value.toLongLong() != lengths.front().toLongLong()) {
            m_problem = u"two Content-Length headers disagree: %1 and %2"_s.arg(
                QString::fromLatin1(lengths.front()), QString::fromLatin1(value));
            return;
        }
    }
    m_length = lengths.front().toLongLong();
    m_framing = Framing::Length;
    if (*m_length == 0)
        finish();
}

void HttpResponseReader::readBody()
{
    switch (m_framing) {
    case Framing::Length: {
        const qint64 room = *m_length - m_bodySize;
        appendBody(QByteArrayView(m_pending).first(std::min<qint64>(room, m_pending.size())));
        m_pending.clear(); // anything past the length is not ours
        if (m_bodySize == *m_length)
            finish();
        return;
    }
    case Framing::UntilClose:
        appendBody(m_pending);
        m_pending.clear();
        return;
    case Framing::Chunked:
        readChunks();
        return;
    case Framing::None:
        m_pending.clear();
        return;
    }
}

void HttpResponseReader::readChunks()
{
    qsizetype at = 0;
    while (m_state == State::Body) {
        if (m_chunkStep == ChunkStep::Data) {
            const qint64 size = std::min<qint64>(m_chunkLeft, m_pending.size() - at);
            appendBody(QByteArrayView(m_pending).sliced(at, size));
            at += size;
            m_chunkLeft -= size;
            if (m_chunkLeft > 0)
                break;
            m_chunkStep = ChunkStep::DataEnd;
            continue;
        }
        // The same bound for a line, whether or not its end is in yet.
        const qsizetype end = m_pending.indexOf('\n', at);
        if ((end < 0 ? m_pending.size() : end) - at > maxHeadSize) {
            breakOff(u"chunk line longer than %1 bytes after %2 bytes of the body"_s.arg(
                groupedNumber(maxHeadSize), groupedNumber(m_bodySize)));
            break;
        }
        if (end < 0)
            break;
        const QByteArray line = trimmedLine(m_pending.sliced(at, end - at));
        at = end + 1;
        switch (m_chunkStep) {
        case ChunkStep::Size: {
            const qsizetype extension = line.indexOf(';');
            const QByteArray size = (extension < 0 ? line : line.first(extension)).trimmed();
            if (!isDigits(size, true)) {
                breakOff(u"chunk size "_s + quoted(size)
                         + u" is not a hexadecimal number, after %1 bytes of the body"_s.arg(
                             groupedNumber(m_bodySize)));
                break;
            }
            QByteArrayView digits(size);
            while (digits.size() > 1 && digits.front() == '0')
                digits = digits.sliced(1);
            if (digits.size() > maxChunkSizeDigits) {
                breakOff(u"chunk size "_s + quoted(size) + u" is too large, after %1 bytes of the body"_s.arg(
                                                               groupedNumber(m_bodySize)));
                break;
            }
            m_chunkLeft = digits.toLongLong(nullptr, 16);
            m_chunkStep = m_chunkLeft == 0 ? ChunkStep::Trailer : ChunkStep::Data;
            break;
        }
        case ChunkStep::DataEnd:
            if (!line.isEmpty()) {
                breakOff(u"a chunk runs past its size, after %1 bytes of the body"_s.arg(
                    groupedNumber(m_bodySize)));
                break;
            }
            m_chunkStep = ChunkStep::Size;
            break;
        case ChunkStep::Trailer:
            if (line.isEmpty())
                finish();
            break;
        case ChunkStep::Data:
            break;
        }
    }
    m_pending.remove(0, at);
}

void HttpResponseReader::appendBody(QByteArrayView bytes)
{
    m_body.append(bytes);
    m_bodySize += bytes.size();
}

void HttpResponseReader::breakOff(const QString &problem)
{
    if (m_problem.isEmpty())
        m_problem = problem;
    m_state = State::Broken;
    m_pending.clear();
}

void HttpResponseReader::finish()
{
    m_state = m_problem.isEmpty() ? State::Done : State::Broken;
    m_pending.clear();
}
