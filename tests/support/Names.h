// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

#include <initializer_list>

namespace testing_support {

// A list of texts written as UTF-8 literals, for comparisons with what widgets show.
inline QStringList names(std::initializer_list<const char*> list) {
    QStringList result;
    for (const char* n : list)
        result << QString::fromUtf8(n);
    return result;
}

} // namespace testing_support
