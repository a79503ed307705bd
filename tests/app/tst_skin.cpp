#include "app/mainwindow.h"
#include "app/skin.h"
#include "feeds/httpclient.h"
#include "tests/app/fakedesktop.h"
#include "views/skinelement.h"
#include "views/skincaption.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>
#include <QResource>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QStyle>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Mean and spread of the luminance over a rectangle of an image.
struct Luminance
{
    double mean = 0;
    double deviation = 0;
};

Luminance luminance(const QImage &image, const QRect &area)
{
    double sum = 0, squares = 0;
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const double v = qGray(image.pixel(x, y));
            sum += v;
            squares += v * v;
            ++n;
        }
    }
    const double mean = sum / n;
    return {mean, std::sqrt(squares / n - mean * mean)};
}

// A frameless window like the program's, with a client area under the caption.
struct SkinnedWindow
{
    QWidget window;
    SkinCaption *caption;
    QLineEdit *edit;

    SkinnedWindow()
    {
        window.setWindowFlags(Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint
                              | Qt::WindowSystemMenuHint);
        window.setWindowTitle(u"Vorlan"_s);
        caption = new SkinCaption(&window);
        const QSize client(300, 200);
        window.setFixedSize(SkinCaption::windowSize(client));
        edit = new QLineEdit(&window);
        edit->setGeometry(QRect(SkinCaption::clientRect(client).topLeft() + QPoint(10, 10),
                                QSize(120, 22)));
        window.move(100, 100);
    }

    bool showActive()
    {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }

    QPoint captionPoint() const { return QPoint(caption->width() / 2, SkinCaption::height() / 2); }
};

QColor pixelAt(QWidget *widget, QPoint pos)
{
    return widget->grab().toImage().pixelColor(pos);
}

} // namespace

class TestSkin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void pictures_data();
    void pictures();
    void skinPicturesExist();
    void skinStoredCompressed();
    void skinElementsInUseHaveRules();
    void aboutPictureLeavesRoomForControls();
    void applySkinSetsStyleFontAndIcon();

    void selectionShowsOnlyWithFocus_data();
    void selectionShowsOnlyWithFocus();

    void captionFollowsWindow();
    void frameDrawnAroundClient();
    void systemMenuOffersMinimizeAndClose();
    void systemMenuCloseClosesWindow();
    void altF4ClosesWindow();
    void captionButtons_data();
    void captionButtons();
    void dragMovesWindow();
    void doubleClickChangesNothing();
    void inactiveCaptionLooksDifferent();
};

void TestSkin::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true); // the window reads its settings
    applySkin(*qApp);
}

void TestSkin::pictures_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("clearCorners");

    const QSize small(16, 16);
    QTest::newRow("football") << u":/pictures/football.png"_s << small << true;
    QTest::newRow("puck") << u":/pictures/puck.png"_s << small << true;
    QTest::newRow("flag") << u":/pictures/flag.png"_s << small << true;
    QTest::newRow("info") << u":/pictures/info.png"_s << small << true;
    QTest::newRow("fonbet") << u":/pictures/fonbet.png"_s << small << true;
    QTest::newRow("marathon") << u":/pictures/marathon.png"_s << small << true;
    QTest::newRow("onexbet") << u":/pictures/onexbet.png"_s << small << true;
    for (int size : {16, 24, 32, 64}) {
        QTest::addRow("icon%d", size)
            << u":/pictures/icon%1.png"_s.arg(size) << QSize(size, size) << true;
    }
    QTest::newRow("about") << u":/pictures/about.jpg"_s << QSize(800, 600) << false;
}

// Every picture the program refers to is in the resources, at its size, and
// the small ones are drawn on a transparent ground.
void TestSkin::pictures()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(bool, clearCorners);

    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), size);
    if (!clearCorners)
        return;
    QVERIFY(image.hasAlphaChannel());
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    // The grid's header shows the flag's bottom-left pixel as transparent.
    for (QPoint corner : {QPoint(0, 0), QPoint(size.width() - 1, 0), QPoint(0, size.height() - 1),
                          QPoint(size.width() - 1, size.height() - 1)}) {
        QCOMPARE(qAlpha(argb.pixel(corner)), 0);
    }
    QCOMPARE(qAlpha(argb.pixel(size.width() / 2, size.height() / 2)), 255);
}

