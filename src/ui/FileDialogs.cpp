#include "ui/FileDialogs.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace lumo::ui {
namespace {

std::optional<QString>& Answer() {
    static std::optional<QString> answer;
    return answer;
}

}  // namespace

QString SaveDialogs::Choose(QWidget* owner, const QString& title, const QString& proposedPath,
                            const QString& filters, QString* chosenFilter) {
    if (Answer()) {
        Proposed().append(proposedPath);
        if (chosenFilter) *chosenFilter = filters.section(";;", 0, 0);
        return *Answer();
    }
    return QFileDialog::getSaveFileName(owner, title, proposedPath, filters, chosenFilter);
}

void SaveDialogs::SetAnswer(std::optional<QString> answer) { Answer() = std::move(answer); }

QStringList& SaveDialogs::Proposed() {
    static QStringList paths;
    return paths;
}

QString FileNameOf(const QString& name) {
    static const QRegularExpression forbidden(R"([\\/:*?"<>|\x00-\x1f])");
    QString file = name.trimmed();
    file.replace(forbidden, "_");
    return file;
}

}  // namespace lumo::ui
