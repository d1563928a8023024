#pragma once
// The one QApplication of a widget test binary (offscreen under ctest). Include this header in
// exactly one test file of the binary.

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

class QtTestApplication : public ::testing::Environment {
 public:
  void SetUp() override
  {
    static int argc = 1;
    static char name[] = "tavo_tests";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance())
      m_app = std::make_unique<QApplication>(argc, argv);
  }
  void TearDown() override { m_app.reset(); }

 private:
  std::unique_ptr<QApplication> m_app;
};

[[maybe_unused]] inline ::testing::Environment* const kQtTestApplication =
    ::testing::AddGlobalTestEnvironment(new QtTestApplication);
