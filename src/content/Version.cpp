#include "content/Version.h"

#ifndef LUMO_VERSION
#error "LUMO_VERSION comes from project(VERSION) in CMakeLists.txt"
#endif

namespace lumo {

const char* ProgramVersion() { return LUMO_VERSION; }

}  // namespace lumo
