// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Startup.h"

#include "app/FormActivation.h"
#include "app/TForm1.h"
#include "info/TzktInfoDlg.h"
#include "lang/Tlanguage_form.h"
#include "location/TLocatie_form.h"
#include "platform/SingleInstance.h"
#include "platform/qt/DesktopPlatform.h"

#include <QApplication>

Forms::~Forms() = default;

Forms createForms(AppContext& context) {
    Forms forms;
    forms.main = std::make_unique<TForm1>(context);
    context.Form1 = forms.main.get();
    context.guard.run([&] { forms.main->FormCreate(); });
    // A storm left in the simulator by a forced end: open locked, with the restore button.
    context.guard.run([&] { forms.main->ResumeStormFromJournal(); });

    forms.language = std::make_unique<Tlanguage_form>(context);
    context.language_form = forms.language.get();
    context.guard.run([&] { forms.language->FormCreate(); });

    forms.about = std::make_unique<TzktInfoDlg>(context, forms.main.get());
    context.zktInfoDlg = forms.about.get();
    // Coming back from the modeless about dialog re-reads the simulator folder and the routes.
    forms.main->activation().watch(forms.about.get(), ActivationRule::Form::About);

    forms.location = std::make_unique<TLocatie_form>(context);
    context.Locatie_form = forms.location.get();
    context.guard.run([&] { forms.location->FormCreate(); });
    return forms;
}

namespace {

// Catches what escapes an event handler that no guard wrapped, so that no
// error ever crosses the event loop.
class BrontaraApplication : public QApplication {
public:
    BrontaraApplication(int& argc, char** argv, const ErrorGuard& guard) : QApplication(argc, argv), guard_(guard) {}
    bool notify(QObject* receiver, QEvent* event) override {
        bool result = false;
        guard_.run([&] { result = QApplication::notify(receiver, event); });
        return result;
    }

private:
    const ErrorGuard& guard_;
};

} // namespace

int runBrontara(int argc, char** argv) {
    // Only one Brontara at a time: a second start ends at once, silently.
    auto claim = platform::InstanceClaim::tryClaim("ZKT Onweer");
    if (!claim)
        return 0;

    platform::DesktopPlatform desktop;
    AppContext context{desktop, Folders::ofExecutable()};
    BrontaraApplication app(argc, argv, context.guard);
    // The application's title. (Not its display name: on X11 Qt would append
    // that to every window's caption.)
    QApplication::setApplicationName(QStringLiteral("Brontara"));
    // Only the main window's close ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    Forms forms = createForms(context);
    forms.main->show();
    QApplication::exec();

    claim.reset();
    return 0;
}
