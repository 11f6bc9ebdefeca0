#pragma once

#include <QDialog>

#include "generation/GenerationCharSetting.h"

class QLineEdit;
class QRadioButton;

namespace lumo::ui {

// "设置辈份": fixes the first or the second character of two-character given names.
class GenerationCharDialog : public QDialog {
    Q_OBJECT
public:
    GenerationCharDialog(GenerationCharSetting& setting, QWidget* owner);

private:
    void Confirm();
    void Cancel();

    GenerationCharSetting& setting_;
    QRadioButton* none_;
    QRadioButton* second_;
    QRadioButton* third_;
    QLineEdit* secondBox_;
    QLineEdit* thirdBox_;
};

}  // namespace lumo::ui
