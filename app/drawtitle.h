#pragma once

#include <QString>

class QLabel;
class QUrl;
struct FeedDownload;

// The draw title label after a load. A complete download shows the title as
// it came. Otherwise the label says what happened, in the skin's warning
// colour, and its tooltip gives the feed's address and the full reason.
void showDrawTitle(QLabel &label, const QString &title, const FeedDownload &download);

// "No draw: " and the reason.
void showNoDraw(QLabel &label, const QUrl &feed, const QString &reason);

// The title (when one arrived) marked incomplete; reason says why the rows
// stop short (a broken transfer, a limit on rows).
void markDrawIncomplete(QLabel &label, const QString &title, const QUrl &feed, const QString &reason);
