// The toolkit's own switches reach the command-line collector unread and have no effect. A binary
// of its own: each case builds the application object, which a process holds one at a time.

#include "tavo/tavoEdit/TavoEditApp.h"

#include <QGuiApplication>
#include <QStyle>

#include <gtest/gtest.h>

TEST(StartSwitches, ToolkitSwitchesArePassedOnUnread)
{
  const std::vector<std::vector<std::string>> rows = {
      {"-platform", "xcb", "kat=Beton"},  // would need an X display; offscreen stays
      {"-style", "windows", "-qwindowtitle", "Fremd", "objekt=C30/37"},
      {"-reverse", "qormode"},
      {"--platform=minimal", "-stylesheet", "missing.qss", "-widgetcount"},
  };
  for (const std::vector<std::string>& arguments : rows) {
    std::vector<std::string> storage = {"tavoEdit"};
    storage.insert(storage.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : storage)
      argv.push_back(argument.data());
    argv.push_back(nullptr);

    CTavoEditApp app(static_cast<int>(storage.size()), argv.data());
    EXPECT_EQ(app.Arguments(), arguments);
    EXPECT_EQ(QGuiApplication::platformName(), "offscreen") << arguments[0];
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight) << arguments[0];
    EXPECT_NE(QApplication::style()->name(), "windows") << arguments[0];
    EXPECT_TRUE(app.styleSheet().isEmpty()) << arguments[0];
  }
}
