#pragma once

#include <string>
#include <utility>
#include <vector>

#include "numerology/NameScore.h"

namespace lumo {

// One row of a scored name list, of the scoring list and of the naming records: eight text
// columns 编号 姓名 简体笔划 繁体笔划 五行 五格 三才 评分. A filled row shows image 0 in column 0.
struct NameRow {
    static constexpr int kColumns = 8;

    std::string number;              // 编号, 1-based
    std::string name;                // 姓名: family name + given name
    std::string simplifiedStrokes;   // 简体笔划
    std::string traditionalStrokes;  // 繁体笔划 (= 总格)
    std::string elements;            // 五行
    std::string grids;               // 五格, "天,人,地,总,外"
    std::string threeTalents;        // 三才
    std::string score;               // 评分

    const std::string& Column(int index) const;
    std::string& Column(int index) { return const_cast<std::string&>(std::as_const(*this).Column(index)); }
    // A reserved row that was never filled.
    bool Empty() const;
    int ScoreValue() const;
};

// The row of a judged name; `number` is 1-based.
NameRow MakeNameRow(std::size_t number, const std::string& family, const std::string& given,
                    const NameEvaluation& evaluation);

// One row of the English list: 编号 英文名 中文读音 相关含义.
struct EnglishRow {
    std::string number;
    std::string name;     // LM_EName.Name
    std::string reading;  // LM_EName.Cnword
    std::string meaning;  // LM_EName.Mean
};

// The list operations of a run, shared by every holder of a result list (the desktop's models,
// the command line, the tests), so that all of them end with the same rows.
void RemoveEmptyRows(std::vector<NameRow>& rows);
// By the integer value of 评分, highest first; equal scores keep their order.
void SortByScore(std::vector<NameRow>& rows);
// Writes 1, 2, 3 … into 编号 from the top.
void Renumber(std::vector<NameRow>& rows);
// Copies a batch of filled rows into place, growing the list when a batch reaches past its end.
void PlaceRows(std::vector<NameRow>& rows, std::size_t firstRow, std::vector<NameRow>&& batch);

}  // namespace lumo
