#include "feeds/vendor.h"

namespace vendor {

QUrl serverUrl(const QString &override)
{
    return QUrl(override.isEmpty() ? QStringLiteral("http://") + host : override);
}

} // namespace vendor
