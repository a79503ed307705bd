#pragma once

#include "feeds/bookmaker.h"
#include "feeds/drawfill.h"

#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QUrl>
#include <QWidget>

#include <functional>

class Desktop;
class QAction;
class QCloseEvent;
class GridModel;
class GridView;
class HttpClient;
class LinkLabel;
class QFrame;
class QLabel;
class QPushButton;
class QTabWidget;
class RadioBox;
class SkinCaption;

// The program's one window: the About page with the start button, and the
// draw page with the bookmaker selector, the match grid, the pick-column
// selector and the match detail panel. Components carry the names the
// rest of the program knows them by.
class TForm1 final : public QWidget
{
    Q_OBJECT

public:
    // server: the vendor's web server, or a mirror standing in for it.
    TForm1(Desktop &desktop, HttpClient &http, const QUrl &server, QWidget *parent = nullptr);
    ~TForm1() override;

    // The most rows a load makes (tests use a few); a draw cut there is
    // marked incomplete.
    void setRowLimit(int rows) { m_rowLimit = rows; }

    // Event handlers; each runs through the error guard when an event fires.
    void spSkinXFormButton2Click();
    void FormCreate();
    void spSkinXFormButton1Click();
    void spSkinCheckRadioBox1Click();
    void spSkinCheckRadioBox2Click();
    void spSkinCheckRadioBox3Click();
    void spSkinCheckRadioBox4Click();
    void spSkinCheckRadioBox5Click();
    void spSkinCheckRadioBox6Click();
    void NXCellClick(int column, int row);
    void ch1Click();
    void ch2Click();
    void ch3Click();

    // Page indices of Page.
    static constexpr int kAboutPage = 0;
    static constexpr int kDrawPage = 1;
    // The pick box checked at start, "Double Bets Bookmaker" (an index into pickBoxes).
    static constexpr int kDefaultPickBox = 1;

    // Components, under the names the rest of the program knows them by.
    SkinCaption *spDynamicSkinForm1 = nullptr; // the skinned caption: title, icon, minimise, close
    QWidget *client = nullptr;                 // the client area under the caption
    QTabWidget *Page = nullptr;                // the page control: About page and draw page
    QWidget *spSkinTabSheet1 = nullptr;        // the About page
    QLabel *Image1 = nullptr;                  // the About picture, stretched over the page
    QLabel *spSkinShadowLabel1 = nullptr;      // the version label, "Version: " and ours
    LinkLabel *spSkinLinkLabel1 = nullptr;     // the link to the vendor's home page
    QPushButton *spSkinXFormButton1 = nullptr; // the start button on the About page
    QWidget *spSkinTabSheet2 = nullptr;        // the draw page; its tab names the bookmaker
    QFrame *spSkinPanel1 = nullptr;            // the top panel of the draw page
    RadioBox *ch1 = nullptr;                   // bookmaker box "FonBet"
    RadioBox *ch2 = nullptr;                   // bookmaker box "MarathonBet"
    RadioBox *ch3 = nullptr;                   // bookmaker box "1XBet"
    QLabel *tirage = nullptr;                  // the draw title label
    QPushButton *spSkinXFormButton2 = nullptr; // the REFRESH button
    GridView *NX = nullptr;                    // the match grid, one row per match
    QList<RadioBox *> pickBoxes;               // the pick-column boxes spSkinCheckRadioBox1 to 6
    QLabel *mmm = nullptr;                     // the match title over the detail grid
    GridView *MX = nullptr;                    // the match detail grid: six method rows
    HttpClient *IdHTTP1 = nullptr;             // the feed downloads
    QList<QPixmap> ImageList1;                 // match grid column 0: football, hockey puck
    QList<QIcon> ImageList2;                   // tabs: information sign, then one emblem per bookmaker
    QAction *saveDrawAction = nullptr;         // "Save draw as…": Ctrl+S and the match grid's menu

    GridModel &matches() const { return *m_matches; } // what NX shows
    GridModel &details() const { return *m_details; } // what MX shows

protected:
    // Keeps the arrangement for the next run.
    void closeEvent(QCloseEvent *event) override;

private:
    void createAboutPage();
    void createDrawPage();
    void bindHandlers();
    void explainColumns();
    void nameComponents();
    void bindShortcuts();
    // Asks where, then writes the shown draw there; a failure says so.
    void saveDrawAs();
    // The window's place and the match grid's columns as the last run left
    // them; kept when the window closes.
    void restoreArrangement();
    void storeArrangement();

    // Shows an error that leaves a handler in the error box and lets the
    // program go on.
    void guarded(const std::function<void()> &handler);
    template<typename... Args>
    auto handler(void (TForm1::*method)(Args...))
    {
        return [this, method](Args... args) { guarded([&] { (this->*method)(args...); }); };
    }

    void LoadBookmakerFeed(Bookmaker bookmaker);
    void chooseBookmaker(Bookmaker bookmaker);

    Desktop &m_desktop;
    QUrl m_server;
    QString m_drawTitle; // the loaded draw's title, as the feed gives it
    int m_rowLimit = kDrawRowLimit; // the most rows a load makes
    GridModel *m_matches = nullptr;
    GridModel *m_details = nullptr;
};
