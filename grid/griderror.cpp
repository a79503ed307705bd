#include "grid/griderror.h"

using namespace Qt::StringLiterals;

namespace {

QString quoted(QStringView text)
{
    if (text.size() <= GridError::kQuotedValueLength)
        return text.toString();
    return text.first(GridError::kQuotedValueLength).toString() + u'\u2026';
}

} // namespace

GridError GridError::notAFloatingPointValue(QStringView text)
{
    return GridError(u"'%1' is not a valid floating point value"_s.arg(quoted(text)));
}

GridError GridError::notAnInteger(QStringView text)
{
    return GridError(u"'%1' is not a valid integer value"_s.arg(quoted(text)));
}
