#include "ui/MessageBoxes.h"

#include <QMessageBox>

#include "ui/Text.h"

namespace lumo::ui {
namespace {

bool recording = false;

QMessageBox::Icon ToQt(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information: return QMessageBox::Information;
        case MessageIcon::Warning: return QMessageBox::Warning;
        case MessageIcon::Error: return QMessageBox::Critical;
        case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void MessageBoxes::Show(QWidget* owner, const QString& text, const QString& title, MessageIcon icon) {
    if (recording) {
        Recorded().append(title + "|" + text);
        return;
    }
    QMessageBox box(ToQt(icon), title, text, QMessageBox::Ok, owner);
    box.exec();
}

void MessageBoxes::Show(QWidget* owner, const UserMessage& m) {
    Show(owner, FromGbk(m.text), FromGbk(m.title), m.icon);
}

void MessageBoxes::SetRecording(bool on) { recording = on; }

QStringList& MessageBoxes::Recorded() {
    static QStringList list;
    return list;
}

QString WriteFailedText(const QString& path) {
    return QString("无法写入文件：\n%1\n\n请检查磁盘空间，以及该文件是否被其他程序占用或设为只读。")
        .arg(path);
}

}  // namespace lumo::ui
