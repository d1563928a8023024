// Turns the Markdown manual into the PDF that the help button opens: markdown_to_pdf IN OUT.

#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <cstdio>

int main(int argc, char** argv)
{
  if (argc != 3) {
    std::fprintf(stderr, "usage: markdown_to_pdf MANUAL.md OUTPUT.pdf\n");
    return 2;
  }
  QGuiApplication app(argc, argv);
  QFile source(QString::fromLocal8Bit(argv[1]));
  if (!source.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "markdown_to_pdf: cannot read %s\n", argv[1]);
    return 1;
  }
  QTextDocument document;
  document.setMarkdown(QString::fromUtf8(source.readAll()));
  document.setDefaultStyleSheet("body { font-family: sans-serif; }");

  QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
  writer.setTitle("tavoEdit – Materialeditor");
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
  document.print(&writer);
  return QFile::exists(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
