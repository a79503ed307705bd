// libFuzzer target for the HTTP response reader. The first byte chooses how
// the rest, what a server sends, is cut into reads; the answer is read once
// whole and once in those pieces, then the connection closes. Every broken
// invariant aborts, so the fuzzer (or the replay driver) reports it with its
// input.

#include "feeds/httpresponse.h"
#include "grid/errortext.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

using namespace Qt::StringLiterals;
using State = HttpResponseReader::State;

namespace {

[[noreturn]] void fail(const char *invariant, const QString &detail)
{
    std::fprintf(stderr, "vorlan-fuzz-http: broken invariant: %s%s%s\n", invariant,
                 detail.isEmpty() ? "" : ": ", detail.toUtf8().constData());
    std::fflush(stderr);
    std::abort();
}

void require(bool holds, const char *invariant, const QString &detail = {})
{
    if (!holds)
        fail(invariant, detail);
}

QString stateName(State state)
{
    switch (state) {
    case State::Head:
        return u"Head"_s;
    case State::Body:
        return u"Body"_s;
    case State::Done:
        return u"Done"_s;
    case State::Broken:
        return u"Broken"_s;
    }
    return u"?"_s;
}

// Later states never give way to earlier ones.
int rank(State state)
{
    return state == State::Broken ? int(State::Done) : int(state);
}

// The cuts: selector % 8 sets the largest piece (1 to 128 bytes), the whole
// selector seeds the sizes; a piece of 0 bytes is an empty read.
class Cuts
{
public:
    explicit Cuts(std::uint8_t selector)
        : m_largest(qsizetype(1) << (selector % 8)), m_state(0x9E3779B9u * (selector + 1u))
    {
    }

    qsizetype next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return qsizetype(m_state % std::uint32_t(m_largest + 1));
    }

private:
    qsizetype m_largest;
    std::uint32_t m_state;
};

struct Reading
{
    State state = State::Head;
    bool headIsIn = false;
    int status = 0;
    QByteArray reason;
    QList<QByteArray> lengths;
    QList<QByteArray> codings;
    std::optional<qint64> contentLength;
    QByteArray body;
    QString problem;
};

// What a reader shows between reads; it only ever moves on.
void checkStep(const HttpResponseReader &reader, const Reading &before, const QByteArray &piece)
{
    const State state = reader.state();
    require(rank(state) >= rank(before.state), "the state never goes back",
            stateName(before.state) + u" -> "_s + stateName(state));
    require((before.state != State::Done && before.state != State::Broken)
                || (state == before.state && piece.isEmpty()),
            "nothing changes and no body comes once the answer is done or broken");
    require(!before.headIsIn || reader.headIsIn(), "the head stays in");
    require(state != State::Head || !reader.headIsIn(), "a reader still in the head has no head");
    require(state != State::Head || piece.isEmpty(), "no body before the head is in");
    require(state == State::Broken || state == State::Head || reader.headIsIn(),
            "a body or a whole answer has its head in", stateName(state));
    require(reader.headIsIn() || (before.body.isEmpty() && piece.isEmpty()), "no body without a head");
    require(state != State::Broken || !reader.problem().isEmpty(), "a broken answer says what broke it");
    require(state != State::Done || reader.problem().isEmpty(), "a whole answer has no problem",
            reader.problem());
    if (reader.headIsIn()) {
        require(reader.status() < 100 || reader.status() >= 200, "an interim answer is never the answer",
                QString::number(reader.status()));
    }
}

Reading read(QByteArrayView answer, std::optional<std::uint8_t> selector)
{
    HttpResponseReader reader;
    Reading reading;
    // A read of the bytes given, or the close.
    const auto step = [&](std::optional<QByteArrayView> bytes) {
        if (bytes)
            reader.take(*bytes);
        else
            reader.close();
        const QByteArray piece = reader.takeBody();
        checkStep(reader, reading, piece);
        reading.state = reader.state();
        reading.headIsIn = reader.headIsIn();
        reading.body += piece;
        require(reader.bodySize() == reading.body.size(), "bodySize counts every body byte handed out",
                QString::number(reader.bodySize()) + u" / "_s + QString::number(reading.body.size()));
    };

    if (selector) {
        Cuts cuts(*selector);
        for (qsizetype at = 0; at < answer.size();) {
            const qsizetype size = std::min(cuts.next(), answer.size() - at);
            step(answer.sliced(at, size));
            at += size;
        }
    } else {
        step(answer);
    }
    step(std::nullopt);
    require(reading.state == State::Done || reading.state == State::Broken,
            "after the close the answer is done or broken", stateName(reading.state));

    reading.status = reader.status();
    reading.reason = reader.reasonPhrase();
    reading.lengths = reader.headerValues("content-length");
    reading.codings = reader.headerValues("TRANSFER-ENCODING");
    reading.contentLength = reader.contentLength();
    reading.problem = reader.problem();
    return reading;
}

