#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <vector>

#include "content/DataFolder.h"
#include "generation/NameRow.h"

namespace lumo::ui {

class MainWindow;

// The three export buttons: `按钮_高分导出` writes 超级列表框_高分起名 to NameList.txt,
// `按钮_超吉导出` writes 超级列表框_超吉起名 to 100NameList.txt and `按钮_经典导出` writes the text
// of 编辑框_经典名字 to ClassNameList.txt, all GBK in the data folder; each file is then opened
// with the desktop's application for text files and the status bar says where it went. A file
// that cannot be written is reported (status bar and a message box) and nothing is opened.
class ExportButtons : public QObject {
    Q_OBJECT
  public:
    ExportButtons(MainWindow& window, DataFolder folder);

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
    void Exported(bool written, const std::filesystem::path& file);

    MainWindow& window_;
    DataFolder folder_;
};

// The rows of a list view's cells (UTF-8) as the core's GBK rows.
std::vector<NameRow> NameRowsOf(const std::vector<QStringList>& cells);

}  // namespace lumo::ui
