#pragma once

#include "feeds/bookmaker.h"

#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QUrl>
#include <QWidget>

#include <functional>

class Desktop;
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

    // Components.
    SkinCaption *spDynamicSkinForm1 = nullptr;
    QWidget *client = nullptr;
    QTabWidget *Page = nullptr;
    QWidget *spSkinTabSheet1 = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *spSkinShadowLabel1 = nullptr;
    LinkLabel *spSkinLinkLabel1 = nullptr;
    QPushButton *spSkinXFormButton1 = nullptr;
    QWidget *spSkinTabSheet2 = nullptr;
    QFrame *spSkinPanel1 = nullptr;
    RadioBox *ch1 = nullptr;
    RadioBox *ch2 = nullptr;
    RadioBox *ch3 = nullptr;
    QLabel *tirage = nullptr;
    QPushButton *spSkinXFormButton2 = nullptr;
    GridView *NX = nullptr;
    QList<RadioBox *> pickBoxes; // spSkinCheckRadioBox1 to spSkinCheckRadioBox6
    QLabel *mmm = nullptr;
    GridView *MX = nullptr;
    HttpClient *IdHTTP1 = nullptr;
    QList<QPixmap> ImageList1; // match grid column 0: football, hockey puck
    QList<QIcon> ImageList2;   // tabs: information sign, then one emblem per bookmaker

    GridModel &matches() const { return *m_matches; }
    GridModel &details() const { return *m_details; }

private:
    void createAboutPage();
    void createDrawPage();
    void bindHandlers();

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
    GridModel *m_matches = nullptr;
    GridModel *m_details = nullptr;
};
