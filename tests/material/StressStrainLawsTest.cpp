// The stress-strain laws against values computed by hand from the design codes' relations, and
// the parameters they read from an object by short name.

#include "tavo/material/StressStrainLaws.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// The parameters of a concrete class from Table 3.1's own relations, unrounded (αcc = 1, γc = 1.5).
struct Concrete {
  double fck, fcd, fcm, ecm, epsC1, epsCu1, epsC2, epsCu2, n, epsC3, epsCu3;
};
Concrete Class(double fck)
{
  const bool normal = fck <= 50;
  const double fcm = fck + 8, high = std::pow((90 - fck) / 100, 4);
  return {fck,
          fck / 1.5,
          fcm,
          22000 * std::pow(fcm / 10, 0.3),
          std::min(0.7 * std::pow(fcm, 0.31), 2.8),
          normal ? 3.5 : 2.8 + 27 * std::pow((98 - fcm) / 100, 4),
          normal ? 2.0 : 2.0 + 0.085 * std::pow(fck - 50, 0.53),
          normal ? 3.5 : 2.6 + 35 * high,
          normal ? 2.0 : 1.4 + 23.4 * high,
          normal ? 1.75 : 1.75 + 0.55 * (fck - 50) / 40,
          normal ? 3.5 : 2.6 + 35 * high};
}
const auto PR = [](const Concrete& c) { return ParabolaRectangle(c.fcd, c.n, c.epsC2, c.epsCu2); };
const auto NL = [](const Concrete& c) { return NonlinearConcrete(c.fcm, c.ecm, c.epsC1, c.epsCu1); };
const auto BL = [](const Concrete& c) { return Bilinear(c.fcd, c.epsC3, c.epsCu3); };

struct Case {
  const char* what;
  LawShape shape;
  double strain;  // ‰
  double stress;  // by hand, N/mm²
};

}  // namespace

TEST(StressStrainLaws, MatchHandComputedValues)
{
  const Concrete c20 = Class(20), c30 = Class(30), c60 = Class(60), c70 = Class(70), c90 = Class(90);
  const Case cases[] = {
      // Parabola-rectangle: on the parabola, at εc2, on the rectangle, at εcu2.
      {"C30 PR 1‰", PR(c30), 1, 15},
      {"C30 PR rectangle", PR(c30), 3, 20},
      {"C60 PR εc2/2", PR(c60), c60.epsC2 / 2, 26.7089047},
      {"C60 PR εcu2", PR(c60), c60.epsCu2, 40},
      {"C70 PR εc2/2", PR(c70), c70.epsC2 / 2, 29.43631172},
      {"C90 PR εc2/2", PR(c90), c90.epsC2 / 2, 37.2642515},
      // Nonlinear: half way to the peak, the peak (fcm exactly), the end.
      {"C20 NL εcu1", NL(c20), 3.5, 15.60235566},
      {"C30 NL εc1", NL(c30), c30.epsC1, 38},
      {"C30 NL εcu1", NL(c30), 3.5, 22.47458591},
      {"C60 NL εc1/2", NL(c60), c60.epsC1 / 2, 46.25059537},
      {"C60 NL εcu1", NL(c60), c60.epsCu1, 64.18905436},
      {"C90 NL εc1/2", NL(c90), 1.4, 60.56444107},
      {"C90 NL εcu1", NL(c90), 2.8, 98},
      // Bilinear: half way up, the corner, the end.
      {"C30 BL εc3/2", BL(c30), 0.875, 10},
      {"C30 BL εcu3", BL(c30), 3.5, 20},
      {"C70 BL εc3/2", BL(c70), (1.75 + 0.275) / 2, 70 / 3.0},
      // Reinforcing steel B500B and B500C: elastic, yield, the inclined branch, its ends.
      {"B500B char εuk", RebarCharacteristic(500, 1.08, 50, 200000), 50, 540},
      {"B500B design εyd", RebarDesignInclined(500 / 1.15, 1.08, 50, 200000), 2.173913043478261, 434.7826087},
      {"B500B design εud", RebarDesignInclined(500 / 1.15, 1.08, 50, 200000), 45, 465.9288538},
      {"B500B horizontal εud", RebarDesignHorizontal(500 / 1.15, 50, 200000), 45, 434.7826087},
      {"B500C design εud", RebarDesignInclined(500 / 1.15, 1.15, 75, 200000), 67.5, 493.2835821},
      // Structural steel S355: elastic, plastic.
      {"S355 1‰", ElasticPlastic(355, 210000, 490), 1, 210},
      {"S355 plastic", ElasticPlastic(355, 210000, 490), 20, 355},
  };
  for (const Case& c : cases)
    EXPECT_NEAR(c.shape.stress(c.strain), c.stress, 1e-9 * c.stress) << c.what;
}

