#!/usr/bin/env python3
"""Writes the sample draws that vorlan-demo-server serves.

One pool draw of 15 football and hockey matches, as each of the three
bookmakers publishes it: the pool's figures are the same in all three, the
bookmaker's own figures differ. The feeds are 8-bit Windows-1251 text with the
draw title alone in UTF-8, as the vendor's server sends them. MarathonBet's
feed carries no DATE and TIME.

Run it again after changing it; the output is the same on every run.
"""

import pathlib
import random

HERE = pathlib.Path(__file__).resolve().parent
DRAWS = HERE / "draws"
TITLE = "Тираж № 1234 Футбол-Хоккей"

RPL = "Премьер-лига России"
EPL = "Англия. Премьер-лига"
KHL = "КХЛ Hockey"
NHL = "NHL Hockey"

# league, date, time, home, away
MATCHES = [
    (RPL, "19.12.26", "14:00", "Зенит", "Спартак"),
    (RPL, "19.12.26", "16:30", "ЦСКА", "Локомотив"),
    (RPL, "19.12.26", "19:00", "Динамо Москва", "Краснодар"),
    (RPL, "20.12.26", "14:00", "Ростов", "Рубин"),
    (RPL, "20.12.26", "16:30", "Ахмат", "Крылья Советов"),
    (EPL, "19.12.26", "18:00", "Арсенал", "Челси"),
    (EPL, "19.12.26", "20:30", "Ливерпуль", "Манчестер Сити"),
    (EPL, "20.12.26", "19:30", "Тоттенхэм", "Манчестер Юнайтед"),
    (KHL, "19.12.26", "17:00", "СКА", "ЦСКА"),
    (KHL, "19.12.26", "19:30", "Авангард", "Металлург Мг"),
    (KHL, "20.12.26", "17:00", "Ак Барс", "Салават Юлаев"),
    (KHL, "20.12.26", "19:30", "Локомотив", "Торпедо"),
    (NHL, "20.12.26", "03:00", "Бостон Брюинз", "Торонто Мейпл Лифс"),
    (NHL, "20.12.26", "03:30", "Нью-Йорк Рейнджерс", "Вашингтон Кэпиталз"),
    (NHL, "21.12.26", "05:00", "Колорадо Эвеланш", "Эдмонтон Ойлерз"),
]

# file name, whether the feed has DATE and TIME, seed of the bookmaker's figures
BOOKMAKERS = [
    ("fonbet.xml", True, 11),
    ("marathon.xml", False, 22),
    ("1xbet.xml", True, 33),
]


def triple(home, draw):
    """Three whole percentages for 1, X and 2 that add up to 100."""
    away = 100 - home - draw
    return home, draw, away


def pool_triple(rng, hockey):
    draw = rng.randint(16, 24) if hockey else rng.randint(22, 32)
    home = rng.randint(25, 100 - draw - 20)
    return triple(home, draw)


def near(rng, base, spread):
    """A triple close to base, still adding up to 100."""
    home = max(5, base[0] + rng.randint(-spread, spread))
    draw = max(5, base[1] + rng.randint(-spread, spread))
    if home + draw > 90:
        draw = 90 - home
    return triple(home, draw)


def result_line(rng, base):
    separate = near(rng, base, 6)
    joint = near(rng, base, 8)
    count = rng.randint(8, 40)
    return "{}/{}/{}<br><b>{}/{}/{}({})</b>".format(*separate, *joint, count)


def field(name, value):
    return b"<" + name + b">" + value.encode("cp1251") + b"</" + name + b">\r\n"


def feed(with_date_time, seed):
    pool_rng = random.Random(1234)  # the pool is the same for every bookmaker
    book_rng = random.Random(seed)
    out = [b'<?xml version="1.0" encoding="windows-1251"?>\r\n', b"<VORLAN>\r\n"]
    out.append(b"<TIRAGE>" + TITLE.encode("utf-8") + b"</TIRAGE>\r\n")
    for number, (league, date, time, home, away) in enumerate(MATCHES, start=1):
        hockey = "Hockey" in league
        pool = pool_triple(pool_rng, hockey)
        pool_line = result_line(pool_rng, pool)
        book = near(book_rng, pool, 7)
        book_line = result_line(book_rng, book)
        out.append(b"<MATCH>\r\n")
        out.append(field(b"NUM", str(number)))
        out.append(field(b"LEAGUE", league))
        if with_date_time:
            out.append(field(b"DATE", date))
            out.append(field(b"TIME", time))
        out.append(field(b"HOME", home))
        out.append(field(b"AWAY", away))
        for name, value in zip((b"P1", b"DRAW", b"P2"), pool):
            out.append(field(name, str(value)))
        for name, value in zip((b"P1B", b"DRAWB", b"P2B"), book):
            out.append(field(name, str(value)))
        out.append(field(b"ITOG", pool_line))
        out.append(field(b"ITOG2", book_line))
        out.append(b"</MATCH>\r\n")
    out.append(b"</VORLAN>\r\n")
    return b"".join(out)


def main():
    (DRAWS / "vorlan").mkdir(parents=True, exist_ok=True)
    for name, with_date_time, seed in BOOKMAKERS:
        (DRAWS / "vorlan" / name).write_bytes(feed(with_date_time, seed))


if __name__ == "__main__":
    main()
