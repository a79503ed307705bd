#include "feeds/tagscanner.h"
#include "feeds/tagreader.h"

#include <QTest>

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Stands for "left alone": no feed holds this byte.
const QByteArray kUntouched = "\x01untouched"_ba;

} // namespace

class TagReaderTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void extractTag_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("plain") << "<NUM>7</NUM>"_ba << "NUM"_ba << "7"_ba;
        QTest::newRow("empty content overwrites") << "<NUM></NUM>"_ba << "NUM"_ba << QByteArray("");
        QTest::newRow("no open tag") << "<DATE>1</DATE>"_ba << "NUM"_ba << kUntouched;
        QTest::newRow("open without close") << "<NUM>7"_ba << "NUM"_ba << kUntouched;
        QTest::newRow("close only") << "7</NUM>"_ba << "NUM"_ba << kUntouched;
        QTest::newRow("empty text") << QByteArray() << "NUM"_ba << kUntouched;
        QTest::newRow("close before open is passed over")
            << "</NUM>x<NUM>7</NUM>"_ba << "NUM"_ba << "7"_ba;
        QTest::newRow("close before open, none after") << "</NUM><NUM>7"_ba << "NUM"_ba << kUntouched;
        QTest::newRow("lower-case tags") << "<num>7</num>"_ba << "NUM"_ba << kUntouched;
        QTest::newRow("lower-case close") << "<NUM>7</num>"_ba << "NUM"_ba << kUntouched;
        QTest::newRow("attribute") << "<NUM id=\"1\">7</NUM>"_ba << "NUM"_ba << kUntouched;
        QTest::newRow("blank before >") << "<NUM >7</NUM>"_ba << "NUM"_ba << kUntouched;
        QTest::newRow("empty-element form") << "<NUM/>"_ba << "NUM"_ba << kUntouched;
        QTest::newRow("P1 skips a P1B before it")
            << "<P1B>45</P1B><P1>40</P1>"_ba << "P1"_ba << "40"_ba;
        QTest::newRow("P1 does not take P1B's close")
            << "<P1>40</P1B></P1>"_ba << "P1"_ba << "40</P1B>"_ba;
        QTest::newRow("DRAW skips DRAWB") << "<DRAWB>3</DRAWB><DRAW>4</DRAW>"_ba << "DRAW"_ba << "4"_ba;
        QTest::newRow("ITOG skips ITOG2") << "<ITOG2>a</ITOG2><ITOG>b</ITOG>"_ba << "ITOG"_ba << "b"_ba;
        QTest::newRow("nesting is not tracked")
            << "<M>a<M>b</M>c</M>"_ba << "M"_ba << "a<M>b"_ba;
        QTest::newRow("first of two") << "<NUM>1</NUM><NUM>2</NUM>"_ba << "NUM"_ba << "1"_ba;
        QTest::newRow("inner tags kept")
            << "<ITOG>40/35/25<br><b>38/30/32(17)</b></ITOG>"_ba << "ITOG"_ba
            << "40/35/25<br><b>38/30/32(17)</b>"_ba;
        QTest::newRow("blanks, line breaks and entities kept")
            << "<HOME>\r\n  A &amp; B \t</HOME>"_ba << "HOME"_ba << "\r\n  A &amp; B \t"_ba;
        QTest::newRow("8-bit bytes compared as they are")
            << "<\xc8\xc3\xd0\xc0>\xff\x80</\xc8\xc3\xd0\xc0>"_ba << "\xc8\xc3\xd0\xc0"_ba << "\xff\x80"_ba;
        QTest::newRow("open tag's > shared with content search")
            << "<A></A>"_ba << "A"_ba << QByteArray("");
        QTest::newRow("close tag overlapping the open one does not count")
            << "<A>"_ba << "A"_ba << kUntouched;
    }

    void extractTag()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, expected);

        const QByteArray before = text;
        QByteArray destination = kUntouched;
        ExtractTag(text, name, destination);
        QCOMPARE(destination, expected);
        QCOMPARE(text, before);
    }

    void destinationMayBeTheText()
    {
        QByteArray text = "<ITOG>40/35/25<br><b>38/30/32(17)</b></ITOG>tail"_ba;
        ExtractTag(text, "ITOG", text);
        QCOMPARE(text, "40/35/25<br><b>38/30/32(17)</b>"_ba);
    }

    // The scanner must find exactly what ExtractTag finds in every window,
    // taken in the order the loader takes them: starts never move back.
    void cursorAgreesWithExtractTag_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("name");

        QTest::newRow("two matches") << "x<M><N>1</N></M><M><N>2</N></M>"_ba << "N"_ba;
        QTest::newRow("overlapping") << "<M><M><N>1</N><N></N></M></N>"_ba << "N"_ba;
        QTest::newRow("nested same name") << "<M>a<M>b</M>c</M><M>"_ba << "M"_ba;
        QTest::newRow("close first") << "</P1><P1>a</P1B></P1><P1>"_ba << "P1"_ba;
        QTest::newRow("no close") << "<P1><P1><P1>"_ba << "P1"_ba;
        QTest::newRow("adjacent tags") << "<A></A><A></A>A>"_ba << "A"_ba;
        QTest::newRow("a < right before a tag") << "<<P1>a</<P1></P1><P1<P1>b</P1>"_ba << "P1"_ba;
        QTest::newRow("a name that begins another") << "<P1B>x</P1B><P1>y</P1B></P1>"_ba << "P1B"_ba;
        QTest::newRow("an end inside a value") << "<M><N>1</M></N><N>2</N></M></M>"_ba << "N"_ba;
        QTest::newRow("nested windows") << "<MATCH><N>1</N><MATCH><N>2</N></MATCH>"_ba << "N"_ba;
    }

    void cursorAgreesWithExtractTag()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, name);

        // Alone, and among other names that share the scan.
        std::vector<std::vector<QByteArrayView>> nameSets{{"M", "N", "P1B", "A"}, {"MATCH", "ITOG", "ITOG2"}};
        for (auto &names : nameSets) {
            if (std::find(names.begin(), names.end(), QByteArrayView(name)) == names.end())
                names.insert(names.begin() + 1, name);
        }
        nameSets.push_back({name});
        for (const auto &names : nameSets) {
            const int index = int(std::find(names.begin(), names.end(), QByteArrayView(name)) - names.begin());
            TagScanner scanner(text, names);
            for (qsizetype begin = 0; begin <= text.size(); ++begin) {
                for (qsizetype end = begin; end <= text.size(); ++end) {
                    QByteArray expected = kUntouched;
                    ExtractTag(QByteArrayView(text).sliced(begin, end - begin), name, expected);
                    // The other names are asked too, as the loader asks them.
                    for (int other = 0; other < int(names.size()); ++other) {
                        if (other != index)
                            scanner.find(other, begin, end);
                    }
                    const auto found = scanner.find(index, begin, end);
                    const QByteArray actual = found.isNull() ? kUntouched : found.toByteArray();
                    QVERIFY2(actual == expected,
                             qPrintable(u"window %1..%2, %3 names"_s.arg(begin).arg(end).arg(names.size())));
                }
            }
        }
    }

    // The same windows when each ends at the first close tag of another
    // name, which findBefore is not told: it must still find what ExtractTag
    // finds there, and closesAtOrAfter must know whether that tag exists.
    void findBeforeAgreesWithExtractTag_data() { cursorAgreesWithExtractTag_data(); }

    void findBeforeAgreesWithExtractTag()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, name);

        std::vector<QByteArrayView> names{"M", "N", "P1B", "A", "MATCH", "ITOG"};
        if (std::find(names.begin(), names.end(), QByteArrayView(name)) == names.end())
            names.push_back(name);
        const int index = int(std::find(names.begin(), names.end(), QByteArrayView(name)) - names.begin());
        for (int endName = 0; endName < int(names.size()); ++endName) {
            if (endName == index)
                continue;
            const QByteArray closeTag = "</" + names[std::size_t(endName)].toByteArray() + '>';
            TagScanner scanner(text, names);
            for (qsizetype begin = 0; begin <= text.size(); ++begin) {
                const qsizetype end = text.indexOf(closeTag, begin);
                const QString where = u"from %1 to the first %2"_s.arg(begin).arg(QString::fromLatin1(closeTag));
                QVERIFY2(scanner.closesAtOrAfter(endName, begin) == (end >= 0), qPrintable(where));
                if (end < 0)
                    continue;
                QByteArray expected = kUntouched;
                ExtractTag(QByteArrayView(text).sliced(begin, end - begin), name, expected);
                // The other names are asked too, as the loader asks them.
                for (int other = 0; other < int(names.size()); ++other) {
                    if (other != index && other != endName)
                        scanner.findBefore(other, begin, endName);
                }
                const auto found = scanner.findBefore(index, begin, endName);
                const QByteArray actual = found.isNull() ? kUntouched : found.toByteArray();
                QVERIFY2(actual == expected, qPrintable(where));
            }
        }
    }

    void cursorOpenAt()
    {
        const QByteArray text = "<M>a</M><M>b<M>"_ba;
        TagScanner scanner(text, {"N", "M"});
        QCOMPARE(scanner.openAt(1, 0), 0);
        QCOMPARE(scanner.openAt(1, 1), 8);
        QCOMPARE(scanner.openAt(1, 8), 8);
        QCOMPARE(scanner.openAt(1, 9), 12);
        QCOMPARE(scanner.openAt(1, 13), -1);
        QCOMPARE(scanner.openAt(1, text.size()), -1);
        QCOMPARE(scanner.openAt(0, 0), -1);
    }
};

QTEST_GUILESS_MAIN(TagReaderTest)
#include "tst_tagreader.moc"
