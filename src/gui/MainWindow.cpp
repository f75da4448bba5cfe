// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/MainWindow.h"

#include "core/program/SessionEnd.h"
#include "gui/BorderIcons.h"
#include "gui/Caption.h"
#include "gui/HelpLanguageQuestion.h"
#include "gui/WindowActivation.h"
#include "gui/widgets/DesignFont.h"
#include "gui/widgets/Pictures.h"
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
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

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

MainWindow::MainWindow(AppContext& context)
    : m_context(context), m_boxes(context.platform), m_language(context.folders, m_boxes, *this),
      m_storm(context.platform, context.folders, m_language.texts(), m_boxes, *this),
      m_help(context.platform, context.folders, m_language.texts(), m_boxes, *this) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Brontara"));
    setFont(designFont(8));
    createControls();
    createMenu();
    setBorderIcons(true);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_activation = new WindowActivation(this, [this] { guarded([this] { reloadRoutes(); }); });

#ifndef QT_NO_SESSIONMANAGER
    // The desktop session asks before it ends: refused, with the same box, while a storm is installed.
    // The answer goes back at once and the box follows: a session that waited for the box would
    // take the silence for a hung program and offer to end it, and every other window of the
    // program is asked too and must already find the refusal.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        const SessionEndAnswer answer =
            answerSessionEnd(m_storm.isStormActive(), manager.allowsInteraction());
        if (answer.cancel) manager.cancel();
        if (answer.showRefusal) QTimer::singleShot(0, this, [this] { guarded([this] { mayClose(); }); });
    });
#endif
}

MainWindow::~MainWindow() = default;

void MainWindow::createControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(349, 283);
    setCentralWidget(client);

    m_completionLabel = new QLabel(client);
    m_completionLabel->setObjectName(QStringLiteral("Label3"));
    m_completionLabel->setGeometry(13, 16, 321, 80);
    m_completionLabel->setWordWrap(true);
    m_completionLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_completionLabel->setFont(designFont(10));
    setTextColor(m_completionLabel, QColor(0, 0, 128));

    m_restoreButton = new QPushButton(client);
    m_restoreButton->setObjectName(QStringLiteral("Button2"));
    m_restoreButton->setGeometry(100, 224, 160, 25);
    connect(m_restoreButton, &QPushButton::clicked, this, [this] { guarded([this] { restoreStorm(); }); });

    m_report = new QTextEdit(client);
    m_report->setObjectName(QStringLiteral("RichEdit1"));
    m_report->setGeometry(5, 118, 329, 89);
    m_report->setReadOnly(true);
    m_report->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_report->setFont(reportFont());
    m_report->setTextColor(QColor(128, 0, 0));
    m_report->setAlignment(Qt::AlignHCenter);

    // The selection panel lies over the three controls above and hides them while it is visible.
    m_selectionPanel = new QFrame(client);
    m_selectionPanel->setObjectName(QStringLiteral("Panel1"));
    m_selectionPanel->setGeometry(0, 0, 349, 283);
    m_selectionPanel->setFrameShape(QFrame::NoFrame);
    m_selectionPanel->setAutoFillBackground(true);

    m_background = new QLabel(m_selectionPanel);
    m_background->setObjectName(QStringLiteral("Image1"));
    m_background->setGeometry(0, 0, 349, 283);
    m_background->setScaledContents(true);
    m_background->setPixmap(backgroundPicture());
    m_background->setAccessibleName(QStringLiteral("Onweerswolk met regen en bliksem boven MSTS"));

    m_routeGroup = new QGroupBox(m_selectionPanel);
    m_routeGroup->setObjectName(QStringLiteral("GroupBox1"));
    m_routeGroup->setGeometry(80, 24, 177, 113);
    // A style sheet ends font inheritance below it: the group and its
    // controls are given the window's design font themselves.
    m_routeGroup->setFont(designFont(8));
    m_routeGroup->setStyleSheet(QStringLiteral(
        "QGroupBox#GroupBox1 { background-color: rgb(235, 235, 228); border: 1px solid rgb(160, 160, 160);"
        " margin-top: 6px; }"
        "QGroupBox#GroupBox1::title { color: red; subcontrol-origin: margin; left: 8px; padding: 0 2px; }"));

    m_routePrompt = new QLabel(m_routeGroup);
    m_routePrompt->setObjectName(QStringLiteral("Label1"));
    m_routePrompt->setGeometry(8, 24, 145, 49);
    m_routePrompt->setFont(designFont(8));
    m_routePrompt->setWordWrap(true);
    m_routePrompt->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColor(m_routePrompt, QColor(0, 0, 128));

    m_routeBox = new QComboBox(m_routeGroup);
    m_routeBox->setObjectName(QStringLiteral("RouteBox"));
    m_routeBox->setGeometry(8, 72, 161, 21);
    // The box is as narrow as the design made it for MS Sans Serif, whose
    // glyphs are narrower than those of its stand-ins: a stand-in is set a
    // little smaller here, so that the placeholder shows whole.
    QFont routeFont = designFont(8);
    if (!routeFont.family().contains(u"Sans Serif")) routeFont.setPointSizeF(7.5);
    m_routeBox->setFont(routeFont);
    m_routeBox->setEditable(true);
    m_routeBox->lineEdit()->setFont(routeFont); // the group's style sheet would give the edit field its own
    m_routeBox->setInsertPolicy(QComboBox::NoInsert);
    m_routeBox->setMaxVisibleItems(8);
    setTextColor(m_routeBox, QColor(0, 128, 128));

    m_makeButton = new QPushButton(m_selectionPanel);
    m_makeButton->setObjectName(QStringLiteral("Button1"));
    m_makeButton->setGeometry(128, 200, 75, 25);
    setTextColor(m_makeButton, Qt::black);
    connect(m_makeButton, &QPushButton::clicked, this, [this] { guarded([this] { makeStorm(); }); });

    // Tab order: the route box first, then the make button; under the panel the report, then restore.
    setTabOrder(m_routeBox, m_makeButton);
    setTabOrder(m_report, m_restoreButton);
    m_routeBox->setFocus();
}

