#include "app/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

namespace lumo::app {

bool SingleInstance::Acquire() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    QDir().mkpath(folder);
    lock_ = std::make_unique<QLockFile>(folder + "/lumo-naming.lock");
    lock_->setStaleLockTime(0);
    return lock_->tryLock(0);
}

}  // namespace lumo::app
