// Click "开始起名" in the real main window and time how long the sorted list takes to appear,
// while a zero-interval timer records the longest gap between two event-loop iterations.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cstdio>

#include "app/AppContext.h"
#include "app/MainController.h"
#include "ui/GenerationPanel.h"
#include "ui/MainWindow.h"
#include "ui/MessageBoxes.h"
#include "ui/TextTableModel.h"

using namespace lumo;

namespace {

struct Measure {
    double toSortedList = 0;
    double longestGap = 0;
    int rows = 0;
};

Measure Run(ui::MainWindow& window, app::MainController& controller, const char* startButton,
            const char* list) {
    Measure m;
    QElapsedTimer clock, gap;
    QTimer ticker;
    ticker.setInterval(0);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        m.longestGap = std::max(m.longestGap, gap.nsecsElapsed() / 1e6);
        gap.restart();
    });
    bool finished = false;
    QMetaObject::Connection done = QObject::connect(&controller.Generation(), &ui::GenerationPanel::RunFinished,
                                                    [&] { finished = true; });
    clock.start();
    gap.start();
    ticker.start();
    window.findChild<QPushButton*>(startButton)->click();
    while (!finished) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    m.toSortedList = clock.nsecsElapsed() / 1e6;
    ticker.stop();
    QObject::disconnect(done);
    m.rows = window.ListModel(list)->rowCount();
    return m;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ui::MessageBoxes::SetRecording(true);
    app::AppContext context(QCoreApplication::applicationDirPath());
    ui::MainWindow window;
    app::MainController controller(context, window);
    window.show();
    controller.Start();
    context.WaitForLoader();

    window.findChild<QLineEdit*>("编辑框_姓氏")->setText("李");
    window.findChild<QComboBox*>("组合框_名字个数")->setCurrentText("二字");
    window.findChild<QRadioButton*>("单选框_高分起名")->click();
    for (int i = 0; i < 3; ++i) {
        Measure high = Run(window, controller, i == 0 ? "按钮_起名" : "按钮_再生成一次", "超级列表框_高分起名");
        std::printf("HighScore 李 boy 2 chars: %d rows, click to sorted list %.1f ms, longest event-loop gap %.1f ms\n",
                    high.rows, high.toSortedList, high.longestGap);
    }
    // SuperAuspicious with 所有字必须带五行 and all five elements (the start-up ticks).
    window.findChild<QRadioButton*>("单选框_超吉起名")->click();
    window.findChild<QPushButton*>("按钮_起名")->click();
    for (int i = 0; i < 2; ++i) {
        Measure super = Run(window, controller, "按钮_超吉生成", "超级列表框_超吉起名");
        std::printf("SuperAuspicious 李 all five required: %d rows, click to sorted list %.1f ms, longest event-loop gap %.1f ms\n",
                    super.rows, super.toSortedList, super.longestGap);
    }
    controller.Shutdown();
    return 0;
}
