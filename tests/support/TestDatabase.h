#pragma once
// A material database on temporary files: the standard and the user file written from literals,
// the locations handed to the material-file library through its environment variables.

#include "tavo/material/TavoHandler.h"
#include "tests/support/TestFiles.h"

#include <cstdlib>
#include <memory>

class TestDatabase {
 public:
  // An empty `user` text leaves the user file missing (it opens as an empty document).
  TestDatabase(const std::string& standard, const std::string& user = "")
  {
    if (!standard.empty())
      m_folder.Write("standard.xml", standard);
    if (!user.empty())
      m_folder.Write("user.xml", user);
    setenv("TAVO_STANDARD_FILE", StandardPath().c_str(), 1);
    setenv("TAVO_USER_FILE", UserPath().c_str(), 1);
    setenv("TAVO_USER_FILE_64", m_folder.Path("user64.xml").c_str(), 1);
  }

  std::string StandardPath() const { return m_folder.Path("standard.xml"); }
  std::string UserPath() const { return m_folder.Path("user.xml"); }
  std::string LogPath() const { return m_folder.Path("startup.log"); }
  const TestFolder& Folder() const { return m_folder; }

  std::unique_ptr<CTavoHandler> Open() const { return std::make_unique<CTavoHandler>(LogPath()); }

 private:
  TestFolder m_folder;
};
