#pragma once

#include <QObject>
#include <QString>
#include <string>
#include <vector>

#include "db/SqliteDatabase.h"
#include "generation/PoemSource.h"

class QCheckBox;

namespace lumo::ui {

class MainWindow;

// The poetry page: poet list, poem list, the poem's preview page and the grid of character boxes
// (15 a line) whose ticks feed a poetry run.
class PoetryPanel : public QObject {
    Q_OBJECT
  public:
    PoetryPanel(MainWindow& window, SqliteDatabase& db, QString dataDir);

    // Step ①, run by 开始起名 in poetry mode: every poet, the first one chosen.
    void FillPoets();
    void PoetChosen();
    void PoemChosen();
    // "使用此诗词": one box per Chinese character of the chosen poem (no punctuation), ticked where
    // 首字母 has it.
    void UsePoem();
    void TickAll();
    void Invert();
    void ClearAll();

    // Captions of the ticked boxes in poem order (GBK).
    std::vector<std::string> TickedCharacters() const;
    const std::vector<QCheckBox*>& Boxes() const { return boxes_; }

  private:
    QString CurrentText(const char* list) const;
    // The poem of the current row of the poem list, by its place in the poet's list.
    PoemText CurrentPoem() const;

    MainWindow& window_;
    SqliteDatabase& db_;
    QString dataDir_;
    std::vector<QCheckBox*> boxes_;
};

}  // namespace lumo::ui
