#pragma once

namespace lumo {

// The program's version ("1.2"), set once by project(VERSION) in the top CMakeLists.txt.
const char* ProgramVersion();

}  // namespace lumo
