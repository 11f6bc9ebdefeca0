#pragma once

#include <QString>
#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "content/DataFolder.h"
#include "db/SqliteDatabase.h"

class QObject;

namespace lumo::app {

// The process-wide state: the one reference database and the loader that fills it.
class AppContext {
  public:
    explicit AppContext(QString programDir);
    ~AppContext();
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    SqliteDatabase& ReferenceDb() { return db_; }
    // True once the loader has committed the copy; the tables never change after that.
    bool ReferenceLoaded() const { return loaded_.load(); }

    // Starts LoadReferenceData on its own thread. Its messages are shown on the UI thread as
    // free message boxes (no owner), so the main window stays usable meanwhile.
    // `loaded` runs on the thread of `uiThreadObject` once the tables are in memory.
    void StartLoader(QObject* uiThreadObject, std::function<void()> loaded = {});
    // Waits for the loader (tests and the command line use this; the program never waits).
    void WaitForLoader();

    const QString& ProgramDir() const { return programDir_; }
    // Where pages and exports go, and where namedata.db is found.
    QString DataDir() const;
    const DataFolder& Data() const { return data_; }

  private:
    QString programDir_;
    DataFolder data_;
    SqliteDatabase db_;
    std::thread loader_;
    std::atomic<bool> loaded_{false};
};

}  // namespace lumo::app
