#pragma once

#include <QIcon>

// Small images drawn at run time, so the program carries no image files of others.
namespace lumo::ui {

QIcon ModeIcon(int index);     // the seven naming modes' status images, 0..6
QIcon ToolbarIcon(int index);  // the five toolbar buttons, 0..4
QIcon RowIcon();               // image 0 of the name lists
// A rounded square of the colour with a white glyph: the look of every image of the program.
QIcon Badge(const QColor& colour, const QString& glyph, int size = 32);

}  // namespace lumo::ui
