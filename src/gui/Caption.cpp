// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/Caption.h"

#include <QLabel>

QString captionWithoutAccessKey(const std::string& caption) {
    const QString in = QString::fromStdString(caption);
    QString out;
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == u'&') {
            if (i + 1 < in.size() && in[i + 1] == u'&') out += u'&', ++i;
            continue;
        }
        out += in[i];
    }
    return out;
}

void setLabelCaption(QLabel* label, const std::string& caption) {
    const QString in = QString::fromStdString(caption);
    // The first single "&" that has a character after it marks the access key.
    qsizetype key = -1;
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] != u'&') continue;
        if (i + 1 < in.size() && in[i + 1] != u'&') {
            key = i;
            break;
        }
        ++i; // "&&", or a last "&"
    }
    if (key < 0) {
        label->setTextFormat(Qt::PlainText);
        label->setText(captionWithoutAccessKey(caption));
        return;
    }
    const QString before = captionWithoutAccessKey(in.left(key).toStdString());
    const QString after = captionWithoutAccessKey(in.mid(key + 2).toStdString());
    // Rich text keeps every blank with pre-wrap, as the plain caption would.
    label->setTextFormat(Qt::RichText);
    label->setText(
        QStringLiteral("<span style=\"white-space:pre-wrap\">%1<u>%2</u>%3</span>")
            .arg(before.toHtmlEscaped(), QString(in[key + 1]).toHtmlEscaped(), after.toHtmlEscaped()));
}

QString windowCaption(const std::string& caption) {
    QString title = QString::fromStdString(caption);
    title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    return title;
}
