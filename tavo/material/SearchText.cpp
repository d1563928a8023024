#include "tavo/material/SearchText.h"

#include <QString>

std::string FoldForSearch(std::string_view text)
{
  // Plain ASCII letters and digits only need their case folded; most names are like that.
  std::string folded(text);
  bool ascii = true;
  for (char& c : folded) {
    if (static_cast<unsigned char>(c) >= 0x80) {
      ascii = false;
      break;
    }
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  }
  if (ascii)
    return folded;

  const QString decomposed =
      QString::fromUtf8(text.data(), qsizetype(text.size())).normalized(QString::NormalizationForm_KD);
  QString kept;
  kept.reserve(decomposed.size());
  for (const QChar c : decomposed)
    if (c.category() != QChar::Mark_NonSpacing && c.category() != QChar::Mark_Enclosing)
      kept += c;
  // Case folding turns "ß" into "ss" only in its full form, which QString does not apply.
  return kept.toCaseFolded().replace(QChar(0x00DF), QStringLiteral("ss")).toStdString();
}
