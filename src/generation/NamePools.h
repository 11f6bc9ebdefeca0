#pragma once

#include <string>

// The character pools the naming modes draw on, as GBK texts of single characters.
namespace lumo {

const std::string& MaleNamePool();       // 1,854 characters, HighScore / SuperAuspicious / Nickname
const std::string& FemaleNamePool();     // 973 characters
const std::string& MaleClassicPool();    // 785 characters in pinyin order, one-character classic names
const std::string& FemaleClassicPool();  // 287 characters

}  // namespace lumo
