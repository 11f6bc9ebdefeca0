#include "ui/GenerationCharDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "generation/InputLimits.h"
#include "ui/MessageBoxes.h"
#include "ui/Text.h"

namespace lumo::ui {

GenerationCharDialog::GenerationCharDialog(GenerationCharSetting& setting, QWidget* owner)
    : QDialog(owner), setting_(setting) {
    setObjectName("辈份窗口");
    setWindowTitle("设置辈份");
    setModal(true);
    resize(498, 257);
    auto* grid = new QGridLayout(this);
    auto* advice = new QLabel("高分模式下建议不设置辈份,设置后生成名字较少,且很难取得高分名字", this);
    advice->setWordWrap(true);
    grid->addWidget(advice, 0, 0, 1, 3);

    none_ = new QRadioButton("不设置辈份", this);
    none_->setObjectName("单选框_不设置辈份");
    grid->addWidget(none_, 1, 0, 1, 3);
    second_ = new QRadioButton("第  二  个字设定为", this);
    second_->setObjectName("单选框_设置第二个字");
    secondBox_ = new QLineEdit("志", this);
    secondBox_->setObjectName("编辑框_第二个字");
    secondBox_->setFixedWidth(48);
    secondBox_->setMaxLength(static_cast<int>(kGenerationCharMaxChars));
    grid->addWidget(second_, 2, 0);
    grid->addWidget(secondBox_, 2, 1);
    grid->addWidget(new QLabel("设定第二个字如李\"志\"强的\"志\"", this), 2, 2);
    third_ = new QRadioButton("第  三  个字设定为", this);
    third_->setObjectName("单选框_设置第三个字");
    thirdBox_ = new QLineEdit("强", this);
    thirdBox_->setObjectName("编辑框_第三个字");
    thirdBox_->setFixedWidth(48);
    thirdBox_->setMaxLength(static_cast<int>(kGenerationCharMaxChars));
    grid->addWidget(third_, 3, 0);
    grid->addWidget(thirdBox_, 3, 1);
    grid->addWidget(new QLabel("设定第三个字如李志\"强\"的\"强\"", this), 3, 2);

    auto* only = new QLabel("本功能只能在“高分起名”模式下可以正常使用！", this);
    only->setObjectName("标签1");
    only->setStyleSheet("color: rgb(192, 0, 0);");
    grid->addWidget(only, 4, 0, 1, 3);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton("确定", this);
    ok->setObjectName("按钮_辈份确定");
    auto* cancel = new QPushButton("取消", this);
    cancel->setObjectName("按钮_辈份取消");
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 5, 0, 1, 3);
    connect(ok, &QPushButton::clicked, this, &GenerationCharDialog::Confirm);
    connect(cancel, &QPushButton::clicked, this, &GenerationCharDialog::Cancel);

    switch (ChoiceShownFor(setting_)) {
        case GenerationCharChoice::None: none_->setChecked(true); break;
        case GenerationCharChoice::Second: second_->setChecked(true); break;
        case GenerationCharChoice::Third: third_->setChecked(true); break;
    }
}

void GenerationCharDialog::Confirm() {
    GenerationCharChoice choice = second_->isChecked() ? GenerationCharChoice::Second
                                  : third_->isChecked() ? GenerationCharChoice::Third
                                                        : GenerationCharChoice::None;
    QString typed = choice == GenerationCharChoice::Second ? secondBox_->text()
                    : choice == GenerationCharChoice::Third ? thirdBox_->text()
                                                            : QString();
    if (auto refusal = ConfirmGenerationChar(setting_, choice, ToGbk(typed))) {
        MessageBoxes::Show(this, *refusal);
        return;
    }
    accept();
}

void GenerationCharDialog::Cancel() {
    none_->setChecked(true);
    CancelGenerationChar(setting_);
    reject();
}

}  // namespace lumo::ui
