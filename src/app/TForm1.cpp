#include "app/TForm1.h"

#include "app/DesignFont.h"
#include "app/FormActivation.h"
#include "app/MessageFormat.h"
#include "app/Pictures.h"
#include "app/SessionEnd.h"
#include "app/Settings.h"
#include "info/TzktInfoDlg.h"
#include "lang/LanguageFiles.h"
#include "lang/MainTextTable.h"
#include "platform/FileSystem.h"
#include "platform/Platform.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSessionManager>
#include <QStringList>
#include <QTextEdit>

namespace {

// The picture is stretched over the panel, so the sharper rendering serves
// any screen that has more than one pixel per point.
QPixmap backgroundPicture() {
    const QImage picture = programPicture(QStringLiteral("background"), qApp->devicePixelRatio());
    QPixmap pixmap(picture.size());
    pixmap.setDevicePixelRatio(picture.devicePixelRatio());
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.drawImage(0, 0, picture);
    return pixmap;
}

void setTextColor(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::ButtonText, c);
    p.setColor(QPalette::Text, c);
    w->setPalette(p);
}

} // namespace

TForm1::TForm1(AppContext& context) : context_(context) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Brontara"));
    setFont(designFont(8));
    createControls();
    createMenu();
    setBorderIcons(true);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    activation_ = new FormActivation(this, [this] { guarded([this] { FormActivate(); }); });

#ifndef QT_NO_SESSIONMANAGER
    // The desktop session asks before it ends: refused, with the same box, while a storm is installed.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        const SessionEndAnswer answer = answerSessionEnd(StormActive, manager.allowsInteraction());
        if (answer.showRefusal) {
            bool canClose = false;
            guarded([&] { FormCloseQuery(canClose); });
            manager.release();
        }
        if (answer.cancel) manager.cancel();
    });
#endif
}

TForm1::~TForm1() = default;

void TForm1::createControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(349, 283);
    setCentralWidget(client);

    Label3 = new QLabel(client);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(13, 16, 321, 80);
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label3->setFont(designFont(10));
    setTextColor(Label3, QColor(0, 0, 128));

    Button2 = new QPushButton(client);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(100, 224, 160, 25);
    connect(Button2, &QPushButton::clicked, this, [this] { guarded([this] { Button2Click(); }); });

    RichEdit1 = new QTextEdit(client);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setGeometry(5, 118, 329, 89);
    RichEdit1->setReadOnly(true);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setFont(reportFont());
    RichEdit1->setTextColor(QColor(128, 0, 0));
    RichEdit1->setAlignment(Qt::AlignHCenter);

    // The selection panel lies over the three controls above and hides them while it is visible.
    Panel1 = new QFrame(client);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, 349, 283);
    Panel1->setFrameShape(QFrame::NoFrame);
    Panel1->setAutoFillBackground(true);

    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 349, 283);
    Image1->setScaledContents(true);
    Image1->setPixmap(backgroundPicture());

    GroupBox1 = new QGroupBox(Panel1);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(80, 24, 177, 113);
    // A style sheet ends font inheritance below it: the group and its
    // controls are given the window's design font themselves.
    GroupBox1->setFont(designFont(8));
    GroupBox1->setStyleSheet(QStringLiteral(
        "QGroupBox#GroupBox1 { background-color: rgb(235, 235, 228); border: 1px solid rgb(160, 160, 160);"
        " margin-top: 6px; }"
        "QGroupBox#GroupBox1::title { color: red; subcontrol-origin: margin; left: 8px; padding: 0 2px; }"));

    Label1 = new QLabel(GroupBox1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 24, 145, 49);
    Label1->setFont(designFont(8));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColor(Label1, QColor(0, 0, 128));

    RouteBox = new QComboBox(GroupBox1);
    RouteBox->setObjectName(QStringLiteral("RouteBox"));
    RouteBox->setGeometry(8, 72, 161, 21);
    // The box is as narrow as the design made it for MS Sans Serif, whose
    // glyphs are narrower than those of its stand-ins: a stand-in is set a
    // little smaller here, so that the placeholder shows whole.
    QFont routeFont = designFont(8);
    if (!routeFont.family().contains(u"Sans Serif"))
        routeFont.setPointSizeF(7.5);
    RouteBox->setFont(routeFont);
    RouteBox->setEditable(true);
    RouteBox->lineEdit()->setFont(routeFont); // the group's style sheet would give the edit field its own
    RouteBox->setInsertPolicy(QComboBox::NoInsert);
    RouteBox->setMaxVisibleItems(8);
    setTextColor(RouteBox, QColor(0, 128, 128));

    Button1 = new QPushButton(Panel1);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(128, 200, 75, 25);
    setTextColor(Button1, Qt::black);
    connect(Button1, &QPushButton::clicked, this, [this] { guarded([this] { Button1Click(); }); });

    // Tab order: the route box first, then the make button; under the panel the report, then restore.
    setTabOrder(RouteBox, Button1);
    setTabOrder(RichEdit1, Button2);
    RouteBox->setFocus();
}

