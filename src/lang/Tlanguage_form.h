#pragma once
#include "app/AppContext.h"

#include <QDialog>

#include <string>

class QComboBox;
class QLabel;
class QPushButton;

// The first-run language window: asks for the language before the main window is shown.
class Tlanguage_form : public QDialog {
    Q_OBJECT
public:
    explicit Tlanguage_form(AppContext& context);

    QLabel* Label1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QPushButton* Button1 = nullptr;

    std::string ChosenLanguage;

    void FormCreate();

private:
    AppContext& context_;
};
