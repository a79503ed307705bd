#include "feeds/bookmaker.h"

using namespace Qt::StringLiterals;

const BookmakerInfo &bookmakerInfo(Bookmaker bookmaker)
{
    static const BookmakerInfo fonbet{u"FonBet"_s, 1, "/vorlan/fonbet.xml"_ba, true};
    static const BookmakerInfo marathon{u"Marathon"_s, 2, "/vorlan/marathon.xml"_ba, false};
    static const BookmakerInfo onexbet{u"1XBET"_s, 3, "/vorlan/1xbet.xml"_ba, true};
    switch (bookmaker) {
    case Bookmaker::FonBet:
        return fonbet;
    case Bookmaker::MarathonBet:
        return marathon;
    case Bookmaker::OneXBet:
        break;
    }
    return onexbet;
}
