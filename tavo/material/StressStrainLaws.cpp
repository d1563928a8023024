#include "tavo/material/StressStrainLaws.h"

#include <algorithm>
#include <cmath>

namespace {

// The straight line through (x0, y0) and (x1, y1) at x.
double Line(double x0, double y0, double x1, double y1, double x)
{
  return y0 + (y1 - y0) * (x - x0) / (x1 - x0);
}

// The rising elastic branch up to (yieldStrain, yield), then a straight line to (ultimateStrain,
// top); the curve ends at endStrain.
LawShape TwoBranches(double yield, double yieldStrain, double top, double ultimateStrain, double endStrain)
{
  LawShape shape;
  shape.stress = [=](double eps) {
    return eps <= yieldStrain ? yield * eps / yieldStrain : Line(yieldStrain, yield, ultimateStrain, top, eps);
  };
  shape.endStrain = endStrain;
  return shape;
}

}  // namespace

// --- the laws ---

LawShape ParabolaRectangle(double fcd, double n, double epsC2, double epsCu2)
{
  LawShape shape;
  shape.stress = [=](double eps) { return eps < epsC2 ? fcd * (1 - std::pow(1 - eps / epsC2, n)) : fcd; };
  shape.endStrain = epsCu2;
  if (epsC2 <= epsCu2)
    shape.marks.push_back({"εc2 / fcd", epsC2, fcd});
  shape.marks.push_back({"εcu2", epsCu2, shape.stress(epsCu2)});
  return shape;
}

LawShape Bilinear(double fcd, double epsC3, double epsCu3)
{
  LawShape shape = TwoBranches(fcd, epsC3, fcd, epsCu3, epsCu3);
  shape.marks = {{"εc3 / fcd", epsC3, fcd}, {"εcu3", epsCu3, fcd}};
  return shape;
}

LawShape NonlinearConcrete(double fcm, double ecm, double epsC1, double epsCu1)
{
  const double k = 1.05 * ecm * (epsC1 / 1000) / fcm;
  LawShape shape;
  shape.stress = [=](double eps) {
    const double eta = eps / epsC1;
    return fcm * (k * eta - eta * eta) / (1 + (k - 2) * eta);
  };
  shape.endStrain = epsCu1;
  if (epsC1 <= epsCu1)
    shape.marks.push_back({"εc1 / fcm", epsC1, fcm});
  shape.marks.push_back({"εcu1", epsCu1, shape.stress(epsCu1)});
  return shape;
}

LawShape RebarCharacteristic(double fyk, double k, double epsUk, double es)
{
  const double epsYk = 1000 * fyk / es;
  LawShape shape = TwoBranches(fyk, epsYk, k * fyk, epsUk, epsUk);
  shape.marks = {{"εyk / fyk", epsYk, fyk}, {"εuk / k·fyk", epsUk, k * fyk}};
  return shape;
}

LawShape RebarDesignInclined(double fyd, double k, double epsUk, double es)
{
  const double epsYd = 1000 * fyd / es;
  const double epsUd = 0.9 * epsUk;
  LawShape shape = TwoBranches(fyd, epsYd, k * fyd, epsUk, epsUd);
  shape.marks = {{"εyd / fyd", epsYd, fyd}, {"εud", epsUd, shape.stress(epsUd)}};
  return shape;
}

LawShape RebarDesignHorizontal(double fyd, double epsUk, double es)
{
  const double epsYd = 1000 * fyd / es;
  const double epsUd = 0.9 * epsUk;
  LawShape shape = TwoBranches(fyd, epsYd, fyd, epsUd, epsUd);
  shape.marks = {{"εyd / fyd", epsYd, fyd}, {"εud", epsUd, fyd}};
  return shape;
}

LawShape ElasticPlastic(double fy, double e, std::optional<double> fu)
{
  const double epsY = 1000 * fy / e;
  LawShape shape = TwoBranches(fy, epsY, fy, 50, 50);
  shape.marks = {{"εy / fy", epsY, fy}};
  if (fu)
    shape.reference = CurveMark{"fu", 0, *fu};
  return shape;
}

// --- the table ---

