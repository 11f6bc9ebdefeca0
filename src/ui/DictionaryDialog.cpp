#include "ui/DictionaryDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "reports/CharacterPages.h"
#include "ui/DetailWindow.h"
#include "ui/Text.h"

namespace lumo::ui {

DictionaryDialog::DictionaryDialog(QWidget* owner, SqliteDatabase& db, DataFolder folder)
    : QDialog(owner), db_(db), folder_(std::move(folder)) {
    setObjectName("LumoWord");
    setWindowTitle("汉字查询");
    // Only the main window waits; the detail windows and the reader stay usable.
    setWindowModality(Qt::WindowModal);
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel("请输入要查询的汉字:", this), 0, 0, 1, 2);
    box_ = new QLineEdit(this);
    box_->setObjectName("编辑框1");
    grid->addWidget(box_, 1, 0);
    query_ = new QPushButton("查询", this);
    query_->setObjectName("按钮_查询");
    query_->setDefault(true);
    grid->addWidget(query_, 1, 1);
    connect(query_, &QPushButton::clicked, this, &DictionaryDialog::LookUp);
    resize(289, 109);
}

void DictionaryDialog::Run(QWidget* owner, SqliteDatabase& db, const DataFolder& folder) {
    DictionaryDialog dialog(owner, db, folder);
    dialog.exec();
}

void DictionaryDialog::LookUp() {
    std::string caption = LookUpCharacter(db_, ToGbk(box_->text()), folder_);
    if (!viewer_) viewer_ = new SinglePageWindow(this);
    viewer_->ShowPage(folder_.File("temp.html"), FromGbk(caption));
    viewer_->show();
    viewer_->raise();
    viewer_->activateWindow();
}

void DictionaryDialog::done(int result) {
    if (viewer_) viewer_->close();
    QDialog::done(result);
}

}  // namespace lumo::ui
