#pragma once
// Small helpers for tests that work on files.

#include <QTemporaryDir>

#include <fstream>
#include <sstream>
#include <string>

// A temporary folder that lives as long as the object.
class TestFolder {
 public:
  std::string Path(const std::string& name) const { return m_dir.filePath(QString::fromStdString(name)).toStdString(); }
  std::string Root() const { return m_dir.path().toStdString(); }

  // Writes the text into a file of the folder and returns its path.
  std::string Write(const std::string& name, const std::string& text) const
  {
    const std::string path = Path(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }

 private:
  QTemporaryDir m_dir;
};

inline std::string ReadFile(const std::string& path)
{
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Wraps level elements in a material file's root and declaration.
inline std::string MaterialFile(const std::string& body)
{
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Materialdatei>\n" + body + "</Materialdatei>\n";
}