const std::vector<StressStrainLaw>& StressStrainLaws()
{
  using P = std::vector<double>;
  using O = std::vector<std::optional<double>>;
  static const std::vector<StressStrainLaw> laws = {
      {"parabola-rectangle",
       "Parabel-Rechteck",
       MaterialKind::kConcrete,
       {"fcd", "n", "eps_c2", "eps_cu2"},
       {},
       [](const P& p, const O&) { return ParabolaRectangle(p[0], p[1], p[2], p[3]); }},
      {"bilinear",
       "Bilinear",
       MaterialKind::kConcrete,
       {"fcd", "eps_c3", "eps_cu3"},
       {},
       [](const P& p, const O&) { return Bilinear(p[0], p[1], p[2]); }},
      {"nonlinear",
       "Nichtlinear",
       MaterialKind::kConcrete,
       {"fcm", "Ecm", "eps_c1", "eps_cu1"},
       {},
       [](const P& p, const O&) { return NonlinearConcrete(p[0], p[1], p[2], p[3]); }},
      {"rebar-characteristic",
       "Charakteristisch",
       MaterialKind::kReinforcingSteel,
       {"fyk", "k", "eps_uk", "Es"},
       {},
       [](const P& p, const O&) { return RebarCharacteristic(p[0], p[1], p[2], p[3]); }},
      {"rebar-design-inclined",
       "Bemessung, geneigter Ast",
       MaterialKind::kReinforcingSteel,
       {"fyd", "k", "eps_uk", "Es"},
       {},
       [](const P& p, const O&) { return RebarDesignInclined(p[0], p[1], p[2], p[3]); }},
      {"rebar-design-horizontal",
       "Bemessung, horizontaler Ast",
       MaterialKind::kReinforcingSteel,
       {"fyd", "eps_uk", "Es"},
       {},
       [](const P& p, const O&) { return RebarDesignHorizontal(p[0], p[1], p[2]); }},
      {"elastic-plastic",
       "Elastisch-plastisch",
       MaterialKind::kStructuralSteel,
       {"fy", "E"},
       {"fu"},
       [](const P& p, const O& o) { return ElasticPlastic(p[0], p[1], o[0]); }},
  };
  return laws;
}

const StressStrainLaw* FindStressStrainLaw(const std::string& id)
{
  for (const StressStrainLaw& law : StressStrainLaws())
    if (id == law.id)
      return &law;
  return nullptr;
}

const char* KindKey(MaterialKind kind)
{
  switch (kind) {
    case MaterialKind::kConcrete: return "fck";
    case MaterialKind::kReinforcingSteel: return "fyk";
    case MaterialKind::kStructuralSteel: return "fy";
  }
  return "";
}

std::vector<const StressStrainLaw*> LawsOfKinds(const CMaterialParameters& parameters)
{
  std::vector<const StressStrainLaw*> laws;
  for (const StressStrainLaw& law : StressStrainLaws())
    if (parameters.Has(KindKey(law.kind)))
      laws.push_back(&law);
  return laws;
}

// --- drawing ---

DrawnLaw DrawLaw(const StressStrainLaw& law, const CMaterialParameters& parameters, int samples)
{
  DrawnLaw drawn;
  std::vector<double> values(law.parameters.size());
  for (std::size_t i = 0; i < values.size(); ++i)
    if (!parameters.Read(law.parameters[i], values[i], drawn.problem))
      return drawn;
  std::vector<std::optional<double>> optional;
  for (const char* name : law.optional) {
    double value = 0;
    ParameterProblem ignored;
    optional.push_back(parameters.Read(name, value, ignored) ? std::optional<double>(value) : std::nullopt);
  }

  const LawShape shape = law.make(values, optional);
  std::vector<double> strains;
  for (int i = 0; i < std::max(samples, 2); ++i)
    strains.push_back(shape.endStrain * i / (std::max(samples, 2) - 1));
  for (const CurveMark& mark : shape.marks)
    strains.push_back(mark.strain);
  std::sort(strains.begin(), strains.end());
  strains.erase(std::unique(strains.begin(), strains.end()), strains.end());

  StressStrainCurve curve{&law, {}, shape.marks, shape.reference};
  for (double strain : strains) {
    const double stress = shape.stress(strain);
    if (!std::isfinite(stress) || !std::isfinite(strain)) {
      // Parameters that are each fine but together give no curve (say a yield strain beyond εuk).
      drawn.problem = ParameterProblem{law.id, ParameterProblem::kNoCurve, ""};
      return drawn;
    }
    curve.points.push_back({strain, stress});
  }
  drawn.curve = std::move(curve);
  return drawn;
}
