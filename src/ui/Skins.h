#pragma once

#include <QColor>
#include <QPalette>
#include <QString>
#include <vector>

// The program's skins: an ordered list of 79 looks, each a palette and a style sheet made from
// one row of a table of colours. Every skin keeps the working areas (pages, lists, edit boxes)
// light with dark text, and puts its colour into the frame: menu bar, toolbar, tabs, headers,
// buttons and status bar. The text colour of each area is chosen, and the area's colour nudged,
// until the pair reaches the contrast that normal text needs.
namespace lumo::ui {

inline constexpr int kSkinCount = 79;
// The skin the program starts with; the same look stands again at position 67.
inline constexpr int kStartupSkin = 8;
// Contrast that every text of a skin reaches against its background (the usual rule for body text).
inline constexpr double kSkinMinimumContrast = 4.5;

// The colours of one skin, as the style sheet and the palette use them.
struct SkinColours {
    QColor window, windowText;         // pages and dialogs
    QColor base, alternateBase, text;  // lists and edit boxes
    QColor button, buttonEnd, buttonText;
    QColor chrome, chromeEnd, chromeText;  // menu bar, toolbar and status bar
    QColor chromeDisabledText;             // a disabled toolbar button: half-way to the bar
    QColor tab, tabText;                   // unselected page headers
    QColor header, headerText;             // list headers
    QColor highlight, highlightedText;     // selection, menu item under the mouse
    QColor accent;                         // group titles and links, on the page colour
    QColor border, disabledText;
    bool operator==(const SkinColours&) const = default;
};

// A text colour and the background it is drawn on.
struct SkinContrastPair {
    const char* what;
    QColor text, background;
};

// Every text/background pair a skin paints (gradients contribute both of their ends).
std::vector<SkinContrastPair> SkinContrastPairs(const SkinColours& colours);

// Skins by 1-based position; positions outside 1..kSkinCount give the start-up skin.
QString SkinName(int position);
SkinColours SkinColoursAt(int position);
QPalette SkinPalette(int position);
QString SkinStyleSheet(int position);

// Skins the whole program (every window, present and future). Positions outside 1..kSkinCount
// are refused: nothing changes and the result is false.
bool ApplySkin(int position);
// The position last applied, 0 before any.
int AppliedSkin();

// The main window's skin position: "更换皮肤" applies the skin at the position while it is within
// the list and then moves on by one, so after the last skin further changes do nothing.
class SkinSwitcher {
  public:
    void ApplyNextSkin();
    void SetPosition(int position) { position_ = position; }
    int Position() const { return position_; }

  private:
    int position_ = 1;
};

}  // namespace lumo::ui