void MainWindow::createMenu() {
    m_fileMenu = menuBar()->addMenu(QStringLiteral("&Bestand"));
    m_fileMenu->setObjectName(QStringLiteral("Bestand1"));
    m_quitAction = m_fileMenu->addAction(QStringLiteral("&Afsluiten"));
    m_quitAction->setObjectName(QStringLiteral("afsluiten1"));
    connect(m_quitAction, &QAction::triggered, this, [this] { guarded([this] { close(); }); });

    m_optionsMenu = menuBar()->addMenu(QStringLiteral("&Opties"));
    m_optionsMenu->setObjectName(QStringLiteral("Opties1"));
    m_languageMenu = m_optionsMenu->addMenu(QStringLiteral("&Taal"));
    m_languageMenu->setObjectName(QStringLiteral("Taal1"));
    m_languageGroup = new QActionGroup(this);
    m_languageGroup->setObjectName(QStringLiteral("TaalGroup"));
    m_languageGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    m_dutchAction = m_languageMenu->addAction(QStringLiteral("Nederlands"));
    m_dutchAction->setObjectName(QStringLiteral("Nederlands1"));
    m_dutchAction->setCheckable(true);
    m_languageGroup->addAction(m_dutchAction);
    connect(m_dutchAction, &QAction::triggered, this,
            [this] { guarded([this] { chooseLanguage(m_dutchAction); }); });

    m_helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    m_helpMenu->setObjectName(QStringLiteral("Help1"));
    m_helpContentsAction = m_helpMenu->addAction(QStringLiteral("H&elp inhoud"));
    m_helpContentsAction->setObjectName(QStringLiteral("Help2"));
    connect(m_helpContentsAction, &QAction::triggered, this, [this] { guarded([this] { showHelp(); }); });
    QAction* separator = m_helpMenu->addSeparator();
    separator->setObjectName(QStringLiteral("N1"));
    m_aboutAction = m_helpMenu->addAction(QStringLiteral("&Info"));
    m_aboutAction->setObjectName(QStringLiteral("Info1"));
    connect(m_aboutAction, &QAction::triggered, this, [this] { guarded([this] { showAbout(); }); });
}

