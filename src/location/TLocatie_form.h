#pragma once
#include "app/AppContext.h"

#include <QDialog>

// The simulator location window: asks for the simulator's folder when train.exe is not found.
class TLocatie_form : public QDialog {
    Q_OBJECT
public:
    explicit TLocatie_form(AppContext& context);

    void FormCreate();

private:
    AppContext& context_;
};
