// SPDX-License-Identifier: GPL-3.0-or-later
#include "StormWindow.h"
#include "support/Controls.h"


#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QMenu>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>


using testing_support::control;

namespace storm_test {

void writeSettings(const StormFixture& fx, const std::string& language) {
    fx.dir.write("Brontara/Dump/All_dat.ini",
                 "[Programma]\r\nTaalkeuze=" + language +
                     "\r\nTaalscherm=1\r\n[msts locatie]\r\nPad=" + fx.simulator + "\r\n");
}

StormWindow::StormWindow(const StormFixture& fx, testing_support::ScriptedPlatform& platform,
                         storm::StormFiles* files, storm::StepHook hook)
    : context_{platform, Folders{fx.programFolder()}} {
    form_ = std::make_unique<MainWindow>(context_);
    form_->storm().setFiles(files);
    form_->storm().setStepHook(std::move(hook));
    context_.guard.run([&] { form_->initialise(); });
    context_.guard.run([&] { form_->resumeStormFromJournal(); });
    context_.guard.run([&] { form_->reloadRoutes(); });
}

StormWindow::~StormWindow() = default;

void StormWindow::make(const std::string& route) {
    control<QComboBox>(form_, "RouteBox")->setEditText(QString::fromStdString(route));
    control<QPushButton>(form_, "Button1")->click();
}

void StormWindow::restore() {
    control<QPushButton>(form_, "Button2")->click();
}

bool StormWindow::locked() const {
    return form_->storm().isStormActive() && control<QFrame>(form_, "Panel1")->isHidden() && !control<QAction>(form_, "afsluiten1")->isEnabled() &&
           !control<QMenu>(form_, "Opties1")->menuAction()->isVisible() &&
           !(form_->windowFlags() & Qt::WindowCloseButtonHint) && form_->storm().journal().has_value();
}

bool StormWindow::selecting() const {
    return !form_->storm().isStormActive() && !control<QFrame>(form_, "Panel1")->isHidden() && control<QAction>(form_, "afsluiten1")->isEnabled() &&
           control<QMenu>(form_, "Opties1")->menuAction()->isVisible() && (form_->windowFlags() & Qt::WindowCloseButtonHint) &&
           !form_->storm().journal().has_value();
}

std::vector<StormWindow::ReportLine> StormWindow::report() const {
    std::vector<ReportLine> lines;
    if (control<QTextEdit>(form_, "RichEdit1")->document()->isEmpty()) return lines;
    for (QTextBlock b = control<QTextEdit>(form_, "RichEdit1")->document()->begin(); b.isValid(); b = b.next()) {
        // An empty line has no fragment: its block's character format is the one in force.
        QTextCharFormat f = b.charFormat();
        for (auto it = b.begin(); !it.atEnd(); ++it)
            f = it.fragment().charFormat();
        lines.push_back({b.text().toStdString(), f.foreground().color(), f.fontWeight() == QFont::Bold,
                         f.fontUnderline(), b.blockFormat().alignment() == Qt::AlignHCenter});
    }
    return lines;
}

} // namespace storm_test
