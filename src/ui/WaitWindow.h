#pragma once

#include <QDialog>

namespace lumo::ui {

// "请稍等": a small free window beside the main window while a run prepares its names. It has
// nothing to act on and never blocks the main window.
class WaitWindow : public QDialog {
    Q_OBJECT
public:
    explicit WaitWindow(QWidget* mainWindow);
    void Open();
};

}  // namespace lumo::ui