void requireSame(const Reading &whole, const Reading &cut)
{
    require(whole.state == cut.state, "the same state whatever the cuts",
            stateName(whole.state) + u" / cut: "_s + stateName(cut.state));
    require(whole.problem == cut.problem, "the same problem whatever the cuts",
            whole.problem + u" / cut: "_s + cut.problem);
    require(whole.headIsIn == cut.headIsIn && whole.status == cut.status && whole.reason == cut.reason
                && whole.lengths == cut.lengths && whole.codings == cut.codings
                && whole.contentLength == cut.contentLength,
            "the same head whatever the cuts");
    require(whole.body == cut.body, "the same body whatever the cuts",
            QString::number(whole.body.size()) + u" / cut: "_s + QString::number(cut.body.size()));
}

// A line of the answer from `at`: its text without the CR LF, and where the
// next one starts; nothing when no LF follows.
struct Line
{
    QByteArrayView text;
    qsizetype next;
};

std::optional<Line> lineAt(QByteArrayView bytes, qsizetype at)
{
    const qsizetype end = bytes.indexOf('\n', at);
    if (end < 0)
        return std::nullopt;
    QByteArrayView text = bytes.sliced(at, end - at);
    if (text.endsWith('\r'))
        text.chop(1);
    return Line{text, end + 1};
}

// Where the answer's own head starts and its body begins, found with plain
// scans: a head ends at the first empty line after a line of text, and one
// whose status starts with 1 is an interim answer that another head follows.
struct Head
{
    qsizetype start = 0;
    qsizetype bodyStart = 0;
};

std::optional<Head> findHead(QByteArrayView answer)
{
    Head head;
    bool text = false;
    bool firstLine = true;
    bool interim = false;
    for (qsizetype at = 0;;) {
        const std::optional<Line> line = lineAt(answer, at);
        if (!line)
            return std::nullopt;
        at = line->next;
        if (!line->text.isEmpty()) {
            if (firstLine)
                interim = line->text.size() >= 10 && line->text[9] == '1';
            firstLine = false;
            text = true;
            continue;
        }
        if (!text)
            continue;
        if (!interim) {
            head.bodyStart = at;
            return head;
        }
        head.start = at;
        text = false;
        firstLine = true;
    }
}

bool isHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int hexValue(char c)
{
    return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n';
}

// Chunks taken apart in one pass over the whole body, with the reader's
// bounds: no line longer than a head may be, no size above 15 hex digits.
struct Chunks
{
    QByteArray data;
    bool complete = false;
};

Chunks dechunk(QByteArrayView body)
{
    Chunks chunks;
    qsizetype at = 0;
    const auto nextLine = [&]() -> std::optional<QByteArrayView> {
        const std::optional<Line> line = lineAt(body, at);
        const qsizetype end = line ? line->next - 1 : body.size();
        if (end - at > HttpResponseReader::maxHeadSize || !line)
            return std::nullopt;
        at = line->next;
        return line->text;
    };
    while (true) {
        const std::optional<QByteArrayView> sizeLine = nextLine();
        if (!sizeLine)
            return chunks;
        const qsizetype extension = sizeLine->indexOf(';');
        QByteArrayView digits = extension < 0 ? *sizeLine : sizeLine->first(extension);
        while (!digits.isEmpty() && isSpace(digits.front()))
            digits = digits.sliced(1);
        while (!digits.isEmpty() && isSpace(digits.back()))
            digits.chop(1);
        if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), isHex))
            return chunks;
        while (digits.size() > 1 && digits.front() == '0')
            digits = digits.sliced(1);
        if (digits.size() > 15)
            return chunks;
        qint64 size = 0;
        for (char c : digits)
            size = size * 16 + hexValue(c);
        if (size == 0)
            break;
        const qsizetype available = std::min<qint64>(size, body.size() - at);
        chunks.data += body.sliced(at, available);
        at += available;
        if (available < size)
            return chunks;
        const std::optional<QByteArrayView> end = nextLine();
        if (!end || !end->isEmpty())
            return chunks;
    }
    // Trailer lines up to an empty one.
    while (const std::optional<QByteArrayView> trailer = nextLine()) {
        if (trailer->isEmpty()) {
            chunks.complete = true;
            return chunks;
        }
    }
    return chunks;
}

