// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Startup.h"

#include "gui/AboutDialog.h"
#include "gui/LanguageWindow.h"
#include "gui/MainWindow.h"
#include "gui/SimulatorFolderWindow.h"
#include "gui/WindowActivation.h"
#include "gui/platform/DesktopPlatform.h"
#include "platform/SingleInstance.h"

#include <QApplication>

Windows::Windows() = default;
Windows::Windows(Windows&&) noexcept = default;
Windows::~Windows() = default;

void connectLanguageWindow(MainWindow& main, LanguageWindow& language) {
    QObject::connect(&language, &LanguageWindow::languageChosen, &main,
                     [&main](const std::string& name) { main.adoptLanguage(name); });
}

void connectAboutDialog(MainWindow& main, AboutDialog& about) {
    about.setLanguage(main.language().current());
    QObject::connect(&main, &MainWindow::languageChanged, &about,
                     [&about](const QString& name) { about.setLanguage(name.toStdString()); });
    // Modeless: the main window stays usable while the dialog is open.
    QObject::connect(&main, &MainWindow::aboutRequested, &about, [&about] {
        about.show();
        about.raise();
        about.activateWindow();
    });
    // Coming back from the modeless about dialog re-reads the simulator folder and the routes.
    main.activation().watch(&about, ActivationRule::Window::About);
}

Windows createWindows(AppContext& context) {
    Windows windows;
    windows.main = std::make_unique<MainWindow>(context);
    context.guard.run([&] { windows.main->initialise(); });
    // A storm left in the simulator by a forced end: open locked, with the restore button.
    context.guard.run([&] { windows.main->resumeStormFromJournal(); });

    windows.language = std::make_unique<LanguageWindow>(context);
    connectLanguageWindow(*windows.main, *windows.language);
    context.guard.run([&] { windows.language->initialise(); });

    windows.about = std::make_unique<AboutDialog>(context, windows.main.get());
    connectAboutDialog(*windows.main, *windows.about);

    windows.simulatorFolder = std::make_unique<SimulatorFolderWindow>(context);
    context.guard.run([&] { windows.simulatorFolder->initialise(); });
    return windows;
}

namespace {

// Catches what escapes an event handler that no guard wrapped, so that no
// error ever crosses the event loop.
class BrontaraApplication : public QApplication {
  public:
    BrontaraApplication(int& argc, char** argv, const ErrorGuard& guard)
        : QApplication(argc, argv), m_guard(guard) {}
    bool notify(QObject* receiver, QEvent* event) override {
        bool result = false;
        m_guard.run([&] { result = QApplication::notify(receiver, event); });
        return result;
    }

  private:
    const ErrorGuard& m_guard;
};

} // namespace

int runBrontara(int argc, char** argv) {
    // Only one Brontara at a time: a second start ends at once, silently.
    const std::string claimName = "ZKT Onweer";
    auto claim = platform::InstanceClaim::tryClaim(claimName);
    if (!claim) return 0;

    platform::DesktopPlatform desktop;
    // Held by the platform, which hands it over when the program starts itself again as administrator.
    desktop.holdClaim(std::move(claim), claimName);
    AppContext context{desktop, Folders::ofExecutable()};
    BrontaraApplication app(argc, argv, context.guard);
    // The application's title. (Not its display name: on X11 Qt would append
    // that to every window's caption.)
    QApplication::setApplicationName(QStringLiteral("Brontara"));
    // Only the main window's close ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    Windows windows = createWindows(context);
    windows.main->show();
    QApplication::exec();
    return 0;
}
