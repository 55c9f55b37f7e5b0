#pragma once
// The transcendental functions of the model, correctly rounded and computed by the project's
// own code, so that every C library (glibc with or without FMA, emscripten's musl) gives the
// same figures: each result is the exact value rounded to the nearest double.

namespace velantra::maths {

double sin(double x);
double cos(double x);
double tan(double x);
double atan(double x);
double exp(double x);
double log(double x);
// x², exactly rounded (pow(x, 2) of a C library need not be).
inline double squared(double x) { return x * x; }

}  // namespace velantra::maths
