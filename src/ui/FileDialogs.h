#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace lumo::ui {

// Every "save as" dialog of the program goes through here, so that tests can answer it instead of
// blocking on a modal dialog.
class SaveDialogs {
  public:
    // The path the user chose, or empty when the dialog was cancelled. `filters` are the dialog's
    // file types separated by ";;"; `chosenFilter` receives the one in effect.
    static QString Choose(QWidget* owner, const QString& title, const QString& proposedPath,
                          const QString& filters, QString* chosenFilter);

    // While an answer is set no dialog opens: the proposed path is appended to Proposed() and the
    // answer is returned (an empty answer cancels), with the first filter in effect.
    static void SetAnswer(std::optional<QString> answer);
    static QStringList& Proposed();
};

// A name as the start of a file name: characters that no file name may hold become "_".
QString FileNameOf(const QString& name);

}  // namespace lumo::ui
