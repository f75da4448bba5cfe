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
    : StormWindow(Folders{fx.programFolder()}, platform, files, std::move(hook)) {}

StormWindow::StormWindow(const Folders& folders, testing_support::ScriptedPlatform& platform,
                         storm::StormFiles* files, storm::StepHook hook)
    : m_windows(platform, folders), m_form(&m_windows.mainWindow(false)) {
    m_form->storm().setFiles(files);
    m_form->storm().setStepHook(std::move(hook));
    const ErrorGuard& guard = m_windows.context.guard;
    guard.run([&] { m_form->initialise(); });
    guard.run([&] { m_form->resumeStormFromJournal(); });
    guard.run([&] { m_form->reloadRoutes(); });
}

StormWindow::~StormWindow() = default;

void StormWindow::make(const std::string& route) {
    control<QComboBox>(m_form, "RouteBox")->setEditText(QString::fromStdString(route));
    control<QPushButton>(m_form, "Button1")->click();
}

void StormWindow::restore() {
    control<QPushButton>(m_form, "Button2")->click();
}

bool StormWindow::locked() const {
    return m_form->storm().isStormActive() && control<QFrame>(m_form, "Panel1")->isHidden() &&
           !control<QAction>(m_form, "afsluiten1")->isEnabled() &&
           !control<QMenu>(m_form, "Opties1")->menuAction()->isVisible() &&
           !(m_form->windowFlags() & Qt::WindowCloseButtonHint) && m_form->storm().journal().has_value();
}

bool StormWindow::selecting() const {
    return !m_form->storm().isStormActive() && !control<QFrame>(m_form, "Panel1")->isHidden() &&
           control<QAction>(m_form, "afsluiten1")->isEnabled() &&
           control<QMenu>(m_form, "Opties1")->menuAction()->isVisible() &&
           (m_form->windowFlags() & Qt::WindowCloseButtonHint) && !m_form->storm().journal().has_value();
}

std::vector<StormWindow::ReportLine> StormWindow::report() const {
    std::vector<ReportLine> lines;
    if (control<QTextEdit>(m_form, "RichEdit1")->document()->isEmpty()) return lines;
    for (QTextBlock b = control<QTextEdit>(m_form, "RichEdit1")->document()->begin(); b.isValid();
         b = b.next()) {
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
