#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "ui/Skins.h"

class QAction;
class QLabel;
class QMenu;

namespace lumo::ui {

class AboutWindow;
class MainWindow;

// The menus after "操作菜单[&C]" — 育儿知识[&Y], 算命风水[&S], 帮助[&H] — and the hidden
// "记录列表菜单", plus the clickable pictures and the download label of the main window. Lives
// as a child of the main window (object name "菜单栏") and holds the window's skin position.
class Menus : public QObject {
    Q_OBJECT
  public:
    explicit Menus(MainWindow& window);

    // The naming records' context menu with its single entry "删除记录"; never in the menu bar.
    QMenu* RecordsMenu() const { return recordsMenu_; }
    QAction* DeleteRecordAction() const { return deleteRecord_; }

    SkinSwitcher& Skins() { return skins_; }
    // "更换皮肤".
    void ApplyNextSkin() { skins_.ApplyNextSkin(); }
    // "关于软件": opens the About window, or brings the open one to the front.
    void ShowAbout();
    AboutWindow* About() const;

  signals:
    // A reader entry: the article table (without its "LM_" prefix) and the category title.
    void ArticleCategoryRequested(const QString& table, const QString& category);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildMenus();
    void WireClickableItems();
    void MakeClickable(QLabel* label, const QString& address);

    MainWindow& window_;
    QMenu* recordsMenu_ = nullptr;
    QAction* deleteRecord_ = nullptr;
    SkinSwitcher skins_;
    QPointer<AboutWindow> about_;
};

}  // namespace lumo::ui
