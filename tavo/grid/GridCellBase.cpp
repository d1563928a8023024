#include "tavo/grid/GridCellBase.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionHeader>

#include "tavo/grid/GridCtrl.h"
#include "tavo/grid/GridDefaultCell.h"

namespace {

Qt::Alignment AlignmentOf(unsigned format)
{
  Qt::Alignment align = (format & kFormatCentre)  ? Qt::AlignHCenter
                        : (format & kFormatRight) ? Qt::AlignRight
                                                  : Qt::AlignLeft;
  return align | ((format & kFormatVCentre) ? Qt::AlignVCenter : Qt::AlignTop);
}

}  // namespace

// --- attributes ---

void CGridCellBase::CopyAttributesFrom(const CGridCellBase& other)
{
  m_text = other.GetText();
  m_state = other.m_state;
  m_format = other.m_format;
  m_textClr = other.m_textClr;
  m_backClr = other.m_backClr;
  m_font = other.m_font;
  m_margin = other.m_margin;
}

const CGridCellBase* CGridCellBase::DefaultCell() const
{
  if (m_grid == nullptr || m_row < 0 || m_col < 0)
    return nullptr;
  return m_grid->GetDefaultCell(m_row < m_grid->GetFixedRowCount(), m_col < m_grid->GetFixedColumnCount());
}

QColor CGridCellBase::EffectiveTextColour() const
{
  if (!IsDefaultColour(m_textClr))
    return ToQColor(m_textClr);
  const CGridCellBase* fallback = DefaultCell();
  if (fallback != nullptr && !IsDefaultColour(fallback->m_textClr))
    return ToQColor(fallback->m_textClr);
  return m_grid != nullptr ? m_grid->palette().color(QPalette::Text) : QApplication::palette().color(QPalette::Text);
}

QColor CGridCellBase::EffectiveBackColour() const
{
  if (!IsDefaultColour(m_backClr))
    return ToQColor(m_backClr);
  const CGridCellBase* fallback = DefaultCell();
  if (fallback != nullptr && !IsDefaultColour(fallback->m_backClr))
    return ToQColor(fallback->m_backClr);
  return QColor();
}

QFont CGridCellBase::EffectiveFont() const
{
  if (m_font)
    return *m_font;
  const CGridCellBase* fallback = DefaultCell();
  if (fallback != nullptr && fallback->m_font)
    return *fallback->m_font;
  return m_grid != nullptr ? m_grid->font() : QApplication::font();
}

unsigned CGridCellBase::EffectiveFormat() const
{
  if (m_format != kFormatUseDefault)
    return m_format;
  const CGridCellBase* fallback = DefaultCell();
  if (fallback != nullptr && fallback->m_format != kFormatUseDefault)
    return fallback->m_format;
  return kFormatDefault;
}

int CGridCellBase::EffectiveMargin() const
{
  if (m_margin >= 0)
    return m_margin;
  const CGridCellBase* fallback = DefaultCell();
  if (fallback != nullptr && fallback->m_margin >= 0)
    return fallback->m_margin;
  return CGridDefaultCell::kDefaultMargin;
}

// --- operations ---

bool CGridCellBase::Edit(const QRect&, const QPoint&, int)
{
  return false;
}

bool CGridCellBase::ValidateEdit(const QString&)
{
  return true;
}

QSize CGridCellBase::GetCellExtent() const
{
  const QFontMetrics metrics(EffectiveFont());
  const int margin = EffectiveMargin();
  return metrics.size(Qt::TextSingleLine, GetText()) + QSize(2 * margin, 2 * margin);
}

QRect CGridCellBase::TextRect(const QRect& rect) const
{
  const int margin = EffectiveMargin();
  return rect.adjusted(margin, 0, -margin, 0);
}

// Headers are drawn as the style's header sections; data cells get their background, their text
// (cut with an ellipsis when it does not fit) and, for the focus cell, a frame in the palette's
// highlight colour.
void CGridCellBase::Draw(QPainter& painter, const QRect& rect, const CellDrawState& how)
{
  QWidget* widget = m_grid;
  QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
  QPalette palette = widget != nullptr ? widget->palette() : QApplication::palette();
  const unsigned format = EffectiveFormat();
  const Qt::Alignment align = AlignmentOf(format);
  QString text = GetText();
  painter.save();
  painter.setFont(EffectiveFont());

  if (how.header) {
    QStyleOptionHeader option;
    if (widget != nullptr)
      option.initFrom(widget);
    option.rect = rect;
    option.section = m_col;
    option.orientation = Qt::Horizontal;
    option.position = QStyleOptionHeader::Middle;
    option.textAlignment = align;
    option.state |= QStyle::State_Raised | QStyle::State_Horizontal;
    if (how.headerHighlight)
      option.state |= QStyle::State_On | QStyle::State_Sunken;
    const QColor back = EffectiveBackColour();
    if (back.isValid())
      option.palette.setColor(QPalette::Button, back);
    option.palette.setColor(QPalette::ButtonText, EffectiveTextColour());
    option.text = painter.fontMetrics().elidedText(text, Qt::ElideRight, TextRect(rect).width());
    style->drawControl(QStyle::CE_Header, &option, &painter, widget);
    painter.restore();
    return;
  }

  QColor back = EffectiveBackColour();
  if (!back.isValid())
    back = palette.color(QPalette::Base);
  QColor fore = EffectiveTextColour();
  if (how.selected) {
    back = palette.color(QPalette::Highlight);
    fore = palette.color(QPalette::HighlightedText);
  }
  painter.fillRect(rect, back);

  const QRect textRect = TextRect(rect);
  if ((format & kFormatEndEllipsis) != 0) {
    text = painter.fontMetrics().elidedText(text, Qt::ElideRight, textRect.width());
  }
  palette.setColor(QPalette::Text, fore);
  style->drawItemText(&painter, textRect, int(align) | Qt::TextSingleLine, palette, true, text, QPalette::Text);

  if (how.focused) {
    const QColor frame = how.gridHasFocus ? palette.color(QPalette::Highlight) : palette.color(QPalette::Mid);
    painter.setPen(QPen(frame, how.gridHasFocus ? 2 : 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(how.gridHasFocus ? rect.adjusted(1, 1, -1, -1) : rect.adjusted(0, 0, -1, -1));
  }
  painter.restore();
}
