#include "ui/WaitWindow.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace lumo::ui {

WaitWindow::WaitWindow(QWidget* mainWindow) : QDialog(mainWindow, Qt::Tool | Qt::WindowTitleHint) {
    setObjectName("等待窗口");
    setWindowTitle("请稍等");
    setModal(false);
    setFixedSize(380, 64);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(new QLabel("正在生成,请稍等一下......", this));
    auto* bar = new QProgressBar(this);
    bar->setRange(0, 0);  // an endless animation: a run cannot know how long it takes
    bar->setTextVisible(false);
    bar->setFixedSize(145, 15);
    layout->addWidget(bar, 0, Qt::AlignHCenter);
}

void WaitWindow::Open() {
    if (QWidget* owner = parentWidget()) {
        QRect g = owner->frameGeometry();
        move(g.right() - width() - 24, g.top() + 80);
    }
    show();
}

}  // namespace lumo::ui
