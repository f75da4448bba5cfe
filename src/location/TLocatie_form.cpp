#include "location/TLocatie_form.h"

TLocatie_form::TLocatie_form(AppContext& context) : QDialog(nullptr), context_(context) {
    setObjectName(QStringLiteral("Locatie_form"));
}

void TLocatie_form::FormCreate() {}
