// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QList>

// A Windows icon file (.ico) that holds each image as PNG, the form Windows
// reads since Vista for every size. Each PNG must be square, at most 256
// pixels wide; the images appear in the order given.
QByteArray iconFileOf(const QList<QByteArray>& pngImages);
