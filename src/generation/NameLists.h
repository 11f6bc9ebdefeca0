#pragma once

#include <string>

// Ready-made two-character given names of the classic mode, as GBK texts of names each followed
// by "," (so the text ends with ",").
namespace lumo {

const std::string& MaleGivenNameList();    // 2,909 names, 2,877 distinct
const std::string& FemaleGivenNameList();  // 2,134 names, 2,091 distinct

}  // namespace lumo
