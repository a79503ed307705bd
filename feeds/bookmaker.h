#pragma once

#include <QByteArray>
#include <QString>

enum class Bookmaker { FonBet, MarathonBet, OneXBet };

struct BookmakerInfo
{
    QString tabCaption; // caption of the draw tab while chosen
    int tabImage;       // index of the draw tab's picture
    QByteArray feedPath;
    bool readsDateTime; // MarathonBet's feed gives no usable date and time
};

const BookmakerInfo &bookmakerInfo(Bookmaker bookmaker);
