#include "app/mainwindow.h"

#include "app/desktop.h"
#include "views/linklabel.h"
#include "views/radiobox.h"
#include "app/skin.h"
#include "views/skincaption.h"
#include "grid/errortext.h"
#include "feeds/feedloader.h"
#include "feeds/httpclient.h"
#include "feeds/vendor.h"
#include "feeds/versioncheck.h"
#include "views/detailpanel.h"
#include "grid/griderror.h"
#include "grid/gridlayouts.h"
#include "grid/gridmodel.h"
#include "views/gridview.h"
#include "views/pickcolumns.h"

#include <QApplication>
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>

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
    button->setProperty("skinElement", element);
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

QLabel *frameLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText); // feed text is data, never markup
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setProperty("skinElement", u"label"_s);
    return label;
}

} // namespace

TForm1::TForm1(Desktop &desktop, HttpClient &http, const QUrl &server, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowSystemMenuHint)
    , IdHTTP1(&http)
    , m_desktop(desktop)
    , m_server(server)
{
    setObjectName(u"Form1"_s);
    setWindowTitle(u"Vorlan"_s);
    setWindowIcon(applicationIcon());

    const qreal ratio = devicePixelRatio();
    ImageList1 = {sharpPixmap(u":/pictures/football.png"_s, QSize(16, 16), ratio),
                  sharpPixmap(u":/pictures/puck.png"_s, QSize(16, 16), ratio)};
    ImageList2 = {QIcon(u":/pictures/info.png"_s), QIcon(u":/pictures/fonbet.png"_s),
                  QIcon(u":/pictures/marathon.png"_s), QIcon(u":/pictures/onexbet.png"_s)};

    spDynamicSkinForm1 = new SkinCaption(this);
    client = place(new QWidget(this), u"client"_s, SkinCaption::clientRect(kClientSize));
    setFixedSize(SkinCaption::windowSize(kClientSize));

    Page = place(new QTabWidget(client), u"Page"_s, QRect(QPoint(), kClientSize));
    Page->setProperty("skinElement", u"tab"_s);
    Page->setIconSize(QSize(16, 16));
    createAboutPage();
    createDrawPage();
    // The stored state: About in front, both tabs shown.
    Page->setCurrentIndex(0);

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }

    bindHandlers();
    guarded([this] { FormCreate(); });
}

TForm1::~TForm1() = default;

void TForm1::createAboutPage()
{
    spSkinTabSheet1 = new QWidget;
    spSkinTabSheet1->setObjectName(u"spSkinTabSheet1"_s);
    Page->addTab(spSkinTabSheet1, ImageList2.value(0), u"About"_s);

    Image1 = place(new QLabel(spSkinTabSheet1), u"Image1"_s, QRect(0, 0, 683, 486));
    Image1->setScaledContents(true); // stretched, proportions not kept
    // Stored at the page's size (and twice that as "@2x"), so start-up
    // decodes only what is shown.
    Image1->setPixmap(sharpPixmap(u":/pictures/about.jpg"_s, Image1->size(), devicePixelRatio()));

    spSkinShadowLabel1 = place(new QLabel(u"Version: "_s + vendor::version, spSkinTabSheet1),
                               u"spSkinShadowLabel1"_s, QRect(584, 8, 76, 19));
    spSkinShadowLabel1->setTextFormat(Qt::PlainText);
    spSkinShadowLabel1->setFont(arial(14, true));
    spSkinShadowLabel1->setProperty("skinElement", u"stdlabel"_s);
    auto *shadow = new QGraphicsDropShadowEffect(spSkinShadowLabel1);
    shadow->setOffset(1, 1);
    shadow->setBlurRadius(2);
    shadow->setColor(QColor(0, 0, 0, 160));
    spSkinShadowLabel1->setGraphicsEffect(shadow);
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
    spSkinPanel1->setProperty("skinElement", u"panel"_s);

    ch1 = place(new RadioBox(u"FonBet"_s, 1, spSkinPanel1), u"ch1"_s, QRect(8, 8, 65, 25));
    ch2 = place(new RadioBox(u"MarathonBet"_s, 1, spSkinPanel1), u"ch2"_s, QRect(72, 8, 89, 25));
    ch3 = place(new RadioBox(u"1XBet"_s, 1, spSkinPanel1), u"ch3"_s, QRect(168, 8, 57, 25));
    ch1->setChecked(true);

    tirage = place(frameLabel(spSkinPanel1), u"tirage"_s, QRect(240, 8, 345, 21));
    spSkinXFormButton2 = place(skinButton(u"REFRESH"_s, u"button"_s, spSkinPanel1),
                               u"spSkinXFormButton2"_s, QRect(592, 8, 75, 25));

    m_matches = new GridModel(matchGridColumns(), this);
    NX = place(new GridView(spSkinTabSheet2), u"NX"_s, QRect(2, 43, 671, 293));
    NX->setGridModel(m_matches);
    NX->setImages(ImageList1);

    const QStringList captions{u"One Bets Bookmaker"_s, u"Double Bets Bookmaker"_s,
                               u"One Bets Pool"_s,      u"Double Bets Pool"_s,
                               u"All One Bets"_s,       u"All Double Bets"_s};
    const int widths[] = {129, 150, 150, 113, 97, 113};
    for (int n = 0; n < 6; ++n) {
        auto *box = place(new RadioBox(captions[n], 1, spSkinTabSheet2),
                          u"spSkinCheckRadioBox%1"_s.arg(n + 1), QRect(8, 336 + 24 * n, widths[n], 25));
        pickBoxes.append(box);
    }
    pickBoxes[1]->setChecked(true);

    mmm = place(frameLabel(spSkinTabSheet2), u"mmm"_s, QRect(192, 336, 457, 21));
    m_details = new GridModel(detailGridColumns(), this);
    MX = place(new GridView(spSkinTabSheet2), u"MX"_s, QRect(192, 360, 481, 121));
    MX->setGridModel(m_details);
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
    Page->setCurrentIndex(0);
    Page->setTabVisible(1, false);
}

void TForm1::spSkinXFormButton1Click()
{
    const bool current = [this] {
        BusyCursor busy;
        return CheckVersionUrl(vendor::markerUrl(m_server).toString());
    }();
    if (!current) {
        m_desktop.showMessage(this, vendor::updateMessage(m_server));
        m_desktop.openUrl(vendor::downloadPageUrl(m_server));
        close();
        return;
    }
    LoadBookmakerFeed(Bookmaker::FonBet);
    // Show the draw tab before making it current: a hidden tab can't be.
    Page->setTabVisible(1, true);
    Page->setCurrentIndex(1);
    Page->setTabVisible(0, false);
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
    Page->setTabIcon(1, ImageList2.value(info.tabImage));
    Page->setTabText(1, info.tabCaption);
    LoadBookmakerFeed(bookmaker);
}

void TForm1::ch1Click() { chooseBookmaker(Bookmaker::FonBet); }
void TForm1::ch2Click() { chooseBookmaker(Bookmaker::MarathonBet); }
void TForm1::ch3Click() { chooseBookmaker(Bookmaker::OneXBet); }

void TForm1::LoadBookmakerFeed(Bookmaker bookmaker)
{
    BusyCursor busy;
    ::LoadBookmakerFeed(bookmaker, *IdHTTP1, m_server, *m_matches,
                        [this](const QString &title) { tirage->setText(title); });
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
