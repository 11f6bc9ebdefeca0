#pragma once

#include <array>
#include <string>

namespace lumo {

// The four master check boxes of the super-auspicious page, in the order the page shows them.
enum class FilterMaster {
    SecondChar = 0,  // 选择框_第二个字五行限定, element boxes 金0 … 土0
    ThirdChar = 1,   // 选择框_第三个字五行限定, 金1 … 土1
    Required = 2,    // 选择框_所有字必带五行, 金2 … 土2
    Forbidden = 3,   // 选择框_所有字不能带五行, 金3 … 土3
};

// The filter check boxes with their tick and enabled states, and the click rules that keep them
// consistent: the two position boxes exclude the two all-character boxes and the reverse. The
// desktop mirrors its check boxes from this; a run reads the ticks.
struct SuperFilterBoxes {
    struct Box {
        bool ticked = false;
        bool enabled = true;
    };
    std::array<Box, 4> masters;
    std::array<std::array<Box, 5>, 4> elements;  // per master, captions 金 木 水 火 土

    // At start-up 必带 and its five element boxes are ticked; the enabled states are those its
    // handler leaves.
    static SuperFilterBoxes Initial();

    // A click on an enabled master box: its tick flips, then its handler runs. Answers false (and
    // changes nothing) for a disabled box.
    bool ClickMaster(FilterMaster master);
    // The handler of a master box for its current tick; 按钮_起名 runs the one of 必带 alone.
    void RunHandler(FilterMaster master);
    bool ClickElement(FilterMaster master, int element);
    // 必带 ticked with exactly the wanted elements (金 木 水 火 土), as the birth chart's missing
    // elements ask: the position boxes, which exclude it, are unticked, and a wanted element is no
    // longer forbidden.
    void RequireOnly(const std::array<bool, 5>& wanted);

    Box& Master(FilterMaster m) { return masters[static_cast<std::size_t>(m)]; }
    const Box& Master(FilterMaster m) const { return masters[static_cast<std::size_t>(m)]; }
};

// The element captions of the boxes, 金木水火土, GBK.
const std::array<std::string, 5>& ElementCaptions();

// The four element sets a super-auspicious run filters by, built from the ticks before the first
// character is processed.
struct ElementFilter {
    std::string secondChar;       // SecondCharElements
    std::string thirdChar;        // ThirdCharElements
    std::string required;         // RequiredElements
    std::string forbidden;        // ForbiddenElements
    bool positionTicked = false;  // 第二个字 or 第三个字 master ticked
    bool allCharsTicked = false;  // 必带 or 不能带 master ticked
};

ElementFilter BuildElementFilter(const SuperFilterBoxes& boxes);

// Where a listed character with the element text `element` goes.
struct FilterVerdict {
    bool first = false;   // FirstList: may be the first character of the given name
    bool second = false;  // SecondList: may be the second
    bool both = false;    // BothList
};

FilterVerdict Classify(const ElementFilter& filter, const std::string& element);

}  // namespace lumo
