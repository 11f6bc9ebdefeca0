#pragma once

#include <QString>
#include <QStringList>

#include "db/UserMessage.h"

class QWidget;

namespace lumo::ui {

// Every message box of the program goes through here, so that tests can take the messages
// instead of blocking on a modal dialog.
class MessageBoxes {
public:
    // Shows a modal message box; with no owner it is a free window and the rest stays usable.
    static void Show(QWidget* owner, const QString& text, const QString& title, MessageIcon icon);
    static void Show(QWidget* owner, const UserMessage& gbkMessage);

    // While recording, messages are appended to Recorded() and nothing is shown.
    static void SetRecording(bool on);
    static QStringList& Recorded();
};

// The message of a file that could not be written, with its path.
QString WriteFailedText(const QString& path);

}  // namespace lumo::ui
