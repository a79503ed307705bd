#include "app/mainwindow.h"

#include "app/desktop.h"
#include "app/drawfile.h"
#include "app/drawtitle.h"
#include "app/picturedecode.h"
#include "views/linklabel.h"
#include "views/radiobox.h"
#include "views/shadowlabel.h"
#include "app/skin.h"
#include "app/windowsettings.h"
#include "views/skincaption.h"
#include "views/skinelement.h"
#include "views/titlelabel.h"
#include "grid/errortext.h"
#include "feeds/feedloader.h"
#include "feeds/httpclient.h"
#include "feeds/vendor.h"
#include "feeds/versioncheck.h"
#include "views/columnhelp.h"
#include "views/detailpanel.h"
#include "grid/griderror.h"
#include "grid/gridlayouts.h"
#include "grid/gridmodel.h"
#include "views/gridtextproxy.h"
#include "views/gridview.h"
#include "views/pickcolumns.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTextDocument>

#include <array>

using namespace Qt::StringLiterals;

namespace {

constexpr QSize kClientSize(685, 508);

template<typename W>
W *place(W *widget, const QString &name, const QRect &geometry)
{
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

QFont arial(int pixelSize, bool bold = false)
{
    QFont font(u"Arial"_s);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QPushButton *skinButton(const QString &caption, const QString &element, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::PointingHandCursor);
    skinelement::set(button, element);
    return button;
}

// The busy cursor while the window waits on the network; it keeps painting,
// and user input waits for the end.
class BusyCursor
{
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::BusyCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    Q_DISABLE_COPY_MOVE(BusyCursor)
};

// A picture at the density of the screen it is shown on: QIcon takes the
// "@2x" variant on a 2x screen, where a plain QPixmap would be upscaled.
QPixmap sharpPixmap(const QString &path, QSize size, qreal devicePixelRatio)
{
    return QIcon(path).pixmap(size, devicePixelRatio);
}

} // namespace

TForm1::TForm1(Desktop &desktop, HttpClient &http, const QUrl &server, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowSystemMenuHint)
    , IdHTTP1(&http)
    , m_desktop(desktop)
    , m_server(server)
{
    // The About picture decodes on another core while the rest is built.
    PictureDecode aboutPicture(u":/pictures/about.jpg"_s, devicePixelRatio());
    setObjectName(u"Form1"_s);
    setWindowTitle(u"Vorlan"_s);
    // The application's icon once the skin has set it: decoding it again
    // would only slow the start.
    const QIcon icon = QGuiApplication::windowIcon();
    setWindowIcon(icon.isNull() ? applicationIcon() : icon);

    const qreal ratio = devicePixelRatio();
    ImageList1 = {sharpPixmap(u":/pictures/football.png"_s, QSize(16, 16), ratio),
                  sharpPixmap(u":/pictures/puck.png"_s, QSize(16, 16), ratio)};
    ImageList2 = {QIcon(u":/pictures/info.png"_s), QIcon(u":/pictures/fonbet.png"_s),
                  QIcon(u":/pictures/marathon.png"_s), QIcon(u":/pictures/onexbet.png"_s)};

    spDynamicSkinForm1 = new SkinCaption(this);
    client = place(new QWidget(this), u"client"_s, SkinCaption::clientRect(kClientSize));
    setFixedSize(SkinCaption::windowSize(kClientSize));

    Page = place(new QTabWidget(client), u"Page"_s, QRect(QPoint(), kClientSize));
    skinelement::set(Page, u"tab"_s);
    Page->setIconSize(QSize(16, 16));
    createAboutPage();
    createDrawPage();
    explainColumns();
    nameComponents();
    Image1->setPixmap(aboutPicture.take());
    // The stored state: About in front, both tabs shown.
    Page->setCurrentIndex(kAboutPage);

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }

    restoreArrangement();
    bindHandlers();
    bindShortcuts();
    guarded([this] { FormCreate(); });
}

TForm1::~TForm1() = default;

