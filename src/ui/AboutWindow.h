#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

class QLabel;

namespace lumo::ui {

// The product name the About window and the main window's caption share.
QString ProductName();
// The version line of the About window: the product name, a wide gap, then the version.
QString AboutVersionText();

// The About window `AboutUs`: a picture, the product and version, and two site labels that open
// their sites when pressed. A free window (no owner), so it stays open beside the main window.
class AboutWindow : public QWidget {
    Q_OBJECT
  public:
    AboutWindow();

    QLabel* Picture() const { return picture_; }
    QLabel* VersionLabel() const { return version_; }
    QLabel* MainSiteLabel() const { return mainSite_; }
    QLabel* ListSiteLabel() const { return listSite_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* Place(const QString& name, const QString& text, QRect area);

    QLabel* picture_ = nullptr;
    QLabel* version_ = nullptr;
    QLabel* mainSite_ = nullptr;
    QLabel* listSite_ = nullptr;
};

// The About window's picture: a plum branch in blossom over the character 名, with a red seal.
QPixmap AboutPicture(QSize size);

}  // namespace lumo::ui
