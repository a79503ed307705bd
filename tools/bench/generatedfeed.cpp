#include "tools/bench/generatedfeed.h"

#include "grid/cp1251.h"

#include <QRandomGenerator>

#include <array>

using namespace Qt::StringLiterals;

namespace {

const std::array<QString, 8> kTeams{u"Спартак"_s, u"ЦСКА"_s, u"Зенит"_s, u"Локомотив"_s,
                                    u"Динамо"_s, u"Краснодар"_s, u"Ростов"_s, u"Рубин"_s};
const std::array<QString, 4> kLeagues{u"Россия. Премьер-лига"_s, u"КХЛ Hockey"_s,
                                      u"England. Premier League"_s, u"NHL Hockey"_s};

// Three shares in percent that add up to 100.
std::array<int, 3> shares(QRandomGenerator &random)
{
    const int first = random.bounded(10, 70);
    const int second = random.bounded(5, 95 - first);
    return {first, second, 100 - first - second};
}

QByteArray triple(const std::array<int, 3> &v)
{
    return QByteArray::number(v[0]) + '/' + QByteArray::number(v[1]) + '/' + QByteArray::number(v[2]);
}

QByteArray resultLine(QRandomGenerator &random)
{
    return triple(shares(random)) + "<br><b>" + triple(shares(random)) + '('
        + QByteArray::number(random.bounded(1, 500)) + ")</b>";
}

QByteArray element(const char *name, const QByteArray &content)
{
    return '<' + QByteArray(name) + '>' + content + "</" + QByteArray(name) + '>';
}

} // namespace

std::optional<FeedShape> feedShapeNamed(const QString &name)
{
    for (FeedShape shape : {FeedShape::Plain, FeedShape::Unclosed, FeedShape::Nested}) {
        if (feedShapeName(shape) == name)
            return shape;
    }
    return std::nullopt;
}

QString feedShapeName(FeedShape shape)
{
    switch (shape) {
    case FeedShape::Plain:
        return u"plain"_s;
    case FeedShape::Unclosed:
        return u"unclosed"_s;
    case FeedShape::Nested:
        return u"nested"_s;
    }
    return {};
}

QByteArray generateFeed(int matches, FeedShape shape)
{
    QRandomGenerator random(20240312);
    QByteArray feed = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n<DRAW>\r\n"_ba;
    feed += element("TIRAGE", u"Тираж №1234"_s.toUtf8()) + "\r\n";
    for (int i = 0; i < matches; ++i) {
        if (shape == FeedShape::Unclosed && i > 0) {
            feed += "<MATCH>\r\n"_ba;
            continue;
        }
        const auto pool = shares(random);
        const auto book = shares(random);
        QByteArray match = "<MATCH>\r\n"_ba;
        match += element("LEAGUE", cp1251::fromUnicode(kLeagues[random.bounded(int(kLeagues.size()))]));
        match += element("NUM", QByteArray::number(i + 1));
        match += element("DATE", "12.03.2024"_ba) + element("TIME", "19:30"_ba);
        match += element("HOME", cp1251::fromUnicode(kTeams[random.bounded(int(kTeams.size()))]));
        match += element("AWAY", cp1251::fromUnicode(kTeams[random.bounded(int(kTeams.size()))]));
        match += element("P1", QByteArray::number(pool[0])) + element("DRAW", QByteArray::number(pool[1]))
            + element("P2", QByteArray::number(pool[2]));
        match += element("P1B", QByteArray::number(book[0])) + element("DRAWB", QByteArray::number(book[1]))
            + element("P2B", QByteArray::number(book[2]));
        match += element("ITOG", resultLine(random)) + element("ITOG2", resultLine(random));
        feed += shape == FeedShape::Nested ? match : match + "\r\n</MATCH>\r\n";
    }
    if (shape == FeedShape::Nested)
        feed += "</MATCH>";
    feed += "</DRAW>\r\n"_ba;
    return feed;
}
