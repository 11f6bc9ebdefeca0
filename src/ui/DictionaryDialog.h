#pragma once

#include <QDialog>
#include <QPointer>

#include "content/DataFolder.h"
#include "db/SqliteDatabase.h"

class QLineEdit;
class QPushButton;

namespace lumo::ui {

class SinglePageWindow;

// The character lookup `LumoWord` ("汉字查询"): one box `编辑框1` and the button `按钮_查询`.
// "查询" writes the page of the whole typed text to temp.html and shows it in a viewer window
// owned by the dialog, captioned " 汉字[ X ]的详细解释". A second query reuses the open viewer and
// reloads it, so the viewer always shows the text of its caption. Closing the dialog closes the
// viewer.
class DictionaryDialog : public QDialog {
    Q_OBJECT
  public:
    DictionaryDialog(QWidget* owner, SqliteDatabase& db, DataFolder folder);

    // The main window's "新华字典": the dialog over the owner, which waits until it is closed.
    static void Run(QWidget* owner, SqliteDatabase& db, const DataFolder& folder);

    void LookUp();
    QLineEdit* Box() const { return box_; }
    QPushButton* QueryButton() const { return query_; }
    // The viewer of the last query while it is open, or null.
    SinglePageWindow* Viewer() const { return viewer_; }

    void done(int result) override;

  private:
    SqliteDatabase& db_;
    DataFolder folder_;
    QLineEdit* box_;
    QPushButton* query_;
    QPointer<SinglePageWindow> viewer_;
};

}  // namespace lumo::ui