void TForm1::createAboutPage()
{
    spSkinTabSheet1 = new QWidget;
    spSkinTabSheet1->setObjectName(u"spSkinTabSheet1"_s);
    Page->addTab(spSkinTabSheet1, ImageList2.value(0), u"About"_s);

    Image1 = place(new QLabel(spSkinTabSheet1), u"Image1"_s, QRect(0, 0, 683, 486));
    // Stretched, proportions not kept. The picture is stored at the page's
    // size (and twice that as "@2x"), so start-up decodes only what is shown.
    Image1->setScaledContents(true);

    auto *version = new ShadowLabel(u"Version: "_s + vendor::version, spSkinTabSheet1);
    spSkinShadowLabel1 = place(version, u"spSkinShadowLabel1"_s, QRect(584, 8, 76, 19));
    spSkinShadowLabel1->setFont(arial(14, true));
    skinelement::set(spSkinShadowLabel1, u"stdlabel"_s);
    version->setShadow(QColor(0, 0, 0, 160), QPoint(1, 1));
    spSkinShadowLabel1->adjustSize();

    spSkinLinkLabel1 = place(new LinkLabel(vendor::host, vendor::homePage().toString(), spSkinTabSheet1),
                             u"spSkinLinkLabel1"_s, QRect(582, 24, 80, 14));
    QFont linkFont = arial(12);
    linkFont.setUnderline(true);
    spSkinLinkLabel1->setFont(linkFont);
    spSkinLinkLabel1->adjustSize();

    spSkinXFormButton1 = place(skinButton(u"Start"_s, u"resizebutton"_s, spSkinTabSheet1),
                               u"spSkinXFormButton1"_s, QRect(448, 360, 121, 25));
}

void TForm1::createDrawPage()
{
    spSkinTabSheet2 = new QWidget;
    spSkinTabSheet2->setObjectName(u"spSkinTabSheet2"_s);
    const BookmakerInfo &fonbet = bookmakerInfo(Bookmaker::FonBet);
    Page->addTab(spSkinTabSheet2, ImageList2.value(fonbet.tabImage), fonbet.tabCaption);

    spSkinPanel1 = place(new QFrame(spSkinTabSheet2), u"spSkinPanel1"_s, QRect(0, 0, 683, 41));
    spSkinPanel1->setFrameShape(QFrame::StyledPanel);
    skinelement::set(spSkinPanel1, u"panel"_s);

    ch1 = place(new RadioBox(u"FonBet"_s, 1, spSkinPanel1), u"ch1"_s, QRect(8, 8, 65, 25));
    ch2 = place(new RadioBox(u"MarathonBet"_s, 1, spSkinPanel1), u"ch2"_s, QRect(72, 8, 89, 25));
    ch3 = place(new RadioBox(u"1XBet"_s, 1, spSkinPanel1), u"ch3"_s, QRect(168, 8, 57, 25));
    ch1->setChecked(true);

    tirage = place(new TitleLabel(u"Draw title"_s, spSkinPanel1), u"tirage"_s, QRect(240, 8, 345, 21));
    spSkinXFormButton2 = place(skinButton(u"REFRESH"_s, u"button"_s, spSkinPanel1),
                               u"spSkinXFormButton2"_s, QRect(592, 8, 75, 25));

    m_matches = new GridModel(matchGridColumns(), this);
    NX = place(new GridView(spSkinTabSheet2), u"NX"_s, QRect(2, 43, 671, 293));
    NX->setGridModel(m_matches);
    NX->setImages(ImageList1, {u"Football"_s, u"Hockey"_s});

    const QStringList captions{u"One Bets Bookmaker"_s, u"Double Bets Bookmaker"_s,
                               u"One Bets Pool"_s,      u"Double Bets Pool"_s,
                               u"All One Bets"_s,       u"All Double Bets"_s};
    const int widths[] = {129, 150, 150, 113, 97, 113};
    for (int n = 0; n < 6; ++n) {
        auto *box = place(new RadioBox(captions[n], 1, spSkinTabSheet2),
                          u"spSkinCheckRadioBox%1"_s.arg(n + 1), QRect(8, 336 + 24 * n, widths[n], 25));
        pickBoxes.append(box);
    }
    pickBoxes[kDefaultPickBox]->setChecked(true);

    mmm = place(new TitleLabel(u"Match title"_s, spSkinTabSheet2), u"mmm"_s, QRect(192, 336, 457, 21));
    m_details = new GridModel(detailGridColumns(), this);
    MX = place(new GridView(spSkinTabSheet2), u"MX"_s, QRect(192, 360, 481, 121));
    MX->setGridModel(m_details);
}

// Header tooltips on both grids, and the same words on the pick boxes.
void TForm1::explainColumns()
{
    QStringList matchHelp;
    for (int c = 0; c < matchcol::Count; ++c)
        matchHelp << columnhelp::matchColumn(c);
    NX->texts()->setHeaderHelp(matchHelp);
    QStringList detailHelp;
    for (int c = 0; c < m_details->columnCount(); ++c)
        detailHelp << columnhelp::detailColumn(c);
    MX->texts()->setHeaderHelp(detailHelp);
    // A pick box says what its column holds, in the column header's words.
    for (int n = 0; n < pickBoxes.size(); ++n)
        pickBoxes[n]->setToolTip(
            NX->model()->headerData(matchcol::OBB + n, Qt::Horizontal, Qt::ToolTipRole).toString());
}