// A picture the skin names but the resources lack would silently draw nothing.
void TestSkin::skinPicturesExist()
{
    const QString sheet = skinStyleSheet();
    static const QRegularExpression url(uR"(url\(([^)]+)\))"_s);
    int count = 0;
    for (const QRegularExpressionMatch &m : url.globalMatch(sheet)) {
        const QString path = m.captured(1);
        QVERIFY2(!QImage(path).isNull(), qPrintable(path));
        ++count;
    }
    QVERIFY(count >= 10);
}

void TestSkin::skinStoredCompressed()
{
    const QResource stored(u":/skin/vorlan.qss"_s);
    QVERIFY(stored.isValid());
    QCOMPARE(stored.compressionAlgorithm(), QResource::ZlibCompression);
    QVERIFY(stored.size() < stored.uncompressedSize());

    // Read back as plain text, whole.
    const QString sheet = skinStyleSheet();
    QCOMPARE(sheet.toUtf8().size(), stored.uncompressedSize());
    QVERIFY(sheet.contains(u"QHeaderView::section"_s));
}

// Every element of the skin that a control of the real window names is drawn
// by a rule of the style sheet; a name without a rule falls back to the plain look.
void TestSkin::skinElementsInUseHaveRules()
{
    FakeDesktop desktop;
    HttpClient http;
    TForm1 form(desktop, http, QUrl(u"http://127.0.0.1:9/"_s));

    QSet<QString> inUse;
    QList<QWidget *> widgets = form.findChildren<QWidget *>();
    widgets << &form;
    for (const QWidget *widget : std::as_const(widgets)) {
        if (const QString element = skinelement::of(widget); !element.isEmpty())
            inUse << element;
    }
    const QSet<QString> expected{u"form"_s,  u"tab"_s,      u"stdlabel"_s, u"resizebutton"_s,
                                 u"panel"_s, u"radiobox"_s, u"label"_s,    u"button"_s};
    QCOMPARE(inUse, expected);

    const QString sheet = skinStyleSheet();
    for (const QString &element : std::as_const(inUse)) {
        const QString selector = u"[skinElement=\"%1\"]"_s.arg(element);
        QVERIFY2(sheet.contains(selector), qPrintable(element));
    }
}

// The version label, the link and the start button sit on the picture; their
// places must be calm, and dark enough for the skin's white label text.
void TestSkin::aboutPictureLeavesRoomForControls()
{
    QFile file(u":/pictures/about.jpg"_s);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray jpeg = file.readAll();
    QVERIFY2(jpeg.size() > 150 * 1024 && jpeg.size() < 260 * 1024,
             QByteArray::number(jpeg.size()).constData());
    QVERIFY(jpeg.startsWith("\xFF\xD8"_ba));
    QVERIFY(jpeg.contains("\xFF\xC0"_ba));  // baseline frame
    QVERIFY(!jpeg.contains("\xFF\xC2"_ba)); // no progressive frame

    const QImage page = QImage::fromData(jpeg).scaled(683, 486, Qt::IgnoreAspectRatio,
                                                      Qt::SmoothTransformation);
    const Luminance corner = luminance(page, QRect(580, 0, 100, 45));
    QVERIFY2(corner.deviation < 12, qPrintable(QString::number(corner.deviation)));
    QVERIFY2(corner.mean < 90, qPrintable(QString::number(corner.mean)));
    const Luminance button = luminance(page, QRect(440, 352, 137, 41));
    QVERIFY2(button.deviation < 12, qPrintable(QString::number(button.deviation)));
}

void TestSkin::applySkinSetsStyleFontAndIcon()
{
    QVERIFY(!qApp->styleSheet().isEmpty());
    QCOMPARE(qApp->styleSheet(), skinStyleSheet());

    QWidget plain;
    const QFontInfo font(plain.font());
    QCOMPARE(font.pixelSize(), 11);
    QVERIFY2(font.family() == u"Arial"_s || font.family() == u"Liberation Sans"_s,
             qPrintable(font.family()));

    const QList<QSize> sizes = qApp->windowIcon().availableSizes();
    for (int size : {16, 24, 32, 64})
        QVERIFY(sizes.contains(QSize(size, size)));
}

