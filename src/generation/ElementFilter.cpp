#include "generation/ElementFilter.h"

#include "db/Gbk.h"

namespace lumo {
namespace {

// The partner of each master: the other box of the same kind.
FilterMaster PartnerOf(FilterMaster m) {
    switch (m) {
        case FilterMaster::SecondChar:
            return FilterMaster::ThirdChar;
        case FilterMaster::ThirdChar:
            return FilterMaster::SecondChar;
        case FilterMaster::Required:
            return FilterMaster::Forbidden;
        case FilterMaster::Forbidden:
            return FilterMaster::Required;
    }
    return m;
}

bool IsPosition(FilterMaster m) {
    return m == FilterMaster::SecondChar || m == FilterMaster::ThirdChar;
}

// The ticked captions in 金木水火土 order, or `none` when no box is ticked.
std::string TickedCaptions(const SuperFilterBoxes& b, FilterMaster m, const std::string& none) {
    std::string out;
    for (std::size_t i = 0; i < 5; ++i)
        if (b.elements[static_cast<std::size_t>(m)][i].ticked) out += ElementCaptions()[i];
    return out.empty() ? none : out;
}

bool Occurs(const std::string& element, const std::string& set) {
    return set.find(element) != std::string::npos;
}

}  // namespace

const std::array<std::string, 5>& ElementCaptions() {
    static const std::array<std::string, 5> captions = {Gbk("金"), Gbk("木"), Gbk("水"), Gbk("火"),
                                                        Gbk("土")};
    return captions;
}

SuperFilterBoxes SuperFilterBoxes::Initial() {
    SuperFilterBoxes b;
    for (auto& group : b.elements)
        for (Box& e : group) e.enabled = false;
    b.Master(FilterMaster::Required).ticked = true;
    for (Box& e : b.elements[static_cast<std::size_t>(FilterMaster::Required)]) e.ticked = true;
    b.RunHandler(FilterMaster::Required);
    return b;
}

bool SuperFilterBoxes::ClickMaster(FilterMaster m) {
    if (!Master(m).enabled) return false;
    Master(m).ticked = !Master(m).ticked;
    RunHandler(m);
    return true;
}

void SuperFilterBoxes::RunHandler(FilterMaster m) {
    const FilterMaster others[2] = {
        IsPosition(m) ? FilterMaster::Required : FilterMaster::SecondChar,
        IsPosition(m) ? FilterMaster::Forbidden : FilterMaster::ThirdChar};
    auto& own = elements[static_cast<std::size_t>(m)];
    if (Master(m).ticked) {
        for (FilterMaster o : others) Master(o) = {false, false};
        for (Box& e : own) e.enabled = true;
        return;
    }
    for (Box& e : own) e.enabled = false;
    if (!Master(PartnerOf(m)).ticked)
        for (FilterMaster o : others) Master(o).enabled = true;
}

bool SuperFilterBoxes::ClickElement(FilterMaster m, int element) {
    Box& e = elements[static_cast<std::size_t>(m)][static_cast<std::size_t>(element)];
    if (!e.enabled) return false;
    e.ticked = !e.ticked;
    return true;
}

void SuperFilterBoxes::RequireOnly(const std::array<bool, 5>& wanted) {
    for (FilterMaster m : {FilterMaster::SecondChar, FilterMaster::ThirdChar}) {
        if (!Master(m).ticked) continue;
        Master(m).ticked = false;
        RunHandler(m);
    }
    Master(FilterMaster::Required) = {true, true};
    RunHandler(FilterMaster::Required);
    auto& required = elements[static_cast<std::size_t>(FilterMaster::Required)];
    auto& forbidden = elements[static_cast<std::size_t>(FilterMaster::Forbidden)];
    for (std::size_t e = 0; e < 5; ++e) {
        required[e].ticked = wanted[e];
        if (wanted[e]) forbidden[e].ticked = false;
    }
}

ElementFilter BuildElementFilter(const SuperFilterBoxes& b) {
    static const std::string all = Gbk("金木水火土");
    ElementFilter f;
    auto ticked = [&](FilterMaster m) { return b.Master(m).ticked; };
    f.secondChar =
        ticked(FilterMaster::SecondChar) ? TickedCaptions(b, FilterMaster::SecondChar, all) : all;
    f.thirdChar =
        ticked(FilterMaster::ThirdChar) ? TickedCaptions(b, FilterMaster::ThirdChar, all) : all;
    f.required =
        ticked(FilterMaster::Required) ? TickedCaptions(b, FilterMaster::Required, all) : all;
    f.forbidden = ticked(FilterMaster::Forbidden) ? TickedCaptions(b, FilterMaster::Forbidden, {})
                                                  : std::string();
    f.positionTicked = ticked(FilterMaster::SecondChar) || ticked(FilterMaster::ThirdChar);
    f.allCharsTicked = ticked(FilterMaster::Required) || ticked(FilterMaster::Forbidden);
    return f;
}

FilterVerdict Classify(const ElementFilter& f, const std::string& element) {
    FilterVerdict v;
    if (f.positionTicked) {
        v.first = Occurs(element, f.secondChar);
        v.second = Occurs(element, f.thirdChar);
    }
    if (f.allCharsTicked) v.both = Occurs(element, f.required) && !Occurs(element, f.forbidden);
    return v;
}

}  // namespace lumo
