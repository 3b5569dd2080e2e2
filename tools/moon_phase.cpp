#include "moon_phase.h"

#include <cmath>

namespace vessa::astro {
namespace {
constexpr double kDeg = 3.14159265358979323846 / 180.0;
double Sin(double degrees) { return std::sin(degrees * kDeg); }
}  // namespace

double NewMoon(int lunation) {
  const double k = lunation;
  const double T = k / 1236.85;
  const double T2 = T * T, T3 = T2 * T, T4 = T3 * T;
  double jde = 2451550.09766 + 29.530588861 * k + 0.00015437 * T2 - 0.000000150 * T3 +
               0.00000000073 * T4;
  const double E = 1 - 0.002516 * T - 0.0000074 * T2;
  const double M = 2.5534 + 29.10535670 * k - 0.0000014 * T2 - 0.00000011 * T3;
  const double Mp = 201.5643 + 385.81693528 * k + 0.0107582 * T2 + 0.00001238 * T3 -
                    0.000000058 * T4;
  const double F = 160.7108 + 390.67050284 * k - 0.0016118 * T2 - 0.00000227 * T3 +
                   0.000000011 * T4;
  const double Om = 124.7746 - 1.56375588 * k + 0.0020672 * T2 + 0.00000215 * T3;

  jde += -0.40720 * Sin(Mp) + 0.17241 * E * Sin(M) + 0.01608 * Sin(2 * Mp) +
         0.01039 * Sin(2 * F) + 0.00739 * E * Sin(Mp - M) - 0.00514 * E * Sin(Mp + M) +
         0.00208 * E * E * Sin(2 * M) - 0.00111 * Sin(Mp - 2 * F) - 0.00057 * Sin(Mp + 2 * F) +
         0.00056 * E * Sin(2 * Mp + M) - 0.00042 * Sin(3 * Mp) + 0.00042 * E * Sin(M + 2 * F) +
         0.00038 * E * Sin(M - 2 * F) - 0.00024 * E * Sin(2 * Mp - M) - 0.00017 * Sin(Om) -
         0.00007 * Sin(Mp + 2 * M) + 0.00004 * Sin(2 * Mp - 2 * F) + 0.00004 * Sin(3 * M) +
         0.00003 * Sin(Mp + M - 2 * F) + 0.00003 * Sin(2 * Mp + 2 * F) -
         0.00003 * Sin(Mp + M + 2 * F) + 0.00003 * Sin(Mp - M + 2 * F) -
         0.00002 * Sin(Mp - M - 2 * F) - 0.00002 * Sin(3 * Mp + M) + 0.00002 * Sin(4 * Mp);

  const double A[14] = {299.77 + 0.107408 * k - 0.009173 * T2,
                        251.88 + 0.016321 * k,
                        251.83 + 26.651886 * k,
                        349.42 + 36.412478 * k,
                        84.66 + 18.206239 * k,
                        141.74 + 53.303771 * k,
                        207.14 + 2.453732 * k,
                        154.84 + 7.306860 * k,
                        34.52 + 27.261239 * k,
                        207.19 + 0.121824 * k,
                        291.34 + 1.844379 * k,
                        161.72 + 24.198154 * k,
                        239.56 + 25.513099 * k,
                        331.55 + 3.592518 * k};
  constexpr double kCoefficients[14] = {0.000325, 0.000165, 0.000164, 0.000126, 0.000110,
                                        0.000062, 0.000060, 0.000056, 0.000047, 0.000042,
                                        0.000040, 0.000037, 0.000035, 0.000023};
  for (int i = 0; i < 14; ++i) jde += kCoefficients[i] * Sin(A[i]);
  return jde;
}

}  // namespace vessa::astro