void TestSkin::selectionShowsOnlyWithFocus_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("selection");
    QTest::newRow("match grid") << u"NX"_s << QColor(128, 0, 0);
    QTest::newRow("detail grid") << u"MX"_s << QColor();
}

// The match grid selects in maroon, the detail grid in the system highlight,
// and neither paints a selection while it lacks the focus.
void TestSkin::selectionShowsOnlyWithFocus()
{
    QFETCH(QString, name);
    QFETCH(QColor, selection);

    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *view = new QTableView;
    view->setObjectName(name);
    auto *other = new QLineEdit;
    layout->addWidget(view);
    layout->addWidget(other);
    QStandardItemModel model(3, 2);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 2; ++column)
            model.setItem(row, column, new QStandardItem());
    }
    view->setModel(&model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->selectRow(1);
    window.resize(300, 200);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    if (!selection.isValid())
        selection = QApplication::palette().color(QPalette::Active, QPalette::Highlight);
    QVERIFY(selection != QColor(Qt::white));

    const QPoint cell = view->visualRect(model.index(1, 1)).center();
    view->setFocus();
    QTRY_VERIFY(view->hasFocus());
    QCOMPARE(view->viewport()->grab().toImage().pixelColor(cell), selection);

    other->setFocus();
    QTRY_VERIFY(!view->hasFocus());
    QCOMPARE(view->viewport()->grab().toImage().pixelColor(cell), QColor(Qt::white));
}

void TestSkin::captionFollowsWindow()
{
    SkinnedWindow w;
    QVERIFY(w.showActive());
    QCOMPARE(w.caption->objectName(), u"spDynamicSkinForm1"_s);
    QCOMPARE(w.caption->geometry(), QRect(0, 0, w.window.width(), SkinCaption::height()));
    auto *title = w.caption->findChild<QLabel *>(u"skinCaptionTitle"_s);
    QVERIFY(title);
    QCOMPARE(title->text(), u"Vorlan"_s);
    w.window.setWindowTitle(u"Other"_s);
    QCOMPARE(title->text(), u"Other"_s);

    // Client area: inside the border on three sides, under the caption.
    const QSize client(685, 508);
    const QSize outer = SkinCaption::windowSize(client);
    const QRect inner = SkinCaption::clientRect(client);
    QCOMPARE(inner.top(), SkinCaption::height());
    QCOMPARE(inner.left(), outer.width() - 1 - inner.right());
    QCOMPARE(outer.height() - 1 - inner.bottom(), SkinCaption::border());
}

// The skin draws the border; the client area shows the window's background.
void TestSkin::frameDrawnAroundClient()
{
    SkinnedWindow w;
    QVERIFY(w.showActive());
    const QImage shot = w.window.grab().toImage();
    const int middle = w.window.height() - 20;
    const QColor inside = shot.pixelColor(SkinCaption::border() + 2, middle);
    QVERIFY(inside.lightness() > 200);
    // A blue frame on a pale ground, left, right and bottom.
    for (QPoint edge : {QPoint(0, middle), QPoint(w.window.width() - 1, middle),
                        QPoint(w.window.width() / 2, w.window.height() - 1)}) {
        const QColor frame = shot.pixelColor(edge);
        QVERIFY2(frame.blue() > frame.red() + 60 && frame.lightness() < 140,
                 qPrintable(frame.name()));
    }
}

