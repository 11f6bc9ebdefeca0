// lumo_screenshots OUTDIR [SKIN] — fills the pages as a parent would and saves each as
// OUTDIR/<page>.png, in the start-up skin or the skin at position SKIN (1..79).
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <cstdio>

#include "app/AppContext.h"
#include "app/MainController.h"
#include "ui/DetailWindow.h"
#include "ui/DictionaryDialog.h"
#include "ui/GenerationPanel.h"
#include "ui/MainWindow.h"
#include "ui/MessageBoxes.h"
#include "ui/Skins.h"

using namespace lumo;

namespace {

void Settle(int ms = 300) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

void WaitForRun(app::MainController& c) {
    Settle(100);
    while (c.Generation().Worker().Running()) Settle(50);
    Settle(300);
}

void Save(QWidget& w, const QString& dir, const QString& name) {
    Settle();
    w.grab().save(dir + "/" + name + ".png");
    std::printf("%s/%s.png\n", qPrintable(dir), qPrintable(name));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QString out = argc > 1 ? argv[1] : "shots";
    QDir().mkpath(out);
    ui::MessageBoxes::SetRecording(true);
    app::AppContext context(QCoreApplication::applicationDirPath());
    ui::MainWindow window;
    app::MainController controller(context, window);
    if (argc > 2 && ui::ApplySkin(QString(argv[2]).toInt())) window.OpenAtFittingSize();
    window.show();
    controller.Start();
    context.WaitForLoader();
    auto button = [&](const char* name) { return window.findChild<QPushButton*>(name); };
    auto choose = [&](const char* name) { window.findChild<QRadioButton*>(name)->click(); };

    window.findChild<QLineEdit*>("编辑框_姓氏")->setText("李");
    window.findChild<QComboBox*>("组合框_名字个数")->setCurrentText("二字");
    Save(window, out, "00-mode");

    choose("单选框_高分起名");
    button("按钮_起名")->click();
    WaitForRun(controller);
    Save(window, out, "01-highscore");

    choose("单选框_诗词起名");
    button("按钮_起名")->click();
    Settle();
    Save(window, out, "02-poetry");
    button("按钮2")->click();
    Save(window, out, "02-poetry-characters");
    button("按钮_诗词起名")->click();
    WaitForRun(controller);
    Save(window, out, "02-poetry-names");

    choose("单选框_组合起名");
    button("按钮_起名")->click();
    button("按钮_组合起名")->click();
    WaitForRun(controller);
    Save(window, out, "03-combination");

    choose("单选框_起小名");
    button("按钮_起名")->click();
    button("按钮_起小名")->click();
    WaitForRun(controller);
    Save(window, out, "04-nickname");

    choose("单选框_起英文名");
    button("按钮_起名")->click();
    window.findChild<QLineEdit*>("编辑框_英文名字")->setText("涛涛");
    button("按钮_英文起名")->click();
    WaitForRun(controller);
    Save(window, out, "05-english");

    window.ToolbarCommand(2);
    button("按钮_八字查询")->click();
    Save(window, out, "06-chart");

    window.ToolbarCommand(4);
    window.findChild<QLineEdit*>("编辑框_评分名字")->setText("涛涛");
    button("按钮_评分")->click();
    Save(window, out, "07-scoring");

    window.ToolbarCommand(6);
    Save(window, out, "08-records");

    choose("单选框_超吉起名");
    button("按钮_起名")->click();
    button("按钮_超吉生成")->click();
    WaitForRun(controller);
    Save(window, out, "09-super");

    choose("单选框_经典起名");
    button("按钮_起名")->click();
    WaitForRun(controller);
    Save(window, out, "10-classic");

    // The detail window of a name, every tab.
    if (auto* details = window.findChild<ui::NameDetailWindows*>()) {
        ui::DetailWindow* detail = details->OpenNameDetail("李", "明华");
        if (auto* tabs = detail->findChild<QTabWidget*>()) {
            for (int i = 0; i < tabs->count(); ++i) {
                if (!tabs->isTabVisible(i)) continue;
                tabs->setCurrentIndex(i);
                Save(*detail, out, QString("11-detail-%1").arg(i));
            }
        }
        detail->close();
    }
    // The dictionary and its viewer.
    {
        ui::DictionaryDialog dictionary(&window, context.ReferenceDb(), context.Data());
        dictionary.show();
        dictionary.Box()->setText("涵");
        Save(dictionary, out, "12-dictionary");
        dictionary.LookUp();
        if (dictionary.Viewer()) Save(*dictionary.Viewer(), out, "12-dictionary-viewer");
        dictionary.done(0);
    }
    controller.Shutdown();
    return 0;
}