TEST(StressStrainLaws, MarkTheCharacteristicPointsAndEndWhereTheCodesDo)
{
  struct Marks {
    const char* what;
    LawShape shape;
    double endStrain;
    std::vector<CurveMark> marks;
  };
  const Concrete c30 = Class(30), c90 = Class(90);
  const Marks rows[] = {
      {"C30 PR", PR(c30), 3.5, {{"εc2 / fcd", 2, 20}, {"εcu2", 3.5, 20}}},
      // εc2 lies past εcu2: the curve ends on the parabola, εc2 is not marked.
      {"C90 PR", PR(c90), 2.6, {{"εcu2", 2.6, PR(c90).stress(2.6)}}},
      {"C30 NL", NL(c30), 3.5, {{"εc1 / fcm", c30.epsC1, 38}, {"εcu1", 3.5, 22.47458591}}},
      {"B500B inclined",
       RebarDesignInclined(500 / 1.15, 1.08, 50, 200000),
       45,
       {{"εyd / fyd", 2.173913043478261, 434.7826087}, {"εud", 45, 465.9288538}}},
  };
  for (const Marks& row : rows) {
    EXPECT_DOUBLE_EQ(row.shape.endStrain, row.endStrain) << row.what;
    ASSERT_EQ(row.shape.marks.size(), row.marks.size()) << row.what;
    for (std::size_t i = 0; i < row.marks.size(); ++i) {
      EXPECT_EQ(row.shape.marks[i].label, row.marks[i].label) << row.what;
      EXPECT_NEAR(row.shape.marks[i].strain, row.marks[i].strain, 1e-9 * row.marks[i].strain) << row.what;
      EXPECT_NEAR(row.shape.marks[i].stress, row.marks[i].stress, 1e-9 * row.marks[i].stress) << row.what;
    }
  }
  EXPECT_LT(PR(c90).stress(2.6), c90.fcd);
}

TEST(StressStrainLaws, ReadParametersByShortNameInTheirUnits)
{
  // The bundled database's units: Ecm in kN/mm², strains in ‰, eps_uk in %.
  CMaterialParameters concrete;
  for (auto [name, value, unit] : {std::tuple{"fck", "30", "N/mm²"},
                                   {"fcm", "38", "N/mm²"},
                                   {"Ecm", "32.8366", "kN/mm²"},
                                   {"eps_c1", "2.16188", "‰"},
                                   {"eps_cu1", "3.5", "‰"},
                                   {"fcd", "20", "N/mm²"},
                                   {"n", "2", "-"},
                                   {"eps_c2", "0.002", "-"},
                                   {"eps_cu2", "3.5", ""}})
    concrete.Set(name, value, unit);
  const DrawnLaw nonlinear = DrawLaw(*FindStressStrainLaw("nonlinear"), concrete, 8);
  ASSERT_TRUE(nonlinear.curve);
  EXPECT_NEAR(std::max_element(nonlinear.curve->points.begin(), nonlinear.curve->points.end(),
                               [](auto& a, auto& b) { return a.stress < b.stress; })
                  ->stress,
              38, 1e-9);
  const DrawnLaw parabola = DrawLaw(*FindStressStrainLaw("parabola-rectangle"), concrete, 9);
  ASSERT_TRUE(parabola.curve);
  EXPECT_DOUBLE_EQ(parabola.curve->marks.front().strain, 2);  // 0.002 as a pure number is 2 ‰
  EXPECT_EQ(parabola.curve->points.size(), 10u);              // nine equally spaced strains and εc2
  EXPECT_EQ(LawsOfKinds(concrete).size(), 3u);                // fck makes it concrete

  struct Refusal {
    const char* name;
    const char* value;
    const char* unit;
    ParameterProblem::Kind kind;
  };
  const Refusal refusals[] = {
      {"eps_c3", nullptr, "", ParameterProblem::kMissing},     {"eps_c3", "", "‰", ParameterProblem::kNotANumber},
      {"eps_c3", "1,75x", "‰", ParameterProblem::kNotANumber}, {"eps_c3", "nan", "‰", ParameterProblem::kNotANumber},
      {"eps_c3", "0", "‰", ParameterProblem::kNotPositive},    {"eps_c3", "1.75", "mm", ParameterProblem::kUnknownUnit},
  };
  for (const Refusal& refusal : refusals) {
    CMaterialParameters parameters = concrete;
    parameters.Set("eps_cu3", "3.5", "‰");
    if (refusal.value)
      parameters.Set(refusal.name, refusal.value, refusal.unit);
    const DrawnLaw drawn = DrawLaw(*FindStressStrainLaw("bilinear"), parameters);
    EXPECT_FALSE(drawn.curve) << refusal.value;
    EXPECT_EQ(drawn.problem.name, refusal.name);
    EXPECT_EQ(drawn.problem.kind, refusal.kind) << (refusal.value ? refusal.value : "(none)");
  }
}
