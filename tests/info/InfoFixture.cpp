// SPDX-License-Identifier: GPL-3.0-or-later
#include "InfoFixture.h"

#include <QApplication>

void InfoFixture::SetUp() {
    tmp.mkdir("prog/Dump/Languages");
    context = std::make_unique<AppContext>(AppContext{platform, Folders{programFolder()}});
    form = std::make_unique<TForm1>(*context);
    context->Form1 = form.get();
    form->ApplyLanguage("Nederlands");
    about = std::make_unique<TzktInfoDlg>(*context, form.get());
    context->zktInfoDlg = about.get();
}

void InfoFixture::TearDown() {
    about.reset();
    form.reset();
}

void InfoFixture::writeLanguage(const std::string& name, const std::string& content) const {
    tmp.write("prog/Dump/Languages/" + name + ".lng", content);
}

void InfoFixture::settle() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}
