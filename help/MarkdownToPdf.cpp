// Turns a Markdown manual into the PDF that the help opens: markdown_to_pdf IN OUT. Images are
// read relative to the manual and shrunk to the width of the page where they are wider.

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>

#include <cstdio>

namespace {

// The widest an image may be, in the document's units (pixels at 96 dpi): the text width of an
// A4 page with 20 mm margins.
constexpr double kTextWidth = (210.0 - 40.0) / 25.4 * 96.0;

// Loads every image of the document from the folder of the manual and fits it to the page.
bool FitImages(QTextDocument& document, const QString& folder)
{
  bool allFound = true;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
      const QTextFragment part = fragment.fragment();
      if (!part.charFormat().isImageFormat())
        continue;
      QTextImageFormat format = part.charFormat().toImageFormat();
      const QImage image(folder + "/" + format.name());
      if (image.isNull()) {
        std::fprintf(stderr, "markdown_to_pdf: cannot read the image %s\n", qPrintable(format.name()));
        allFound = false;
        continue;
      }
      document.addResource(QTextDocument::ImageResource, QUrl(format.name()), image);
      const double width = std::min<double>(image.width(), kTextWidth);
      format.setWidth(width);
      format.setHeight(width * image.height() / image.width());
      QTextCursor cursor(&document);
      cursor.setPosition(part.position());
      cursor.setPosition(part.position() + part.length(), QTextCursor::KeepAnchor);
      cursor.setCharFormat(format);
    }
  }
  return allFound;
}

}  // namespace

int main(int argc, char** argv)
{
  if (argc != 3) {
    std::fprintf(stderr, "usage: markdown_to_pdf MANUAL.md OUTPUT.pdf\n");
    return 2;
  }
  QGuiApplication app(argc, argv);
  const QString sourcePath = QString::fromLocal8Bit(argv[1]);
  QFile source(sourcePath);
  if (!source.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "markdown_to_pdf: cannot read %s\n", argv[1]);
    return 1;
  }
  QTextDocument document;
  document.setMarkdown(QString::fromUtf8(source.readAll()));
  document.setDefaultStyleSheet("body { font-family: sans-serif; }");
  if (!FitImages(document, QFileInfo(sourcePath).absolutePath()))
    return 1;

  QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
  writer.setTitle(document.begin().text());  // the manual's first heading
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
  document.print(&writer);
  return QFile::exists(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
