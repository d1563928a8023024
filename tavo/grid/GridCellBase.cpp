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

// ---- attributes -------------------------------------------------------------------------------

void CGridCellBase::CopyAttributesFrom(const CGridCellBase& other)
{
  text_ = other.GetText();
  state_ = other.state_;
  format_ = other.format_;
  textClr_ = other.textClr_;
  backClr_ = other.backClr_;
  font_ = other.font_;
  margin_ = other.margin_;
}

const CGridCellBase* CGridCellBase::DefaultCell() const
{
  if (grid_ == nullptr || row_ < 0 || col_ < 0)
    return nullptr;
  return grid_->GetDefaultCell(row_ < grid_->GetFixedRowCount(), col_ < grid_->GetFixedColumnCount());
}

QColor CGridCellBase::EffectiveTextColour() const
{
  if (!IsDefaultColour(textClr_))
    return ToQColor(textClr_);
  const CGridCellBase* fallback = DefaultCell();
  if (fallback != nullptr && !IsDefaultColour(fallback->textClr_))
    return ToQColor(fallback->textClr_);
  return grid_ != nullptr ? grid_->palette().color(QPalette::Text) : QApplication::palette().color(QPalette::Text);
}

QColor CGridCellBase::EffectiveBackColour() const
{
  if (!IsDefaultColour(backClr_))
    return ToQColor(backClr_);
  const CGridCellBase* fallback = DefaultCell();
  if (fallback != nullptr && !IsDefaultColour(fallback->backClr_))
    return ToQColor(fallback->backClr_);
  return QColor();
}

QFont CGridCellBase::EffectiveFont() const
{
  if (font_)
    return *font_;
  const CGridCellBase* fallback = DefaultCell();
  if (fallback != nullptr && fallback->font_)
    return *fallback->font_;
  return grid_ != nullptr ? grid_->font() : QApplication::font();
}

unsigned CGridCellBase::EffectiveFormat() const
{
  if (format_ != kFormatUseDefault)
    return format_;
  const CGridCellBase* fallback = DefaultCell();
  if (fallback != nullptr && fallback->format_ != kFormatUseDefault)
    return fallback->format_;
  return kFormatDefault;
}

int CGridCellBase::EffectiveMargin() const
{
  if (margin_ >= 0)
    return margin_;
  const CGridCellBase* fallback = DefaultCell();
  if (fallback != nullptr && fallback->margin_ >= 0)
    return fallback->margin_;
  return CGridDefaultCell::kDefaultMargin;
}

// ---- operations -------------------------------------------------------------------------------

bool CGridCellBase::Edit(const QRect& rect, const QPoint& point, int firstChar)
{
  (void)rect;
  (void)point;
  (void)firstChar;
  return false;
}

bool CGridCellBase::ValidateEdit(const QString& text)
{
  (void)text;
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
  QWidget* widget = grid_;
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
    option.section = col_;
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
