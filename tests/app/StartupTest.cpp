#include "app/Startup.h"

#include <gtest/gtest.h>

#include "platform/Registry.h"
#include "tests/platform/TempFolder.h"

namespace vorkel {
namespace {

using testing::TempFolder;

TEST(StartupTest, CommandLineOptions) {
  struct Case {
    std::vector<std::string> args;
    bool unregister;
    std::string templatePath;
    std::size_t unknown;
  };
  const Case cases[] = {
      {{}, false, "", 0},
      {{"/u"}, true, "", 0},
      {{"-UNREG"}, true, "", 0},
      {{"/Unregister", "a.skb"}, true, "a.skb", 0},
      {{"-unregistered"}, false, "", 1},  // longer than the word: not a prefix
      {{"-x"}, false, "", 1},
      {{"/home/ann/Model1.skb"}, false, "/home/ann/Model1.skb", 0},  // a path, not an option
      {{"a.skb", "b.skb"}, false, "a.skb", 1},
  };
  for (const Case& k : cases) {
    const StartupOptions o = parseStartupOptions(k.args);
    SCOPED_TRACE(k.args.empty() ? "(none)" : k.args.front());
    EXPECT_EQ(o.unregister, k.unregister);
    EXPECT_EQ(o.templatePath, k.templatePath);
    EXPECT_EQ(o.unknown.size(), k.unknown);
  }
  EXPECT_TRUE(parseStartupOptions({"--version"}).version);
  EXPECT_TRUE(parseStartupOptions({"--help"}).help);
}

TEST(StartupTest, RegisterWritesThreeValuesUnregisterRemovesThemButKeepsTheInstallation) {
  TempFolder dir;
  Registry reg(dir / "registry.ini");
  reg.setString(RegistryRoot::ClassesRoot, "Q4.Application\\Gemmested", "", "/opt/q4/Lager");
  registerTemplateType(reg, "/opt/q4/q4");
  EXPECT_EQ(reg.readString(RegistryRoot::ClassesRoot, "q4.application\\DefaultIcon"), "/opt/q4/q4");
  EXPECT_EQ(reg.readString(RegistryRoot::ClassesRoot, ".skb"), "/opt/q4/q4");
  EXPECT_EQ(reg.readString(RegistryRoot::ClassesRoot, "Q4.Document.1\\DefaultIcon"), "/opt/q4/q4,1");

  unregisterTemplateType(reg);
  for (const char* key : {"Q4.Application\\DefaultIcon", "Q4.Document.1\\DefaultIcon",
                          "Q4.Document.1", ".skb"})
    EXPECT_EQ(reg.openKey(RegistryRoot::ClassesRoot, key), Registry::NotFound) << key;
  // The installation's folders under Q4.Application stay for the next start.
  EXPECT_EQ(reg.readString(RegistryRoot::ClassesRoot, "Q4.Application\\Gemmested"),
            "/opt/q4/Lager");

  // Without anything else below it, Q4.Application goes too.
  reg.deleteKey(RegistryRoot::ClassesRoot, "Q4.Application\\Gemmested");
  unregisterTemplateType(reg);
  EXPECT_EQ(reg.openKey(RegistryRoot::ClassesRoot, "Q4.Application"), Registry::NotFound);
}

}  // namespace
}  // namespace vorkel