void MainWindow::setBorderIcons(bool withSystemMenu) {
    // Without the system menu only minimise stays, unless the platform needs the close (BorderIcons.h).
    const Qt::WindowFlags flags = mainWindowFlags(withSystemMenu, QGuiApplication::platformName());
    if (flags == windowFlags()) return; // the native window, and what the desktop holds for it, stays
    bool wasVisible = isVisible();
    QPoint place = pos();
    setWindowFlags(flags); // hides a visible window
    if (wasVisible) {
        move(place);
        show();
    }
}

void MainWindow::initialise() {
    m_language.start();
    m_storm.checkSiblingProgram();
}

void MainWindow::resumeStormFromJournal() {
    m_storm.resumeFromJournal();
}

void MainWindow::reloadRoutes() {
    fillRouteList(m_storm.reloadRoutes());
}

void MainWindow::adoptLanguage(const std::string& name) {
    m_language.adopt(name);
}

void MainWindow::fillRouteList(const std::vector<std::string>& routes) {
    const QString placeholder = QString::fromStdString(texts().routePlaceholder);
    m_routeBox->clear();
    m_routeBox->setEditText(placeholder);
    QStringList items;
    for (const std::string& route : routes)
        items << QString::fromStdString(route);
    m_routeBox->addItems(items);
    // Adding items to an empty box picks the first: the placeholder must stay.
    m_routeBox->setCurrentIndex(-1);
    m_routeBox->setEditText(placeholder);
    m_routeBox->lineEdit()->setCursorPosition(0); // show the text's beginning, as a fresh edit box does
}

void MainWindow::makeStorm() {
    m_storm.make(m_routeBox->currentText().toStdString());
}

void MainWindow::restoreStorm() {
    m_storm.restore();
}

void MainWindow::chooseLanguage(QAction* item) {
    item->setChecked(true);
    if (m_dutchAction->isChecked())
        m_language.chooseBuiltIn();
    else
        m_language.chooseFile(item->data().toString().toStdString());
}

void MainWindow::showHelp() {
    m_help.showHelp();
}

// Modeless: the main window stays usable while the dialog is open.
void MainWindow::showAbout() {
    Q_EMIT aboutRequested();
}

bool MainWindow::mayClose() {
    return m_storm.mayClose();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    bool canClose = false; // a handler abandoned by an error does not let the window close
    guarded([&] { canClose = mayClose(); });
    if (!canClose) {
        event->ignore();
        return;
    }
    event->accept();
    QCoreApplication::quit(); // the main window's close ends the program
}