void TestSkin::systemMenuOffersMinimizeAndClose()
{
    SkinnedWindow w;
    QVERIFY(w.showActive());
    auto *icon = w.caption->findChild<QLabel *>(u"skinCaptionIcon"_s);
    QVERIFY(icon);
    QVERIFY(!icon->pixmap().isNull());
    QTest::mouseClick(icon, Qt::LeftButton);
    QMenu *menu = w.caption->systemMenu();
    QTRY_VERIFY(menu->isVisible());

    QStringList texts;
    QAction *close = nullptr;
    for (QAction *action : menu->actions()) {
        if (action->isSeparator())
            continue;
        texts << action->text();
        if (action->text() == u"Close"_s)
            close = action;
    }
    QCOMPARE(texts, QStringList({u"Minimize"_s, u"Close"_s}));
    QVERIFY(close);
    QCOMPARE(close->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F4));
    menu->hide();
}

void TestSkin::systemMenuCloseClosesWindow()
{
    SkinnedWindow w;
    QVERIFY(w.showActive());
    QTest::mouseClick(w.caption->findChild<QLabel *>(u"skinCaptionIcon"_s), Qt::LeftButton);
    QMenu *menu = w.caption->systemMenu();
    QTRY_VERIFY(menu->isVisible());
    const QList<QAction *> actions = menu->actions();
    QAction *close = actions.last();
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(close).center());
    QTRY_VERIFY(!w.window.isVisible());
}

void TestSkin::altF4ClosesWindow()
{
    SkinnedWindow w;
    QVERIFY(w.showActive());
    w.edit->setFocus();
    QTest::keyClick(w.edit, Qt::Key_F4, Qt::AltModifier);
    QTRY_VERIFY(!w.window.isVisible());
}

void TestSkin::captionButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("visibleAfter");
    QTest::addColumn<bool>("minimizedAfter");
    QTest::newRow("minimise") << u"skinMinimizeButton"_s << true << true;
    QTest::newRow("close") << u"skinCloseButton"_s << false << false;
}

void TestSkin::captionButtons()
{
    QFETCH(QString, button);
    QFETCH(bool, visibleAfter);
    QFETCH(bool, minimizedAfter);

    SkinnedWindow w;
    QVERIFY(w.showActive());
    auto *control = w.caption->findChild<QToolButton *>(button);
    QVERIFY(control);
    QCOMPARE(control->focusPolicy(), Qt::NoFocus);
    QTest::mouseClick(control, Qt::LeftButton);
    QTRY_COMPARE(w.window.isVisible(), visibleAfter);
    QCOMPARE(bool(w.window.windowState() & Qt::WindowMinimized), minimizedAfter);
}

void TestSkin::dragMovesWindow()
{
    SkinnedWindow w;
    QVERIFY(w.showActive());
    const QPoint start = w.window.pos();
    const QPoint grip = w.captionPoint();
    QTest::mousePress(w.caption, Qt::LeftButton, {}, grip);
    QTest::mouseMove(w.caption, grip + QPoint(40, 25));
    QTest::mouseRelease(w.caption, Qt::LeftButton, {}, grip + QPoint(40, 25));
    QTRY_COMPARE(w.window.pos(), start + QPoint(40, 25));

    // Once released, moving the pointer leaves the window where it is.
    QTest::mouseMove(w.caption, grip + QPoint(5, 5));
    QCOMPARE(w.window.pos(), start + QPoint(40, 25));
}

void TestSkin::doubleClickChangesNothing()
{
    SkinnedWindow w;
    QVERIFY(w.showActive());
    const QRect before = w.window.geometry();
    QTest::mouseDClick(w.caption, Qt::LeftButton, {}, w.captionPoint());
    QTest::mouseDClick(w.caption->findChild<QLabel *>(u"skinCaptionTitle"_s), Qt::LeftButton);
    QCOMPARE(w.window.geometry(), before);
    QCOMPARE(w.window.windowState(), Qt::WindowNoState);
    QVERIFY(w.window.isVisible());
}

void TestSkin::inactiveCaptionLooksDifferent()
{
    SkinnedWindow w;
    QVERIFY(w.showActive());
    const QPoint spot(w.caption->width() - 80, 4);
    const QColor active = pixelAt(w.caption, spot);

    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    const QColor inactive = pixelAt(w.caption, spot);
    QVERIFY(active != inactive);
    QVERIFY(active.hslSaturation() > inactive.hslSaturation());
}

QTEST_MAIN(TestSkin)
#include "tst_skin.moc"
