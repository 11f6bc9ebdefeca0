#pragma once

#include <string>

namespace lumo {

// The naming advice for the animal of a year pillar (GBK): the radicals to prefer and to avoid in
// a given name. Empty when the text is none of the sixty cycle names.
std::string ZodiacAdvice(const std::string& yearPillar);

}  // namespace lumo
