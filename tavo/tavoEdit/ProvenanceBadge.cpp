#include "tavo/tavoEdit/ProvenanceBadge.h"

#include "tavo/outside/VBT.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kStandardColour(74, 111, 165);  // blue: the maker's file
const QColor kUserColour(60, 141, 64);       // green: the user's own
const QColor kDuplicateColour(230, 140, 0);  // orange: the short name stands at several levels

std::string Translate(const std::string& text)
{
  return VBT_Translate("QOR Eingabe", "tavo", "TavoEdit", text);
}

std::string Fill(std::string text, const std::string& a, const std::string& b = "", const std::string& c = "")
{
  const std::string values[] = {a, b, c};
  for (int i = 0; i < 3; ++i)
    for (std::size_t at; (at = text.find("%" + std::to_string(i + 1))) != std::string::npos;)
      text.replace(at, 2, values[i]);
  return text;
}

}  // namespace

QPixmap ProvenanceBadge(const ViewedRow& row)
{
  QPixmap pixmap(kBadgeSize, kBadgeSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  QColor colour = row.origin.inUserFile ? kUserColour : kStandardColour;
  if (!row.wins)
    colour.setAlpha(110);  // overridden by a row farther up: faded
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawRoundedRect(QRectF(1, 1, 14, 14), 3, 3);
  QFont font = painter.font();
  font.setPixelSize(10);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::white);
  const std::string level = LevelName(row.origin.level);
  painter.drawText(QRect(1, 1, 14, 14), Qt::AlignCenter, QString::fromStdString(level.substr(0, 1)));
  if (row.levels.size() > 1) {
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(kDuplicateColour);
    painter.drawEllipse(QRectF(9.5, 0.5, 6, 6));
  }
  return pixmap;
}

QIcon FileIcon(bool inUserFile)
{
  QPixmap pixmap(kBadgeSize, kBadgeSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  // A sheet with a folded corner in the colour of the file; the user's carries a person's head.
  QPainterPath sheet;
  sheet.moveTo(3, 1);
  sheet.lineTo(10, 1);
  sheet.lineTo(13, 4);
  sheet.lineTo(13, 15);
  sheet.lineTo(3, 15);
  sheet.closeSubpath();
  const QColor colour = inUserFile ? kUserColour : kStandardColour;
  painter.setPen(QPen(colour.darker(130), 1));
  painter.setBrush(colour.lighter(inUserFile ? 160 : 170));
  painter.drawPath(sheet);
  painter.setBrush(colour);
  painter.setPen(Qt::NoPen);
  if (inUserFile) {
    painter.drawEllipse(QRectF(6, 5, 4, 4));
    painter.drawRoundedRect(QRectF(5, 10, 6, 4), 2, 2);
  } else {
    for (int line = 0; line < 3; ++line)
      painter.drawRect(QRectF(5, 6 + 3 * line, 6, 1.5));
  }
  return QIcon(pixmap);
}

std::string FileText(bool inUserFile)
{
  return Translate(inUserFile ? "Benutzerdatei" : "Standarddatei");
}

std::string LevelText(int level)
{
  return Translate(LevelName(level));
}

std::string ProvenanceTip(const ViewedRow& row)
{
  std::string tip = Fill(Translate("Ebene %1 „%2“, %3"), LevelText(row.origin.level), row.origin.holder,
                         FileText(row.origin.inUserFile));
  if (row.levels.size() < 2)
    return tip;
  std::string levels;
  for (int level : row.levels)
    levels += (levels.empty() ? "" : ", ") + LevelText(level);
  tip += "\n" + Fill(Translate("Kurzname „%1“ auf den Ebenen %2; es gilt der Wert der Ebene %3."), row.kurzname, levels,
                     LevelText(row.winningLevel));
  if (!row.wins)
    tip += "\n" + Translate("Der Wert dieser Zeile wird überschrieben.");
  return tip;
}
