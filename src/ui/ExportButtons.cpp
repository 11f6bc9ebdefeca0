#include "ui/ExportButtons.h"

#include <QDesktopServices>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QUrl>

#include "content/NameListExport.h"
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

ExportButtons::ExportButtons(MainWindow& window, DataFolder folder)
    : QObject(&window), window_(window), folder_(std::move(folder)) {
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

void ExportButtons::ExportList(const QString& listName, const char* fileName) {
    TextTableModel* model = window_.ListModel(listName);
    if (!model) return;
    std::filesystem::path file = folder_.File(fileName);
    Exported(ExportNameList(NameRowsOf(model->Rows()), file), file);
}

void ExportButtons::ExportClassic() {
    auto* box = window_.findChild<QPlainTextEdit*>("编辑框_经典名字");
    if (!box) return;
    // The box keeps its lines apart by LF; the file has the CR LF line ends of the other lists.
    QString text = box->toPlainText().remove('\r').replace('\n', "\r\n");
    std::filesystem::path file = folder_.File("ClassNameList.txt");
    Exported(ExportClassicNames(ToGbk(text), file), file);
}

void ExportButtons::Exported(bool written, const std::filesystem::path& file) {
    const QString path = QString::fromStdString(file.string());
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