// What a screen reader calls each component; buttons, boxes, labels with a
// text and the window take theirs from their text.
void TForm1::nameComponents()
{
    client->setAccessibleName(u"Vorlan"_s);
    spDynamicSkinForm1->setAccessibleName(u"Window caption"_s);
    Page->setAccessibleName(u"Pages"_s);
    spSkinTabSheet1->setAccessibleName(u"About page"_s);
    Image1->setAccessibleName(u"About picture"_s);
    spSkinTabSheet2->setAccessibleName(u"Draw page"_s);
    spSkinPanel1->setAccessibleName(u"Bookmaker"_s);
    NX->setAccessibleName(u"Matches of the draw"_s);
    NX->texts()->setHeaderNames({u"Sport"_s});
    MX->setAccessibleName(u"Method rows of the clicked match"_s);
}

void TForm1::bindHandlers()
{
    // Bound only now, after the stored checked states, so none runs at start.
    connect(spSkinXFormButton1, &QPushButton::clicked, this, handler(&TForm1::spSkinXFormButton1Click));
    connect(spSkinXFormButton2, &QPushButton::clicked, this, handler(&TForm1::spSkinXFormButton2Click));
    connect(ch1, &RadioBox::selected, this, handler(&TForm1::ch1Click));
    connect(ch2, &RadioBox::selected, this, handler(&TForm1::ch2Click));
    connect(ch3, &RadioBox::selected, this, handler(&TForm1::ch3Click));
    const std::array pickHandlers{
        &TForm1::spSkinCheckRadioBox1Click, &TForm1::spSkinCheckRadioBox2Click,
        &TForm1::spSkinCheckRadioBox3Click, &TForm1::spSkinCheckRadioBox4Click,
        &TForm1::spSkinCheckRadioBox5Click, &TForm1::spSkinCheckRadioBox6Click,
    };
    for (int n = 0; n < 6; ++n)
        connect(pickBoxes[n], &RadioBox::selected, this, handler(pickHandlers[std::size_t(n)]));
    connect(NX, &GridView::cellClicked, this, handler(&TForm1::NXCellClick));
    connect(spSkinLinkLabel1, &LinkLabel::activated, this,
            [this](const QString &link) { guarded([&] { m_desktop.openUrl(QUrl(link)); }); });
}

// Keys that work wherever the focus is in the window.
void TForm1::bindShortcuts()
{
    auto *refresh = new QShortcut(QKeySequence(Qt::Key_F5), this);
    refresh->setObjectName(u"refreshShortcut"_s);
    refresh->setContext(Qt::WindowShortcut);
    connect(refresh, &QShortcut::activated, this, handler(&TForm1::spSkinXFormButton2Click));
    // Ctrl+C takes the selected rows, so more than one can be selected.
    NX->setSelectionMode(QAbstractItemView::ExtendedSelection);

    saveDrawAction = new QAction(u"Save draw as\u2026"_s, this);
    saveDrawAction->setObjectName(u"saveDrawAction"_s);
    saveDrawAction->setShortcut(QKeySequence::Save);
    saveDrawAction->setShortcutContext(Qt::WindowShortcut);
    connect(saveDrawAction, &QAction::triggered, this, handler(&TForm1::saveDrawAs));
    addAction(saveDrawAction);
    NX->setContextMenuPolicy(Qt::ActionsContextMenu);
    NX->addAction(saveDrawAction);

    // Like the REFRESH button, they work only on the draw page.
    const auto followPage = [this, refresh](int page) {
        refresh->setEnabled(page == kDrawPage);
        saveDrawAction->setEnabled(page == kDrawPage);
    };
    followPage(Page->currentIndex());
    connect(Page, &QTabWidget::currentChanged, this, followPage);
}

void TForm1::saveDrawAs()
{
    QString filter = drawfile::plainFilter();
    const QString suggested =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(u"draw.csv"_s);
    const QString path = m_desktop.saveFileName(
        this, u"Save draw as"_s, suggested,
        drawfile::plainFilter() + u";;"_s + drawfile::spreadsheetFilter(), &filter);
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    const QString error = drawfile::save(file, m_drawTitle, *m_matches, drawfile::formOfFilter(filter));
    if (!error.isEmpty())
        m_desktop.showError(this, error);
}

