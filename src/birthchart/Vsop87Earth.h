#pragma once

#include <span>

// The Earth's heliocentric longitude and radius vector from the planetary theory VSOP87
// (Bretagnon & Francou, 1988), version D: ecliptic and equinox of date. Only the terms that
// matter for the Sun's place between 1900 and 2100 are kept (see Vsop87Earth.cpp).
namespace lumo::astro::vsop87 {

// One periodic term A·cos(B + C·τ), τ in Julian millennia of TT from J2000.
struct Term {
    double a;
    double b;
    double c;
};

// Series by power of τ: L0, L1, L2 for the longitude (radians), R0, R1 for the radius (au).
std::span<const std::span<const Term>> EarthLongitude();
std::span<const std::span<const Term>> EarthRadius();

}  // namespace lumo::astro::vsop87
