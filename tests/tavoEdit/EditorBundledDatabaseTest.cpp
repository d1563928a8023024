// The editor on the bundled database, as a new user tries it: look at everything, change nothing.

#include "EditorTestSupport.h"

#include "tests/support/TestFiles.h"

#include <cstdlib>

namespace {

std::string BundledFile()
{
  return ReadFile(std::string(std::getenv("TAVO_TEST_DATA")) + "/../../data/Materialdatei.xml");
}

}  // namespace

TEST_F(EditorTest, ClosingAfterViewingEveryBundledObjectAsksNothing)
{
  for (const bool qorMode : {false, true}) {
    StartValues start;
    start.qorMode = qorMode;
    Open(start, BundledFile(), "");
    int objects = 0;
    // Every line of each list in turn, as clicking through the lists does.
    const std::function<void(int)> visit = [&](int level) {
      for (int line = 0; line < List(level)->count(); ++line) {
        if (List(level)->itemText(line).isEmpty())
          continue;
        List(level)->setCurrentIndex(line);
        emit List(level)->activated(line);
        if (level < 3)
          visit(level + 1);
        else
          ++objects;
      }
    };
    visit(0);
    EXPECT_EQ(objects, 51);
    m_dialog->OnCancel();
    EXPECT_EQ(m_prompts.asked, std::vector<std::string>{}) << (qorMode ? "QOR mode" : "normal mode");
  }
}