void TForm1::restoreArrangement()
{
    const std::unique_ptr<QSettings> settings = windowsettings::open();
    const windowsettings::Stored stored = windowsettings::load(*settings);
    if (stored.matchColumns)
        NX->setArrangement(*stored.matchColumns); // refuses one that doesn't fit
    // Only where the caption can still be reached on one of the screens.
    if (stored.position) {
        const QPoint grip = *stored.position + QPoint(width() / 2, SkinCaption::height() / 2);
        for (const QScreen *screen : QGuiApplication::screens()) {
            if (screen->availableGeometry().contains(grip)) {
                move(*stored.position);
                break;
            }
        }
    }
}

void TForm1::storeArrangement()
{
    const std::unique_ptr<QSettings> settings = windowsettings::open();
    windowsettings::store(*settings, {pos(), NX->arrangement()});
}

void TForm1::closeEvent(QCloseEvent *event)
{
    storeArrangement();
    QWidget::closeEvent(event);
}

void TForm1::guarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const GridError &error) {
        m_desktop.showError(this, errorBoxText(error.message()));
    } catch (const std::exception &error) {
        m_desktop.showError(this, errorBoxText(QString::fromUtf8(error.what())));
    }
}

void TForm1::FormCreate()
{
    Page->setCurrentIndex(kAboutPage);
    Page->setTabVisible(kDrawPage, false);
}

void TForm1::spSkinXFormButton1Click()
{
    const VersionCheck check = [this] {
        BusyCursor busy;
        return checkVersion(*IdHTTP1, vendor::markerUrl(m_server).toString());
    }();
    switch (check.state) {
    case VersionCheck::State::Unreachable:
        // Not a verdict on the version: the About page stays, and Start
        // asks again.
        m_desktop.showMessage(this, unreachableMessage(check));
        return;
    case VersionCheck::State::Retired:
        m_desktop.showMessage(this, vendor::updateMessage(m_server));
        m_desktop.openUrl(vendor::downloadPageUrl(m_server));
        close();
        return;
    case VersionCheck::State::Current:
        break;
    }
    LoadBookmakerFeed(Bookmaker::FonBet);
    // Show the draw tab before making it current: a hidden tab can't be.
    Page->setTabVisible(kDrawPage, true);
    Page->setCurrentIndex(kDrawPage);
    Page->setTabVisible(kAboutPage, false);
}

void TForm1::spSkinXFormButton2Click()
{
    if (ch1->isChecked())
        LoadBookmakerFeed(Bookmaker::FonBet);
    if (ch2->isChecked())
        LoadBookmakerFeed(Bookmaker::MarathonBet);
    if (ch3->isChecked())
        LoadBookmakerFeed(Bookmaker::OneXBet);
}

void TForm1::chooseBookmaker(Bookmaker bookmaker)
{
    const BookmakerInfo &info = bookmakerInfo(bookmaker);
    Page->setTabIcon(kDrawPage, ImageList2.value(info.tabImage));
    Page->setTabText(kDrawPage, info.tabCaption);
    LoadBookmakerFeed(bookmaker);
}

void TForm1::ch1Click() { chooseBookmaker(Bookmaker::FonBet); }
void TForm1::ch2Click() { chooseBookmaker(Bookmaker::MarathonBet); }
void TForm1::ch3Click() { chooseBookmaker(Bookmaker::OneXBet); }

void TForm1::LoadBookmakerFeed(Bookmaker bookmaker)
{
    BusyCursor busy;
    const FeedDownload load = ::LoadBookmakerFeed(
        bookmaker, *IdHTTP1, m_server, *m_matches,
        [this](const QString &title, const FeedDownload &download) {
            m_drawTitle = title;
            showDrawTitle(*tirage, title, download);
        },
        m_rowLimit);
    if (load.rowLimitReached)
        markRowLimitReached(*tirage, m_drawTitle, load, m_rowLimit);
}

void TForm1::spSkinCheckRadioBox1Click() { ShowPickColumn(*m_matches, matchcol::OBB); }
void TForm1::spSkinCheckRadioBox2Click() { ShowPickColumn(*m_matches, matchcol::DBB); }
void TForm1::spSkinCheckRadioBox3Click() { ShowPickColumn(*m_matches, matchcol::OBP); }
void TForm1::spSkinCheckRadioBox4Click() { ShowPickColumn(*m_matches, matchcol::DBP); }
void TForm1::spSkinCheckRadioBox5Click() { ShowPickColumn(*m_matches, matchcol::AOB); }
void TForm1::spSkinCheckRadioBox6Click() { ShowPickColumn(*m_matches, matchcol::ADB); }

void TForm1::NXCellClick(int column, int row)
{
    Q_UNUSED(column); // any cell of the row gives the same panel
    mmm->setText(detailpanel::matchTitle(*m_matches, row));
    detailpanel::fillMethodRows(*m_matches, row, *m_details);
}
