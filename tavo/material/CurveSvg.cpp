#include "tavo/material/CurveSvg.h"

#include "tavo/text/NumberText.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kWidth = 720, kHeight = 460;
constexpr double kLeft = 70, kRight = 20, kTop = 40, kBottom = 55;
const char* const kColours[] = {"#1f77b4", "#d62728", "#2ca02c", "#9467bd", "#ff7f0e", "#8c564b"};

std::string Escaped(const std::string& text)
{
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string Number(double value)
{
  return FormatLg(std::abs(value) < 1e-12 ? 0.0 : value);
}

// Maps curve coordinates into the plot area.
struct Frame {
  double maxStrain, maxStress;
  double X(double strain) const { return kLeft + strain / maxStrain * (kWidth - kLeft - kRight); }
  double Y(double stress) const { return kHeight - kBottom - stress / maxStress * (kHeight - kTop - kBottom); }
};

std::string Text(double x, double y, const std::string& text, const char* anchor, const char* extra = "")
{
  return "<text x=\"" + Number(x) + "\" y=\"" + Number(y) + "\" text-anchor=\"" + anchor + "\"" + extra + ">" +
         Escaped(text) + "</text>\n";
}

std::string Axes(const Frame& frame, double strainStep, double stressStep)
{
  std::string svg;
  const double x0 = frame.X(0), y0 = frame.Y(0);
  for (double s = 0; s <= frame.maxStrain * (1 + 1e-9); s += strainStep) {
    svg += "<line x1=\"" + Number(frame.X(s)) + "\" y1=\"" + Number(kTop) + "\" x2=\"" + Number(frame.X(s)) +
           "\" y2=\"" + Number(y0) + "\" stroke=\"#e0e0e0\"/>\n";
    svg += Text(frame.X(s), y0 + 18, Number(s), "middle");
  }
  for (double s = 0; s <= frame.maxStress * (1 + 1e-9); s += stressStep) {
    svg += "<line x1=\"" + Number(x0) + "\" y1=\"" + Number(frame.Y(s)) + "\" x2=\"" + Number(kWidth - kRight) +
           "\" y2=\"" + Number(frame.Y(s)) + "\" stroke=\"#e0e0e0\"/>\n";
    svg += Text(x0 - 6, frame.Y(s) + 4, Number(s), "end");
  }
  svg += "<path d=\"M" + Number(x0) + " " + Number(kTop) + " V" + Number(y0) + " H" + Number(kWidth - kRight) +
         "\" fill=\"none\" stroke=\"black\"/>\n";
  svg += Text((x0 + kWidth - kRight) / 2, kHeight - 12, "ε [‰]", "middle");
  svg += Text(18, (kTop + y0) / 2, "σ [N/mm²]", "middle",
              (" transform=\"rotate(-90 18 " + Number((kTop + y0) / 2) + ")\"").c_str());
  return svg;
}

std::string Curve(const Frame& frame, const StressStrainCurve& curve, const char* colour)
{
  std::string points;
  for (const CurvePoint& point : curve.points)
    points += Number(frame.X(point.strain)) + "," + Number(frame.Y(point.stress)) + " ";
  std::string svg =
      "<polyline fill=\"none\" stroke-width=\"2\" stroke=\"" + std::string(colour) + "\" points=\"" + points + "\"/>\n";
  for (const CurveMark& mark : curve.marks) {
    svg += "<circle cx=\"" + Number(frame.X(mark.strain)) + "\" cy=\"" + Number(frame.Y(mark.stress)) +
           "\" r=\"4\" fill=\"" + colour + "\"/>\n";
  }
  if (curve.reference) {
    const double y = frame.Y(curve.reference->stress);
    svg += "<line x1=\"" + Number(frame.X(0)) + "\" y1=\"" + Number(y) + "\" x2=\"" + Number(kWidth - kRight) +
           "\" y2=\"" + Number(y) + "\" stroke=\"" + colour + "\" stroke-dasharray=\"6 4\"/>\n";
    svg += Text(kWidth - kRight - 4, y - 6, curve.reference->label + " = " + Number(curve.reference->stress), "end");
  }
  return svg;
}

// The marks' labels; marks of several curves at one point share one.
std::string Labels(const Frame& frame, const std::vector<StressStrainCurve>& curves)
{
  std::vector<CurveMark> labels;
  for (const StressStrainCurve& curve : curves) {
    for (const CurveMark& mark : curve.marks) {
      const auto same = std::find_if(labels.begin(), labels.end(), [&](const CurveMark& label) {
        return std::abs(label.strain - mark.strain) < 1e-9 && std::abs(label.stress - mark.stress) < 1e-9;
      });
      if (same == labels.end())
        labels.push_back(mark);
      else if (same->label.find(mark.label) == std::string::npos)
        same->label += ", " + mark.label;
    }
  }
  std::string svg;
  for (const CurveMark& label : labels)
    svg += Text(frame.X(label.strain) + 6, frame.Y(label.stress) - 6, label.label, "start");
  return svg;
}

}  // namespace

double NiceTickStep(double range, int ticks)
{
  if (!(range > 0))
    return 1;
  const double raw = range / ticks;
  const double power = std::pow(10, std::floor(std::log10(raw)));
  for (double factor : {1.0, 2.0, 5.0})
    if (raw <= factor * power)
      return factor * power;
  return 10 * power;
}

std::string CurvesSvg(const std::vector<StressStrainCurve>& curves, const std::string& title)
{
  double maxStrain = 0, maxStress = 0;
  for (const StressStrainCurve& curve : curves) {
    for (const CurvePoint& point : curve.points) {
      maxStrain = std::max(maxStrain, point.strain);
      maxStress = std::max(maxStress, point.stress);
    }
    if (curve.reference)
      maxStress = std::max(maxStress, curve.reference->stress);
  }
  const double strainStep = NiceTickStep(maxStrain, 8), stressStep = NiceTickStep(maxStress * 1.1, 6);
  const Frame frame{std::ceil(maxStrain / strainStep) * strainStep,
                    std::ceil(maxStress * 1.1 / stressStep) * stressStep};

  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                    Number(kWidth) + "\" height=\"" + Number(kHeight) +
                    "\" font-family=\"sans-serif\" font-size=\"12\">\n";
  svg += "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
  svg += Text(kWidth / 2, 24, title, "middle", " font-size=\"15\"");
  svg += Axes(frame, strainStep, stressStep);
  double legendY = frame.Y(0) - 12 - 18 * (curves.size() - 1);
  for (std::size_t i = 0; i < curves.size(); ++i, legendY += 18) {
    const char* colour = kColours[i % std::size(kColours)];
    svg += Curve(frame, curves[i], colour);
    svg += "<line x1=\"" + Number(kWidth - 300) + "\" y1=\"" + Number(legendY - 4) + "\" x2=\"" + Number(kWidth - 276) +
           "\" y2=\"" + Number(legendY - 4) + "\" stroke-width=\"2\" stroke=\"" + colour + "\"/>\n";
    svg += Text(kWidth - 270, legendY, curves[i].law->title, "start");
  }
  return svg + Labels(frame, curves) + "</svg>\n";
}
