#include "shell/StringTable.h"

#include "shell/FormatPatterns.h"

#include <gtest/gtest.h>

#include <set>

namespace tessaron {
namespace {

TEST(StringTable, EveryTextExistsInBothLanguagesAtTheSameOffset)
{
    std::set<int> english;
    std::set<int> german;
    for (const ResourceEntry& entry : AllResourceStrings()) {
        ASSERT_GE(entry.Id, EnglishStringBase);
        (entry.Id < GermanStringBase ? english : german).insert(entry.Id % 1024);
        EXPECT_FALSE(entry.Text.empty()) << entry.Id;
    }
    EXPECT_EQ(english, german);
    EXPECT_GE(english.size(), 80u);
}

TEST(StringTable, LooksUpByIdAndKnowsNothingElse)
{
    EXPECT_EQ(ResourceString(1024 + 290), "0\" of 144\"");
    EXPECT_EQ(FormatNumber(144, std::string(*ResourceString(2048 + 290))), "144 von 144");
    EXPECT_EQ(ResourceString(2048 + 241), "Über...");
    EXPECT_FALSE(ResourceString(1023));
    EXPECT_FALSE(ResourceString(1024 + 999));
}

} // namespace
} // namespace tessaron
