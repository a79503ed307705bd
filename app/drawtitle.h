#pragma once

#include <QString>

class QLabel;
struct FeedDownload;

// The draw title label after a load. A complete download shows the title as
// it came. Otherwise the label says what happened, in the skin's warning
// colour, and its tooltip gives the feed's address and the full reason.
void showDrawTitle(QLabel &label, const QString &title, const FeedDownload &download);

// The title (when one arrived) marked incomplete after a load stopped at
// rowLimit rows, with the download's own reason, if any, before the limit's.
void markRowLimitReached(QLabel &label, const QString &title, const FeedDownload &load, int rowLimit);
