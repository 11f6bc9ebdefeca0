#include "app/MainController.h"

#include <QLineEdit>
#include <QRadioButton>

#include "app/AppContext.h"
#include "ui/MainWindow.h"

namespace lumo::app {

MainController::MainController(AppContext& context, ui::MainWindow& window) : context_(context), window_(window) {
    connect(&window_, &ui::MainWindow::QuitRequested, this, [this] { window_.close(); });
}

void MainController::Start() {
    ui::FillDateLists(window_.InputDates());
    lastRunSurname_ = window_.findChild<QLineEdit*>("编辑框_姓氏")->text();
    window_.ModeRadioClicked(window_.findChild<QRadioButton*>("单选框_经典起名"));
    context_.StartLoader(&window_);
}

void MainController::Shutdown() {
    if (shutDown_) return;
    shutDown_ = true;
    context_.WaitForLoader();
    context_.ReferenceDb().Close();
}

}  // namespace lumo::app