void TForm1::createMenu() {
    Bestand1 = menuBar()->addMenu(QStringLiteral("&Bestand"));
    Bestand1->setObjectName(QStringLiteral("Bestand1"));
    afsluiten1 = Bestand1->addAction(QStringLiteral("&Afsluiten"));
    afsluiten1->setObjectName(QStringLiteral("afsluiten1"));
    connect(afsluiten1, &QAction::triggered, this, [this] { guarded([this] { afsluiten1Click(); }); });

    Opties1 = menuBar()->addMenu(QStringLiteral("&Opties"));
    Opties1->setObjectName(QStringLiteral("Opties1"));
    Taal1 = Opties1->addMenu(QStringLiteral("&Taal"));
    Taal1->setObjectName(QStringLiteral("Taal1"));
    TaalGroup = new QActionGroup(this);
    TaalGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    Nederlands1 = Taal1->addAction(QStringLiteral("Nederlands"));
    Nederlands1->setObjectName(QStringLiteral("Nederlands1"));
    Nederlands1->setCheckable(true);
    TaalGroup->addAction(Nederlands1);
    connect(Nederlands1, &QAction::triggered, this, [this] { guarded([this] { LanguageClick(Nederlands1); }); });

    Help1 = menuBar()->addMenu(QStringLiteral("&Help"));
    Help1->setObjectName(QStringLiteral("Help1"));
    Help2 = Help1->addAction(QStringLiteral("H&elp inhoud"));
    Help2->setObjectName(QStringLiteral("Help2"));
    connect(Help2, &QAction::triggered, this, [this] { guarded([this] { Help2Click(); }); });
    N1 = Help1->addSeparator();
    N1->setObjectName(QStringLiteral("N1"));
    Info1 = Help1->addAction(QStringLiteral("&Info"));
    Info1->setObjectName(QStringLiteral("Info1"));
    connect(Info1, &QAction::triggered, this, [this] { guarded([this] { Info1Click(); }); });
}

void TForm1::setBorderIcons(bool withSystemMenu) {
    // Without the system menu the title bar has no close button: only minimise stays.
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowMinimizeButtonHint;
    if (withSystemMenu)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    bool wasVisible = isVisible();
    QPoint place = pos();
    setWindowFlags(flags); // hides a visible window
    if (wasVisible) {
        move(place);
        show();
    }
}

void TForm1::FormCreate() {
    SiblingRunning = false;
    CurrentLanguage = settings::readLanguage(context_.folders);
    // Read in every case; used only when the stored language is not the built-in one.
    const lang::Identity identity = lang::readIdentity(context_.folders, CurrentLanguage);
    BuildLanguageMenu(context_.folders.LanguagesFolder());
    if (CurrentLanguage == kBuiltInLanguage) {
        ApplyLanguage(CurrentLanguage);
    } else {
        LoadLanguageOrDefault(CurrentLanguage);
        ValidateLanguage(identity.language, identity.program);
    }
    CheckSiblingProgram();
}

void TForm1::FormActivate() {
    SimulatorFolder = settings::readSimulatorFolder(context_.folders);
    FillRouteList(SimulatorFolder + "\\Routes", RouteBox);
}

void TForm1::FillRouteList(const std::string& folder, QComboBox* box) {
    box->clear();
    box->setEditText(QString::fromStdString(Texts.RoutePlaceholder));
    QStringList routes;
    for (const auto& entry : platform::findFiles(folder + "\\*.*", platform::FoldersAndFiles)) {
        if (entry.isDirectory() && entry.name != "." && entry.name != "..")
            routes << QString::fromStdString(entry.name);
    }
    box->addItems(routes);
    // Adding items to an empty box picks the first: the placeholder must stay.
    box->setCurrentIndex(-1);
    box->setEditText(QString::fromStdString(Texts.RoutePlaceholder));
    box->lineEdit()->setCursorPosition(0); // show the text's beginning, as a fresh edit box does
}

void TForm1::FormCloseQuery(bool& canClose) {
    if (StormActive) {
        canClose = false;
        ShowError(Texts.Niet_afsluiten, Texts.afsluit_titel);
    } else {
        canClose = true;
    }
}

void TForm1::closeEvent(QCloseEvent* event) {
    bool canClose = false; // a handler abandoned by an error does not let the window close
    guarded([&] { FormCloseQuery(canClose); });
    if (!canClose) {
        event->ignore();
        return;
    }
    event->accept();
    QCoreApplication::quit(); // the main window's close ends the program
}

void TForm1::showEvent(QShowEvent* event) {
    if (!centred_) {
        centred_ = true;
        if (QScreen* s = screen())
            move(s->availableGeometry().center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
    QMainWindow::showEvent(event);
}

void TForm1::afsluiten1Click() { close(); }

void TForm1::Info1Click() {
    // Modeless: the main window stays usable while the dialog is open.
    context_.zktInfoDlg->show();
    context_.zktInfoDlg->raise();
    context_.zktInfoDlg->activateWindow();
}

void TForm1::ShowError(const std::string& message, const std::string& title) {
    const std::string text = formatWithEmptyArgument(message);
    context_.platform.messageBox(text, title, platform::mb::Ok | platform::mb::IconError);
}

void TForm1::LockStormState() {
    Panel1->hide();
    afsluiten1->setEnabled(false);
    Opties1->menuAction()->setVisible(false);
    setBorderIcons(false);
    StormActive = true;
}

void TForm1::UnlockStormState() {
    Panel1->show();
    afsluiten1->setEnabled(true);
    setBorderIcons(true);
    StormActive = false;
    RichEdit1->clear();
    Opties1->menuAction()->setVisible(true);
}
