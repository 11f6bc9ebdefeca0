#pragma once

#include <QObject>
#include <functional>
#include <vector>

#include "content/DataFolder.h"
#include "content/SettingsFile.h"
#include "db/SqliteDatabase.h"
#include "generation/NameRow.h"
#include "reports/NameDetails.h"

class QTableView;

namespace lumo::ui {

class MainWindow;

// The name-scoring page, the naming records and the double-clicks on every scored list. The two
// kept lists live here as rows of the core and are mirrored into their views.
class RecordsPanel : public QObject {
    Q_OBJECT
public:
    RecordsPanel(MainWindow& window, SqliteDatabase& db, DataFolder folder);

    // 按钮_评分.
    void ScoreName();
    // A double-click on one of the five generation lists, on the scoring list or on the records.
    void OpenFromGenerationList(QTableView* list);
    void OpenFromKeptList(QTableView* list, const std::vector<NameRow>& rows);
    // "删除记录" on the selected record.
    void DeleteSelectedRecord();

    const std::vector<NameRow>& Records() const { return records_; }
    void SetRecords(std::vector<NameRow> records);
    const std::vector<NameRow>& ScoringRows() const { return scoring_; }

    // The inputs and records the settings file keeps, read from and written to the window.
    Settings ReadSettings() const;
    void ApplySettings(const Settings& settings);

    // Where the details of a name go (the detail window); until set, the report page is only
    // written.
    void SetDetailsHandler(std::function<void(const NameDetails&)> handler) { showDetails_ = std::move(handler); }

private:
    void Mirror(const char* list, const std::vector<NameRow>& rows);
    void Show(const std::optional<NameDetails>& details);

    MainWindow& window_;
    SqliteDatabase& db_;
    DataFolder folder_;
    std::vector<NameRow> scoring_;
    std::vector<NameRow> records_;
    std::function<void(const NameDetails&)> showDetails_;
};

}  // namespace lumo::ui