void MainWindow::showEvent(QShowEvent* event) {
    if (!m_centred) {
        m_centred = true;
        if (QScreen* s = screen())
            move(s->availableGeometry().center() -
                 QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
    QMainWindow::showEvent(event);
}

void MainWindow::lock() {
    m_selectionPanel->hide();
    m_quitAction->setEnabled(false);
    m_optionsMenu->menuAction()->setVisible(false);
    setBorderIcons(false);
    m_context.platform.blockSessionEnd(winId(), sessionEndReason(texts().mayNotClose));
}

void MainWindow::unlock() {
    m_selectionPanel->show();
    m_quitAction->setEnabled(true);
    setBorderIcons(true);
    m_context.platform.unblockSessionEnd(winId());
    m_report->clear();
    m_optionsMenu->menuAction()->setVisible(true);
}

void MainWindow::clearReport() {
    m_report->clear();
}

void MainWindow::showReport(const std::string& route, const std::vector<std::string>& inVirtualStore) {
    const QColor maroon(128, 0, 0), blue(0, 0, 255), grey(128, 128, 128);
    QTextCharFormat style; // the colour and style in force for new text
    auto boldUnderlined = [&] {
        style.setFontWeight(QFont::Bold);
        style.setFontUnderline(true);
    };
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    QTextCursor cursor(m_report->document());
    bool firstLine = m_report->document()->isEmpty();
    auto addLine = [&](const std::string& text) {
        cursor.movePosition(QTextCursor::End);
        if (firstLine) {
            cursor.setBlockFormat(centred);
            cursor.setBlockCharFormat(style);
            firstLine = false;
        } else {
            cursor.insertBlock(centred, style);
        }
        cursor.insertText(QString::fromStdString(text), style);
    };
    const std::string hyphens(33, '-');

    QPalette palette = m_report->palette();
    palette.setColor(QPalette::Text, maroon);
    m_report->setPalette(palette);
    style.setForeground(maroon);
    boldUnderlined();
    addLine(texts().reportHeading);
    addLine("");
    style.setForeground(blue);
    addLine(hyphens);
    boldUnderlined();
    addLine(texts().reportRouteLabel);
    style.setForeground(grey);
    addLine(route);
    style.setForeground(blue);
    addLine(hyphens);
    // The copies the simulator reads in place of its own files were replaced too: the player sees where.
    if (!inVirtualStore.empty()) {
        addLine(texts().reportVirtualStoreLabel);
        style.setForeground(grey);
        for (const std::string& file : inVirtualStore)
            addLine(file);
        style.setForeground(blue);
        addLine(hyphens);
    }
    boldUnderlined();
    m_report->setTextCursor(cursor);
    m_report->setCurrentCharFormat(style);
}

void MainWindow::setCaption(TextTarget target, const std::string& text) {
    const QString caption = QString::fromStdString(text);
    switch (target) {
    case TextTarget::RoutePrompt:
        setLabelCaption(m_routePrompt, text);
        m_routeBox->setAccessibleDescription(captionWithoutAccessKey(text));
        break;
    case TextTarget::RouteGroup:
        m_routeGroup->setTitle(caption);
        break;
    // Replaces whatever route the box showed; its list stays as it is.
    case TextTarget::RouteBoxText:
        m_routeBox->setEditText(caption);
        m_routeBox->lineEdit()->setCursorPosition(0); // show the text's beginning
        break;
    case TextTarget::FileMenu:
        m_fileMenu->setTitle(caption);
        break;
    case TextTarget::QuitItem:
        m_quitAction->setText(caption);
        break;
    case TextTarget::OptionsMenu:
        m_optionsMenu->setTitle(caption);
        break;
    case TextTarget::LanguageMenu:
        m_languageMenu->setTitle(caption);
        break;
    case TextTarget::HelpMenu:
        m_helpMenu->setTitle(caption);
        break;
    case TextTarget::HelpContentsItem:
        m_helpContentsAction->setText(caption);
        break;
    case TextTarget::AboutItem:
        m_aboutAction->setText(caption);
        break;
    case TextTarget::MakeButton:
        m_makeButton->setText(caption);
        break;
    case TextTarget::CompletionText:
        setLabelCaption(m_completionLabel, text);
        break;
    case TextTarget::RestoreButton:
        m_restoreButton->setText(caption);
        break;
    case TextTarget::Held:
        break; // held by the language controller
    }
}

void MainWindow::addLanguageItem(const std::string& name, bool checked) {
    const QString caption = QString::fromStdString(name);
    auto* item = new QAction(caption, this);
    // The language's name, as the file name gives it: some desktops add
    // access keys to menu texts, so the text itself is not relied on.
    item->setData(caption);
    item->setObjectName(QStringLiteral("Language%1").arg(m_languageMenu->actions().size() + 1));
    item->setCheckable(true);
    m_languageGroup->addAction(item);
    m_languageMenu->addAction(item);
    connect(item, &QAction::triggered, this,
            [this, item] { guarded([this, item] { chooseLanguage(item); }); });
    if (checked) item->setChecked(true);
}

void MainWindow::checkBuiltInLanguageItem() {
    m_dutchAction->setChecked(true);
}

void MainWindow::languageApplied(const std::string& language) {
    m_context.platform.setButtonCaptions({texts().yesButton, texts().noButton, texts().okButton});
    // A screen reader names the route box after its group and the report after its heading.
    m_routeBox->setAccessibleName(captionWithoutAccessKey(m_routeGroup->title().toStdString()));
    m_report->setAccessibleName(QString::fromStdString(texts().reportHeading));
    Q_EMIT languageChanged(QString::fromStdString(language));
}

int MainWindow::askHelpLanguage(const std::string& question, const std::string& title) {
    return askWithLanguageButtons(m_context.platform, this, question, title, DialogType::Information,
                                  dialog_button::Yes | dialog_button::No);
}
