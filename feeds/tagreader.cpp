#include "feeds/tagreader.h"

void ExtractTag(QByteArrayView text, QByteArrayView name, QByteArray &destination)
{
    const QByteArray open = '<' + name.toByteArray() + '>';
    const qsizetype openAt = text.indexOf(open);
    if (openAt < 0)
        return;
    const QByteArrayView rest = text.sliced(openAt + open.size());
    const QByteArray close = "</" + name.toByteArray() + '>';
    const qsizetype closeAt = rest.indexOf(close);
    if (closeAt < 0)
        return;
    // A new array first: text may be a view of destination itself.
    destination = rest.first(closeAt).toByteArray();
}
