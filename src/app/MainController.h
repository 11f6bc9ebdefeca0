#pragma once

#include <QObject>
#include <QString>

namespace lumo::ui {
class GenerationPanel;
class MainWindow;
class RecordsPanel;
}

namespace lumo::app {

class AppContext;

// Runs the main window's creation sequence and the shutdown, and connects the pages to the core.
class MainController : public QObject {
    Q_OBJECT
public:
    MainController(AppContext& context, ui::MainWindow& window);

    // The creation sequence, after the window exists: date lists, birth chart, the remembered
    // family name, the classic status text, the settings, and last the reference-data loader.
    void Start();
    // Stops any run, closes the database and saves the settings (unless the file was there but
    // could not be read at start-up). Idempotent.
    void Shutdown();

    ui::GenerationPanel& Generation() { return *generation_; }
    ui::RecordsPanel& Records() { return *records_; }

private:
    AppContext& context_;
    ui::MainWindow& window_;
    ui::GenerationPanel* generation_;
    ui::RecordsPanel* records_;
    bool shutDown_ = false;
    bool saveSettings_ = true;  // false when the settings file was there but unreadable
};

}  // namespace lumo::app