bool isPlainDecimal(QByteArrayView value)
{
    return !value.isEmpty() && value.size() <= 18
           && std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
}

qint64 decimalValue(QByteArrayView value)
{
    qint64 number = 0;
    for (char c : value)
        number = number * 10 + (c - '0');
    return number;
}

// The body the head's framing gives, read off the whole answer by other
// means, and whether the answer is whole.
void checkFraming(QByteArrayView answer, const Reading &reading)
{
    if (!reading.headIsIn) {
        require(reading.state == State::Broken && reading.body.isEmpty(),
                "an answer whose head never came in is broken, with no body");
        return;
    }
    const std::optional<Head> head = findHead(answer);
    require(head.has_value(), "a head that is in ends in an empty line");
    require(head->bodyStart - head->start <= HttpResponseReader::maxHeadSize,
            "a head that is in is within the head bound", QString::number(head->bodyStart - head->start));
    const QByteArrayView rest = answer.sliced(head->bodyStart);
    require(reading.body.size() <= rest.size(), "the body is never longer than the bytes after the head",
            QString::number(reading.body.size()) + u" / "_s + QString::number(rest.size()));

    if (reading.status == 204 || reading.status == 304) {
        require(reading.state == State::Done && reading.body.isEmpty(), "204 and 304 are whole, with no body");
        return;
    }

    QList<QByteArray> codings;
    for (const QByteArray &value : reading.codings) {
        for (const QByteArray &coding : value.split(',')) {
            const QByteArray name = coding.trimmed().toLower();
            if (!name.isEmpty() && name != "identity")
                codings.append(name);
        }
    }
    if (!codings.isEmpty()) {
        require(codings == QList<QByteArray>{"chunked"}, "only chunked comes in as a transfer coding");
        const Chunks chunks = dechunk(rest);
        require(reading.body == chunks.data, "a chunked body is its chunks' data",
                QString::number(reading.body.size()) + u" / plain: "_s + QString::number(chunks.data.size()));
        require((reading.state == State::Done) == chunks.complete,
                "a chunked answer is whole when its last chunk and trailer are in", stateName(reading.state));
        return;
    }

    if (reading.lengths.isEmpty()) {
        require(reading.state == State::Done && reading.body == rest,
                "without a length the body is all up to the close");
        require(!reading.contentLength, "no length without a Content-Length");
        return;
    }
    const QByteArray &first = reading.lengths.front();
    const bool usable = std::all_of(reading.lengths.begin(), reading.lengths.end(), [&](const QByteArray &v) {
        return isPlainDecimal(v) && decimalValue(v) == decimalValue(first);
    });
    if (!usable) {
        require(reading.state == State::Broken
                    && (reading.problem.startsWith(u"Content-Length "_s)
                        || reading.problem.startsWith(u"two Content-Length headers disagree"_s)),
                "an unusable Content-Length breaks the answer", reading.problem);
        require(!reading.contentLength, "no length from an unusable Content-Length");
        require(reading.body == rest, "an unusable Content-Length hands out all up to the close");
        return;
    }
    const qint64 length = decimalValue(first);
    require(reading.contentLength == length, "the length is the Content-Length's");
    if (rest.size() >= length) {
        require(reading.state == State::Done, "an answer with all its Content-Length bytes is whole");
        require(reading.body == rest.first(length), "a whole body has exactly its Content-Length bytes");
    } else {
        require(reading.state == State::Broken && reading.body == rest,
                "an answer short of its Content-Length is broken, with all it got");
        require(reading.problem
                    == u"connection closed after %1 of %2 bytes"_s.arg(groupedNumber(rest.size()),
                                                                       groupedNumber(length)),
                "a short body says how short", reading.problem);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QByteArrayView answer(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    const Reading whole = read(answer, std::nullopt);
    const Reading cut = read(answer, data[0]);
    requireSame(whole, cut);
    checkFraming(answer, whole);
    return 0;
}
