#include "lang/Tlanguage_form.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

Tlanguage_form::Tlanguage_form(AppContext& context) : QDialog(nullptr), context_(context) {
    setObjectName(QStringLiteral("language_form"));
    setWindowTitle(QStringLiteral("Kies uw taal "));
}

void Tlanguage_form::FormCreate() { ChosenLanguage = "Nederlands"; }
