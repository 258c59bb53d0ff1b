#include "TempFolder.h"
#include "sound/SoundDialogRules.h"

#include <gtest/gtest.h>

namespace tessaron {
namespace {

TEST(SoundDialogRows, ColourAndButtonsFollowTheFieldText)
{
    TempFolder folder;
    const std::string saved = folder.Write("saved.wav");
    const std::string builtin = folder.Write("builtin.mid");
    const std::string other = folder.Write("other.mp3");

    const SoundRowState unchanged = EvaluateSoundRow(saved, saved, builtin);
    EXPECT_EQ(unchanged.Label, SettingMark::Normal);
    EXPECT_TRUE(unchanged.PlayEnabled && unchanged.BuiltinEnabled);
    EXPECT_FALSE(unchanged.RestoreEnabled);

    const SoundRowState valid = EvaluateSoundRow(other, saved, builtin);
    EXPECT_EQ(valid.Label, SettingMark::Changed);
    EXPECT_TRUE(valid.PlayEnabled && valid.RestoreEnabled);

    const SoundRowState cleared = EvaluateSoundRow("", saved, builtin);
    EXPECT_EQ(cleared.Label, SettingMark::Changed); // no sound is a valid choice
    EXPECT_FALSE(cleared.PlayEnabled);

    const SoundRowState missing = EvaluateSoundRow(saved + "x", saved, builtin);
    EXPECT_EQ(missing.Label, SettingMark::Invalid);
    EXPECT_FALSE(missing.PlayEnabled);

    EXPECT_FALSE(EvaluateSoundRow(builtin, saved, builtin).BuiltinEnabled);
    // A saved path that no longer exists still shows normal while unchanged.
    EXPECT_EQ(EvaluateSoundRow("gone.wav", "gone.wav", builtin).Label, SettingMark::Normal);
}

} // namespace
} // namespace tessaron
