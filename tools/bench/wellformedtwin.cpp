#include "tools/bench/wellformedtwin.h"

QByteArray wellFormedTwin(QByteArrayView feed)
{
    qsizetype rootClose = feed.lastIndexOf(QByteArrayView("</DRAW>"));
    if (rootClose < 0)
        rootClose = feed.size();
    QByteArray twin;
    twin.reserve(feed.size() + feed.size() / 16);
    qsizetype openMatches = 0;
    qsizetype from = 0;
    for (qsizetype at = feed.indexOf('<'); at >= 0 && at < rootClose; at = feed.indexOf('<', at + 1)) {
        const QByteArrayView rest = feed.sliced(at);
        if (rest.startsWith("<br>")) {
            twin += feed.sliced(from, at - from);
            twin += "<br/>";
            from = at + 4;
        } else if (rest.startsWith("<MATCH>")) {
            ++openMatches;
        } else if (rest.startsWith("</MATCH>")) {
            --openMatches;
        }
    }
    twin += feed.sliced(from, rootClose - from);
    for (; openMatches > 0; --openMatches)
        twin += "</MATCH>";
    twin += feed.sliced(rootClose);
    return twin;
}
