#include "ui/ExportButtons.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QUrl>

#include "content/NameListCsv.h"
#include "content/NameListExport.h"
#include "ui/FileDialogs.h"
#include "ui/MainWindow.h"
#include "ui/MessageBoxes.h"
#include "ui/Text.h"
#include "ui/TextTableModel.h"

namespace lumo::ui {
namespace {

bool recordingOpens = false;

}  // namespace

std::vector<NameRow> NameRowsOf(const std::vector<QStringList>& cells) {
    std::vector<NameRow> rows;
    rows.reserve(cells.size());
    for (const QStringList& c : cells) {
        NameRow r;
        std::string* columns[NameRow::kColumns] = {
            &r.number,   &r.name,  &r.simplifiedStrokes, &r.traditionalStrokes,
            &r.elements, &r.grids, &r.threeTalents,      &r.score};
        for (int i = 0; i < NameRow::kColumns; ++i) *columns[i] = ToGbk(c.value(i));
        rows.push_back(std::move(r));
    }
    return rows;
}

ExportButtons::ExportButtons(MainWindow& window, SqliteDatabase& db, DataFolder folder)
    : QObject(&window), window_(window), db_(db), folder_(std::move(folder)) {
    const struct {
        const char* button;
        void (ExportButtons::*action)();
    } buttons[3] = {{"按钮_高分导出", &ExportButtons::ExportHighScore},
                    {"按钮_超吉导出", &ExportButtons::ExportSuper},
                    {"按钮_经典导出", &ExportButtons::ExportClassic}};
    for (const auto& b : buttons)
        if (auto* button = window.findChild<QPushButton*>(b.button))
            connect(button, &QPushButton::clicked, this, b.action);
}

void ExportButtons::ExportHighScore() { ExportList("超级列表框_高分起名", "NameList.txt"); }

void ExportButtons::ExportSuper() { ExportList("超级列表框_超吉起名", "100NameList.txt"); }

QString ExportButtons::ChooseFile(const char* fileName, bool& asCsv) {
    const QString text = "文本文件 (*.txt)", csv = "表格文件，UTF-8 (*.csv)";
    const QString proposed = QString::fromStdString(folder_.File(fileName).string());
    QString filter;
    QString path =
        SaveDialogs::Choose(&window_, "导出名字列表", proposed, text + ";;" + csv, &filter);
    if (path.isEmpty()) return path;
    if (QFileInfo(path).suffix().isEmpty()) path += filter == csv ? ".csv" : ".txt";
    asCsv = QFileInfo(path).suffix().compare("csv", Qt::CaseInsensitive) == 0;
    return path;
}

void ExportButtons::ExportList(const QString& listName, const char* fileName) {
    TextTableModel* model = window_.ListModel(listName);
    if (!model) return;
    bool asCsv = false;
    const QString path = ChooseFile(fileName, asCsv);
    if (path.isEmpty()) return;
    const std::filesystem::path file(path.toStdU16String());
    const std::vector<NameRow> rows = NameRowsOf(model->Rows());
    Exported(asCsv ? ExportNameListCsv(rows, db_, file) : ExportNameList(rows, file), file);
}

void ExportButtons::ExportClassic() {
    auto* box = window_.findChild<QPlainTextEdit*>("编辑框_经典名字");
    if (!box) return;
    bool asCsv = false;
    const QString path = ChooseFile("ClassNameList.txt", asCsv);
    if (path.isEmpty()) return;
    const std::filesystem::path file(path.toStdU16String());
    // The box keeps its lines apart by LF; the file has the CR LF line ends of the other lists.
    const std::string text = ToGbk(box->toPlainText().remove('\r').replace('\n', "\r\n"));
    Exported(asCsv ? ExportClassicNamesCsv(text, db_, file) : ExportClassicNames(text, file), file);
}

void ExportButtons::Exported(bool written, const std::filesystem::path& file) {
    const QString path = QString::fromStdU16String(file.u16string());
    if (!written) {
        // The old file, if any, is untouched; opening it would pass it off as the new list.
        window_.statusBar()->showMessage(QString("导出失败：%1").arg(path), 10000);
        MessageBoxes::Show(&window_, WriteFailedText(path), "导出失败", MessageIcon::Warning);
        return;
    }
    window_.statusBar()->showMessage(QString("已导出到 %1").arg(path), 30000);
    OpenFile(path);
}

void ExportButtons::OpenFile(const QString& path) {
    if (recordingOpens) {
        RecordedOpens().append(path);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void ExportButtons::SetOpenRecording(bool on) { recordingOpens = on; }

QStringList& ExportButtons::RecordedOpens() {
    static QStringList paths;
    return paths;
}

}  // namespace lumo::ui
