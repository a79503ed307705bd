#include "feeds/httpresponse.h"

#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;
using State = HttpResponseReader::State;

Q_DECLARE_METATYPE(HttpResponseReader::State)

namespace {

struct Read
{
    State state;
    QByteArray body;
    QString problem;
};

// The answer in reads of `piece` bytes (all at once for 0), then the close.
Read readAnswer(const QByteArray &answer, qsizetype piece)
{
    HttpResponseReader reader;
    QByteArray body;
    const qsizetype step = piece > 0 ? piece : std::max<qsizetype>(answer.size(), 1);
    for (qsizetype at = 0; at < answer.size(); at += step) {
        reader.take(QByteArrayView(answer).sliced(at, std::min(step, answer.size() - at)));
        body += reader.takeBody();
    }
    reader.close();
    body += reader.takeBody();
    return {reader.state(), body, reader.problem()};
}

} // namespace

// The reader on answers the fuzzer found hard, read whole and cut into
// pieces: the outcome must not depend on how the bytes arrive.
class HttpResponseTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sameWhateverTheReads_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<State>("state");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("problem");

        const QByteArray chunked = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"_ba;
        const QString longLine = u"chunk line longer than 65,536 bytes after 0 bytes of the body"_s;
        QTest::newRow("chunk size after 70,000 zeros")
            << chunked + QByteArray(70'000, '0') + "5\r\nabcde\r\n0\r\n\r\n"_ba << State::Broken << QByteArray()
            << longLine;
        QTest::newRow("chunk extension of 70,000 bytes")
            << chunked + "5;"_ba + QByteArray(70'000, 'x') + "\r\nabcde\r\n0\r\n\r\n"_ba << State::Broken
            << QByteArray() << longLine;
        QTest::newRow("chunk size after 60,000 zeros")
            << chunked + QByteArray(60'000, '0') + "5\r\nabcde\r\n0\r\n\r\n"_ba << State::Done << "abcde"_ba
            << QString();
        QTest::newRow("trailer of 70,000 bytes")
            << chunked + "5\r\nabcde\r\n0\r\nX-T: "_ba + QByteArray(70'000, 't') + "\r\n\r\n"_ba << State::Broken
            << "abcde"_ba << u"chunk line longer than 65,536 bytes after 5 bytes of the body"_s;

        QByteArray interims;
        for (int i = 0; i < 300'000; ++i)
            interims += "HTTP/1.1 100 Continue\r\n\r\n"_ba;
        QTest::newRow("300,000 interim answers, then the answer")
            << interims + "HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\nabc"_ba << State::Done << "abc"_ba
            << QString();
        QTest::newRow("interim answers only") << interims.first(5'000) << State::Broken << QByteArray()
                                              << u"connection closed before any answer"_s;

        QByteArray shortLines = "HTTP/1.1 200 OK\r\n"_ba;
        for (int i = 0; i < 21'000; ++i)
            shortLines += "a:\n"_ba;
        QTest::newRow("a head of 21,000 short lines") << shortLines + "\r\nabc"_ba << State::Done << "abc"_ba
                                                      << QString();
        QTest::newRow("a head of 21,000 short lines, past the bound")
            << shortLines + QByteArray(3'000, 'b') + "\r\n\r\nabc"_ba << State::Broken << QByteArray()
            << u"response head longer than 65,536 bytes"_s;
    }

    void sameWhateverTheReads()
    {
        QFETCH(QByteArray, answer);
        QFETCH(State, state);
        QFETCH(QByteArray, body);
        QFETCH(QString, problem);

        for (const qsizetype piece : {qsizetype(0), qsizetype(1), qsizetype(7), qsizetype(4096)}) {
            const Read read = readAnswer(answer, piece);
            const QByteArray where = "in reads of " + QByteArray::number(piece) + " bytes";
            QVERIFY2(read.state == state, where.constData());
            QVERIFY2(read.body == body, where.constData());
            QVERIFY2(read.problem == problem, (where + ": " + read.problem.toUtf8()).constData());
        }
    }
};

QTEST_GUILESS_MAIN(HttpResponseTest)
#include "tst_httpresponse.moc"
