// Switches the C library to the locale named by TAVO_TEST_LOCALE before any test runs, as Qt
// does in the application, so that no conversion may depend on the locale unnoticed.

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const char* TestLocale()
{
  return std::getenv("TAVO_TEST_LOCALE");
}

class LocaleEnvironment : public ::testing::Environment {
 public:
  void SetUp() override
  {
    if (TestLocale() != nullptr) {
      ASSERT_NE(std::setlocale(LC_ALL, TestLocale()), nullptr) << "locale not available: " << TestLocale();
    }
  }
};

[[maybe_unused]] ::testing::Environment* const environment = ::testing::AddGlobalTestEnvironment(new LocaleEnvironment);

// The run under a German locale proves something only while the C library writes decimal commas.
TEST(LocaleEnvironment, GermanLocaleIsInForceWhenAsked)
{
  if (TestLocale() == nullptr || std::string(TestLocale()).rfind("de_", 0) != 0) {
    GTEST_SKIP() << "no German locale asked for";
  }
  char text[16];
  std::snprintf(text, sizeof text, "%g", 1.5);
  EXPECT_STREQ(text, "1,5");
}

}  // namespace
