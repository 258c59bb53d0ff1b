#include "TempFolder.h"
#include "sound/SoundFontSearch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tessaron {
namespace {

// Every accepted package's font is found, ".sf2" or ".sf3"; the administrator's default
// wins over the others.
TEST(SoundFontSearch, FindsTheFontOfAnyPackageAndPrefersTheDefault)
{
    struct Case {
        std::vector<std::string> Installed;
        std::string Expected; // "" for none
    };
    const Case cases[] = {
        {{}, ""},
        {{"usr/share/sounds/sf2/TimGM6mb.sf2"}, "usr/share/sounds/sf2/TimGM6mb.sf2"},
        {{"usr/share/sounds/sf2/FluidR3_GM.sf2"}, "usr/share/sounds/sf2/FluidR3_GM.sf2"},
        {{"usr/share/sounds/sf3/MuseScore_General.sf3"}, "usr/share/sounds/sf3/MuseScore_General.sf3"},
        {{"etc/alternatives/default-GM.sf3"}, "etc/alternatives/default-GM.sf3"},
        {{"usr/share/sounds/sf2/TimGM6mb.sf2", "usr/share/sounds/sf3/default-GM.sf3"}, "usr/share/sounds/sf3/default-GM.sf3"},
        {{"usr/share/soundfonts/Unknown.SF2", "usr/share/soundfonts/readme.txt"}, "usr/share/soundfonts/Unknown.SF2"},
        {{"usr/share/sounds/sf3/readme.txt"}, ""},
    };
    for (const Case& c : cases) {
        TempFolder root;
        for (const std::string& file : c.Installed)
            root.Write(file);
        const std::string expected = c.Expected.empty() ? "" : (root.Path() / c.Expected).string();
        EXPECT_EQ(FindSoundFont(root.Path()), expected) << (c.Installed.empty() ? "nothing" : c.Installed.front());
    }
}

TEST(SoundFontSearch, AnAlternativeLeadingNowhereIsNoFont)
{
    TempFolder root;
    std::filesystem::create_directories(root.Path() / "usr/share/sounds/sf2");
    std::filesystem::create_symlink(root.Path() / "etc/alternatives/default-GM.sf2",
                                    root.Path() / "usr/share/sounds/sf2/default-GM.sf2");
    EXPECT_EQ(FindSoundFont(root.Path()), "");
}

} // namespace
} // namespace tessaron
