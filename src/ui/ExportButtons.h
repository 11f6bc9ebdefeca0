#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <vector>

#include "content/DataFolder.h"
#include "db/SqliteDatabase.h"
#include "generation/NameRow.h"

namespace lumo::ui {

class MainWindow;

// The three export buttons: `按钮_高分导出` saves 超级列表框_高分起名 (NameList.txt),
// `按钮_超吉导出` saves 超级列表框_超吉起名 (100NameList.txt) and `按钮_经典导出` saves the text
// of 编辑框_经典名字 (ClassNameList.txt). A save dialog proposes that file in the data folder and
// offers two file types: the GBK text file, or a UTF-8 CSV with the pinyin of every name (a
// file ending in .csv is written as CSV, any other as text; a name without a suffix takes the
// chosen type's). The file is then opened with the desktop's application for its type and the
// status bar says where it went. A cancelled dialog writes nothing; a file that cannot be written
// is reported (status bar and a message box) and nothing is opened.
class ExportButtons : public QObject {
    Q_OBJECT
  public:
    // `db` gives the pinyin of the CSV files.
    ExportButtons(MainWindow& window, SqliteDatabase& db, DataFolder folder);

    void ExportHighScore();
    void ExportSuper();
    void ExportClassic();

    // Opens an exported file with the desktop's default application, without waiting and without
    // reporting a failure. While recording, the path is appended to RecordedOpens() instead.
    static void OpenFile(const QString& path);
    static void SetOpenRecording(bool on);
    static QStringList& RecordedOpens();

  private:
    void ExportList(const QString& listName, const char* fileName);
    // The file chosen in the save dialog for the designed file name; empty when cancelled.
    QString ChooseFile(const char* fileName, bool& asCsv);
    void Exported(bool written, const std::filesystem::path& file);

    MainWindow& window_;
    SqliteDatabase& db_;
    DataFolder folder_;
};

// The rows of a list view's cells (UTF-8) as the core's GBK rows.
std::vector<NameRow> NameRowsOf(const std::vector<QStringList>& cells);

}  // namespace lumo::ui
