#include "lang/Caption.h"

QString captionWithoutAccessKey(const std::string& caption) {
    QString in = QString::fromStdString(caption), out;
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == u'&') {
            if (i + 1 < in.size() && in[i + 1] == u'&')
                out += u'&', ++i;
            continue;
        }
        out += in[i];
    }
    return out;
}
