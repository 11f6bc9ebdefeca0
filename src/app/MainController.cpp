#include "app/MainController.h"

#include <QLineEdit>
#include <QRadioButton>

#include "app/AppContext.h"
#include "ui/MainWindow.h"
#include "ui/Menus.h"
#include "ui/Skins.h"

namespace lumo::app {

MainController::MainController(AppContext& context, ui::MainWindow& window) : context_(context), window_(window) {
    connect(&window_, &ui::MainWindow::QuitRequested, this, [this] { window_.close(); });
    // The window is built but not yet shown: skin it now so it never appears unskinned.
    ui::ApplySkin(ui::kStartupSkin);
    new ui::Menus(window_);  // a child of the window, found by its object name "菜单栏"
}

void MainController::Start() {
    // The start-up skin is on; the first "更换皮肤" begins the list from its first skin.
    window_.findChild<ui::Menus*>("菜单栏")->Skins().SetPosition(1);
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
