#include "app/AppContext.h"

#include <QMetaObject>
#include <QObject>

#include "db/Gbk.h"
#include "db/ReferenceLoader.h"
#include "ui/MessageBoxes.h"

namespace lumo::app {
namespace {

// Hands loader messages to the UI thread.
class QueuedMessages : public MessageSink {
  public:
    explicit QueuedMessages(QObject* target) : target_(target) {}
    void Show(const UserMessage& m) override {
        QMetaObject::invokeMethod(
            target_, [m] { ui::MessageBoxes::Show(nullptr, m); }, Qt::QueuedConnection);
    }

  private:
    QObject* target_;
};

}  // namespace

AppContext::AppContext(QString programDir)
    : programDir_(std::move(programDir)), data_(DataFolder::Locate(programDir_.toStdString())) {}

AppContext::~AppContext() {
    // The loader is short; letting it finish is safer than pulling the database from under it.
    WaitForLoader();
    db_.Close();
}

QString AppContext::DataDir() const { return QString::fromStdString(data_.Path().string()); }

void AppContext::StartLoader(QObject* uiThreadObject, std::function<void()> loaded) {
    if (loader_.joinable()) return;
    ReferencePaths paths{Utf8ToGbk(programDir_.toStdString() + "/data/sqlite3.dll"),
                         Utf8ToGbk(data_.ReferenceDatabase().string())};
    loader_ = std::thread([this, paths, uiThreadObject, loaded = std::move(loaded)] {
        QueuedMessages messages(uiThreadObject);
        loaded_ = LoadReferenceData(db_, paths, messages);
        if (loaded_ && loaded)
            QMetaObject::invokeMethod(uiThreadObject, loaded, Qt::QueuedConnection);
    });
}

void AppContext::WaitForLoader() {
    if (loader_.joinable()) loader_.join();
}

}  // namespace lumo::app
