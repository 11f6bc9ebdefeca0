#include "app/MainController.h"

#include <QLineEdit>
#include <QRadioButton>

#include "app/AppContext.h"
#include "content/Articles.h"
#include "content/SettingsFile.h"
#include "db/Gbk.h"
#include "ui/ArticleReader.h"
#include "ui/ChartPage.h"
#include "ui/DetailWindow.h"
#include "ui/DictionaryDialog.h"
#include "ui/ExportButtons.h"
#include "ui/GenerationPanel.h"
#include "ui/MainWindow.h"
#include "ui/Menus.h"
#include "ui/MessageBoxes.h"
#include "ui/Pronunciation.h"
#include "ui/RecordsPanel.h"
#include "ui/Skins.h"

namespace lumo::app {

MainController::MainController(AppContext& context, ui::MainWindow& window)
    : context_(context),
      window_(window),
      generation_(new ui::GenerationPanel(
          window, context.ReferenceDb(), [&context] { return context.ReferenceLoaded(); },
          context.DataDir())) {
    connect(&window_, &ui::MainWindow::QuitRequested, this, [this] { window_.close(); });
    // The window is built but not yet shown: skin it now so it never appears unskinned.
    ui::ApplySkin(ui::kStartupSkin);
    window_.OpenAtFittingSize();
    new ui::Menus(window_);  // a child of the window, found by its object name "菜单栏"
    records_ = new ui::RecordsPanel(window_, context_.ReferenceDb(), context_.Data());
    // The secondary windows and the handlers of the chart page, the exports and the English list;
    // children of the window, found with findChild.
    auto* details = new ui::NameDetailWindows(window_, context_.ReferenceDb(), context_.Data());
    records_->SetDetailsHandler([details](const NameDetails& name) { details->ShowDetails(name); });
    auto* chart = new ui::ChartPage(window_);
    connect(chart, &ui::ChartPage::ElementsWanted, generation_,
            &ui::GenerationPanel::RequireElements);
    new ui::ExportButtons(window_, context_.ReferenceDb(), context_.Data());
    new ui::Pronunciation(window_, context_.Data());
    auto* reader = new ui::ArticleReader(window_, context_.ReferenceDb(), context_.Data());
    connect(window_.findChild<ui::Menus*>("菜单栏"), &ui::Menus::ArticleCategoryRequested, reader,
            &ui::ArticleReader::OpenArticleCategory);
    connect(&window_, &ui::MainWindow::DictionaryRequested, this, [this] {
        ui::DictionaryDialog::Run(&window_, context_.ReferenceDb(), context_.Data());
    });
}

void MainController::Start() {
    // The start-up skin is on; the first "更换皮肤" begins the list from its first skin.
    window_.findChild<ui::Menus*>("菜单栏")->Skins().SetPosition(1);
    ui::FillDateLists(window_.InputDates());
    window_.findChild<ui::ChartPage*>()->ComputeAtStartUp();
    generation_->SetLastRunSurname(window_.findChild<QLineEdit*>("编辑框_姓氏")->text());
    window_.ModeRadioClicked(window_.findChild<QRadioButton*>("单选框_经典起名"));
    bool unreadable = false;
    records_->ApplySettings(LoadSettings(SettingsLocation(), &unreadable));
    // The records are still in the file: say so, and leave the file alone at shutdown.
    saveSettings_ = !unreadable;
    if (unreadable)
        ui::MessageBoxes::Show(&window_, UserMessage{UnreadableSettingsMessage(SettingsLocation()),
                                                     Gbk("提示"), MessageIcon::Warning});
    generation_->ResetCharSetting();
    // The introduction says how many articles the loaded database holds.
    context_.StartLoader(&window_, [this] {
        window_.ShowArticleCounts(ArticleCount(context_.ReferenceDb(), ArticleTable::Fortune),
                                  ArticleCount(context_.ReferenceDb(), ArticleTable::Parenting));
    });
}

void MainController::Shutdown() {
    if (shutDown_) return;
    shutDown_ = true;
    generation_->StopGeneration();
    context_.WaitForLoader();
    context_.ReferenceDb().Close();
    // A failed write is not reported; a file that could not be read at start-up is not replaced.
    if (saveSettings_) SaveSettings(SettingsLocation(), records_->ReadSettings());
}

}  // namespace lumo::app
