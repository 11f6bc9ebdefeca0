#pragma once

#include <QMainWindow>
#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableView;
class QTextBrowser;
class QToolBar;
class QAction;

namespace lumo::ui {

class TextTableModel;

// One group of date lists: year, month, day, hour and (not on every page) minute.
struct DateLists {
    QComboBox* year = nullptr;
    QComboBox* month = nullptr;
    QComboBox* day = nullptr;
    QComboBox* hour = nullptr;
    QComboBox* minute = nullptr;
};

// A Gregorian birth date and time as chosen in one group of date lists.
struct BirthMoment {
    int year = 2013, month = 1, day = 1, hour = 0, minute = 0;
};

// Fills a group with 1970–2030, 1–12, 1–31, 0–23, 0–59 and selects 2013-1-1 0:00.
void FillDateLists(const DateLists& lists);
BirthMoment ReadBirthMoment(const DateLists& lists);

// The main window: the input panel and mode selection on page 0 of `高级选择夹1`, the result
// and tool pages behind it, the toolbar, the menu and the status bar. Widgets carry their form
// names as objectName. What happens inside the pages is wired by the page controllers.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(QWidget* parent = nullptr);

    void ToolbarCommand(int index);
    void ShowPage(int page);
    // The introduction of the start page with the numbers of articles the database holds.
    void ShowArticleCounts(int naming, int parenting);
    void ModeRadioClicked(QRadioButton* radio);

    QTabWidget* Pages() const { return pages_; }
    QTabWidget* PoetryPages() const { return poetryPages_; }
    QAction* ToolbarAction(int index) const;
    QAction* ModeMenuAction() const { return modeMenuAction_; }
    QMenu* OperationMenu() const { return operationMenu_; }
    const DateLists& InputDates() const { return inputDates_; }
    const DateLists& ChartDates() const { return chartDates_; }
    const DateLists& ScoringDates() const { return scoringDates_; }
    QLabel* StatusImage() const { return statusImage_; }
    QLabel* StatusText() const { return statusText_; }

    // Opens large enough for every page, the columns of every list included, within the screen;
    // at least the designed 729 × 513. Called once the skin is applied.
    void OpenAtFittingSize();
    // Sizes every list's columns to their content and the birth-chart report to its lines, again
    // after a change of skin.
    void FitToContents();

    // Lists by their form names (超级列表框_…) and their models.
    QTableView* List(const QString& name) const;
    TextTableModel* ListModel(const QString& name) const;

  signals:
    void DictionaryRequested();
    void QuitRequested();
    void ChartPageOpened();
    void ScoringPageOpened();

protected:
    void changeEvent(QEvent* event) override;

private:
    QWidget* BuildModePage();
    QWidget* BuildHighScorePage();
    QWidget* BuildPoetryPage();
    QWidget* BuildCombinationPage();
    QWidget* BuildNicknamePage();
    QWidget* BuildEnglishPage();
    QWidget* BuildChartPage();
    QWidget* BuildScoringPage();
    QWidget* BuildRecordsPage();
    QWidget* BuildSuperPage();
    QWidget* BuildClassicPage();
    void BuildToolbarAndMenu();
    QTableView* AddList(const QString& name, const QStringList& headers, QWidget* parent);

    QTabWidget* pages_ = nullptr;
    QTabWidget* poetryPages_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QMenu* operationMenu_ = nullptr;
    std::array<QAction*, 5> toolbarActions_{};
    QAction* modeMenuAction_ = nullptr;
    DateLists inputDates_, chartDates_, scoringDates_;
    QLabel* statusImage_ = nullptr;
    QLabel* statusText_ = nullptr;
};

// Sizes a list's columns to their header, the widest texts the list usually holds and the rows it
// shows; the last column stretches. The list is scrolled back to its left edge.
void FitColumns(QTableView* view);

// Headers of every scored name list.
QStringList NameRowHeaders();

}  // namespace lumo::ui
