#include "feeds/tagreader.h"

std::optional<QByteArrayView> FindTag(QByteArrayView text, QByteArrayView name)
{
    const QByteArray open = '<' + name.toByteArray() + '>';
    const qsizetype openAt = text.indexOf(open);
    if (openAt < 0)
        return std::nullopt;
    const QByteArrayView rest = text.sliced(openAt + open.size());
    const QByteArray close = "</" + name.toByteArray() + '>';
    const qsizetype closeAt = rest.indexOf(close);
    if (closeAt < 0)
        return std::nullopt;
    return rest.first(closeAt);
}

void ExtractTag(QByteArrayView text, QByteArrayView name, QByteArray &destination)
{
    // A new array first: text may be a view of destination itself.
    if (const auto content = FindTag(text, name))
        destination = content->toByteArray();
}
