#pragma once
// The stress-strain laws of the design codes for concrete, reinforcing steel and structural steel,
// without a window: each law as a function of its parameters, and the table that finds a law's
// parameters in a material object by short name and samples its curve. Strains are in ‰,
// stresses in N/mm², compression positive for concrete, tension positive for steel.

#include "tavo/material/MaterialParameters.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

struct CurvePoint {
  double strain = 0;  // ‰
  double stress = 0;  // N/mm²
};

// A characteristic point of a curve, labelled with its symbols (for example "εc2 / fcd").
struct CurveMark {
  std::string label;
  double strain = 0;
  double stress = 0;
};

// A law with its parameters filled in: σ(ε) from 0 to the end strain, and the points the codes'
// figures mark. The curve kinks only at marked strains.
struct LawShape {
  std::function<double(double)> stress;
  double endStrain = 0;
  std::vector<CurveMark> marks;
  std::optional<CurveMark> reference;  // a stress drawn as a horizontal line, not reached (fu)
};

// Concrete, parabola-rectangle for section design: fcd·[1 − (1 − ε/εc2)^n] up to εc2, then fcd up
// to εcu2; when εc2 > εcu2 (C90/105) the curve ends on the parabola.
LawShape ParabolaRectangle(double fcd, double n, double epsC2, double epsCu2);
// Concrete, bilinear for section design: fcd·ε/εc3 up to εc3, then fcd up to εcu3.
LawShape Bilinear(double fcd, double epsC3, double epsCu3);
// Concrete, nonlinear for structural analysis: σ = fcm·(kη − η²)/(1 + (k − 2)η), η = ε/εc1,
// k = 1.05·Ecm·εc1/fcm (Ecm in N/mm², εc1 as a pure number), up to εcu1.
LawShape NonlinearConcrete(double fcm, double ecm, double epsC1, double epsCu1);
// Reinforcing steel, characteristic: linear to (fyk/Es, fyk), then straight to (εuk, k·fyk).
LawShape RebarCharacteristic(double fyk, double k, double epsUk, double es);
// Reinforcing steel, design with the inclined top branch: linear to (fyd/Es, fyd), then towards
// (εuk, k·fyd), ending at εud = 0.9·εuk.
LawShape RebarDesignInclined(double fyd, double k, double epsUk, double es);
// Reinforcing steel, design with the horizontal top branch: linear to (fyd/Es, fyd), then fyd,
// drawn to εud = 0.9·εuk.
LawShape RebarDesignHorizontal(double fyd, double epsUk, double es);
// Structural steel, elastic-perfectly plastic: E·ε up to fy/E, then fy, drawn to 5 % (the limit of
// the principal strain); fu, when given, as the reference line.
LawShape ElasticPlastic(double fy, double e, std::optional<double> fu);

enum class MaterialKind { kConcrete, kReinforcingSteel, kStructuralSteel };

// One law as the program offers it.
struct StressStrainLaw {
  const char* id;     // the name `tavo curve --law` takes, e.g. "parabola-rectangle"
  const char* title;  // the German title of the diagram's legend
  MaterialKind kind;
  std::vector<const char*> parameters;  // short names the law needs, in the order `make` takes them
  std::vector<const char*> optional;    // short names it draws when present (fu)
  std::function<LawShape(const std::vector<double>&, const std::vector<std::optional<double>>&)> make;
};

const std::vector<StressStrainLaw>& StressStrainLaws();
const StressStrainLaw* FindStressStrainLaw(const std::string& id);

// The short name whose presence makes an object one of that kind: fck, fyk, fy.
const char* KindKey(MaterialKind kind);
// The laws of every kind the parameters name, in the table's order.
std::vector<const StressStrainLaw*> LawsOfKinds(const CMaterialParameters& parameters);

struct StressStrainCurve {
  const StressStrainLaw* law = nullptr;
  std::vector<CurvePoint> points;  // increasing strain, from 0 to the end
  std::vector<CurveMark> marks;
  std::optional<CurveMark> reference;
};

// The law's curve from the parameters, sampled at `samples` equally spaced strains plus every
// marked one; or the first parameter that is missing or unusable.
struct DrawnLaw {
  std::optional<StressStrainCurve> curve;
  ParameterProblem problem;
};
DrawnLaw DrawLaw(const StressStrainLaw& law, const CMaterialParameters& parameters, int samples = 60);
