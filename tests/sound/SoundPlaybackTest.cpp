#include "SoundTestBench.h"

#include <gtest/gtest.h>

namespace tessaron {
namespace {

class SoundPlayback : public ::testing::Test {
protected:
    void Choose(int soundId, const std::string& path) { bench.Store.Write("Sound", "FilePath" + std::to_string(soundId), path); }

    SoundTestBench bench;
};

// Only one sound plays: the second event's start stops the first, whatever path each took.
TEST_F(SoundPlayback, SecondEventStopsTheFirstOnEitherPath)
{
    const std::string names[] = {"one.wav", "one.mid", "two.wav", "two.mp3"};
    for (const std::string& first : {names[0], names[1]}) {
        for (const std::string& second : {names[2], names[3]}) {
            SoundTestBench local;
            local.Store.Write("Sound", "FilePath1", local.UserSound(first));
            local.Store.Write("Sound", "FilePath2", local.UserSound(second));
            auto player = local.MakePlayer();
            player->SoundStart(SoundTileSelected);
            ASSERT_EQ(local.Media.Audible, local.UserSound(first));
            player->SoundStart(SoundTileRemoval);
            EXPECT_EQ(local.Media.Audible, local.UserSound(second)) << first << " then " << second;
            EXPECT_EQ(local.Media.OpenDeviceCount(), second.ends_with(".wav") ? 0u : 1u);
            EXPECT_TRUE(local.Report.Box.Boxes.empty());
        }
    }
}

TEST_F(SoundPlayback, SwitchedOffGroupLeavesAPlayingSoundAlone)
{
    for (int n = 0; n < SoundCount; ++n)
        Choose(n, bench.UserSound("event" + std::to_string(n) + ".mid"));
    bench.Store.Write("Sound", "SoundActiveTile", "0");
    auto player = bench.MakePlayer();
    player->SoundStart(SoundNewGame);
    const auto callsBefore = bench.Media.Calls;
    for (int n = 0; n <= 3; ++n)
        player->SoundStart(n);
    EXPECT_EQ(bench.Media.Calls, callsBefore);
    EXPECT_EQ(bench.Media.Audible, bench.UserSound("event4.mid"));

    player->SaveOptions(false, true, true);
    player->SoundStart(SoundTileLocked);
    const auto callsAfterTile = bench.Media.Calls;
    for (int n = 4; n <= 9; ++n)
        player->SoundStart(n);
    EXPECT_EQ(bench.Media.Calls, callsAfterTile);
    EXPECT_EQ(bench.Media.Audible, bench.UserSound("event0.mid"));
}

// Only a ".wav" name, in any case, takes the fast start, and only while the option allows
// it: the saved one, or while the dialog is open its unsaved check box.
TEST_F(SoundPlayback, OnlyWavTakesTheFastPathAndOnlyWhileTheOptionAllows)
{
    struct Case {
        const char* Name;
        bool Saved;
        int DialogBox; // -1: the dialog is closed
        bool Fast;
    };
    for (const Case c : {Case{"a.wav", true, -1, true}, Case{"b.WAV", true, -1, true}, Case{"c.wAv", true, -1, true},
                         Case{"e.wave", true, -1, false}, Case{"f.mid", true, -1, false}, Case{"g.mp3", true, -1, false},
                         Case{"h.rmi", true, -1, false}, Case{"a.wav", false, -1, false}, Case{"a.wav", true, 0, false},
                         Case{"a.wav", false, 1, true}}) {
        SoundTestBench local;
        if (!c.Saved) local.Store.Write("Sound", "UsePlaySound", "0");
        auto player = local.MakePlayer();
        player->SetDialogDisplayed(c.DialogBox >= 0);
        if (c.DialogBox >= 0) player->SetDialogUsePlaySound(c.DialogBox == 1);
        EXPECT_TRUE(player->SoundStartFilePath(local.UserSound(c.Name)));
        EXPECT_EQ(player->PlaySoundActive(), c.Fast) << c.Name << c.Saved << c.DialogBox;
        EXPECT_EQ(local.Media.Calls.front().starts_with("PlayWaveFast"), c.Fast) << c.Name;
        EXPECT_EQ(player->MciDeviceID() != 0u, !c.Fast) << c.Name;
    }
}

TEST_F(SoundPlayback, RefusedFastStartFallsBackToTheDeviceAndCountsAsSuccess)
{
    Choose(1, bench.UserSound("click.wav"));
    bench.Media.AcceptFastStart = false;
    auto player = bench.MakePlayer();
    player->SoundStart(SoundTileSelected);
    const std::string file = bench.UserSound("click.wav");
    EXPECT_EQ(bench.Media.Calls, (std::vector<std::string>{"PlayWaveFast " + file, "Open " + file, "Play 1"}));
    EXPECT_FALSE(player->SoundStartFailed(SoundTileSelected));
    EXPECT_FALSE(player->PlaySoundActive());
    EXPECT_TRUE(bench.Report.Box.Boxes.empty());
}

TEST_F(SoundPlayback, FailedEventStaysSilentUntilAChangedFileIsSaved)
{
    const std::string broken = bench.UserSound("broken.mp3");
    Choose(SoundGameLost, broken);
    bench.Media.OpenError = MediaFormatUndecodable;
    auto player = bench.MakePlayer();
    player->SoundStart(SoundGameLost);
    ASSERT_EQ(bench.Report.Box.Boxes.size(), 1u);
    EXPECT_EQ(bench.Report.Box.Boxes[0].Title, "frmSound.SoundStartFilePath (Open)");
    EXPECT_TRUE(player->SoundStartFailed(SoundGameLost));

    bench.Media.OpenError = MediaOk;
    bench.Media.Calls.clear();
    player->SoundStart(SoundGameLost);
    SoundFilePathes fields = player->FilePathes();
    player->SaveFilePathes(fields); // nothing changed: still failed
    player->SoundStart(SoundGameLost);
    EXPECT_TRUE(bench.Media.Calls.empty());

    fields[SoundGameLost] = bench.UserSound("better.mid");
    player->SaveFilePathes(fields);
    player->SoundStart(SoundGameLost);
    EXPECT_EQ(bench.Media.Audible, bench.UserSound("better.mid"));
    EXPECT_EQ(bench.Report.Box.Boxes.size(), 1u);
}

// An audio system that cannot start says nothing and blames no file: the event plays at a
// later occasion, once the layer finds audio again.
TEST_F(SoundPlayback, NoAudioDeviceOnOpenIsSilentAndTheEventIsTriedAgain)
{
    const std::string start = bench.UserSound("start.mid");
    Choose(SoundNewGame, start);
    bench.Media.OpenError = MediaAudioUnavailable;
    auto player = bench.MakePlayer();
    player->SoundStart(SoundNewGame);
    EXPECT_TRUE(bench.Report.Box.Boxes.empty());
    EXPECT_EQ(bench.Report.Box.Beeps, 0);
    EXPECT_FALSE(bench.Media.Audible);

    bench.Media.OpenError = MediaOk;
    player->SoundStart(SoundNewGame);
    EXPECT_EQ(bench.Media.Audible, start);
}

TEST_F(SoundPlayback, CloseFailureIsReportedInUpperCaseHexAndTheDeviceForgottenForGood)
{
    bench.Media.ErrorTexts[0xBEEF] = "The device jammed.";
    auto player = bench.MakePlayer();
    player->SoundStartFilePath(bench.UserSound("a.mid"));
    bench.Media.CloseError = 0xBEEF;
    player->SoundStop();
    ASSERT_EQ(bench.Report.Box.Boxes.size(), 1u);
    EXPECT_EQ(bench.Report.Box.Boxes[0].Title, "frmSound.SoundStop");
    EXPECT_EQ(bench.Report.Box.Boxes[0].Text, "The device jammed. (0xBEEF)");
    EXPECT_EQ(player->MciDeviceID(), 0u);
    const auto calls = bench.Media.Calls;
    player->SoundStop(); // nothing left to stop
    EXPECT_EQ(bench.Media.Calls, calls);
    EXPECT_EQ(bench.Report.Box.Boxes.size(), 1u);
}

TEST_F(SoundPlayback, UnknownCodeFallsBackToTheLocalisedText)
{
    auto player = bench.MakePlayer();
    EXPECT_EQ(player->MciErrorText(277), "MCI-Error (0x115)");
    bench.Texts.SaveLocale(1);
    EXPECT_EQ(player->MciErrorText(0xABC), "MCI-Fehler (0xABC)");
}

TEST_F(SoundPlayback, PlayErrorsAreQuietOrShownByTheirCode)
{
    struct Case {
        std::uint32_t Code;
        bool DialogDisplayed;
        bool Shown;
    };
    for (const Case c : {Case{MediaDeviceNotOpen, true, false}, Case{MediaOutputUnsuitable, true, false},
                         Case{MediaOutputsBusy, false, false}, Case{MediaOutputsBusy, true, true},
                         Case{MediaFileUnreadable, false, true}}) {
        SoundTestBench local;
        local.Media.PlayError = c.Code;
        auto player = local.MakePlayer();
        player->SetDialogDisplayed(c.DialogDisplayed);
        EXPECT_FALSE(player->SoundStartFilePath(local.UserSound("a.mid")));
        EXPECT_EQ(local.Report.Box.Boxes.size(), c.Shown ? 1u : 0u) << c.Code;
        if (c.Shown) {
            EXPECT_EQ(local.Report.Box.Boxes[0].Title, "frmSound.SoundStartFilePath (Play)");
        }
        EXPECT_EQ(player->MciDeviceID(), 0u); // the device opened for it was closed again
        EXPECT_EQ(local.Media.OpenDeviceCount(), 0u);
    }
}

TEST_F(SoundPlayback, EventWithoutFileStopsThePreviousSoundOnceThenNothing)
{
    Choose(SoundGameWon, "-");
    auto player = bench.MakePlayer();
    player->SoundStartFilePath(bench.UserSound("a.wav"));
    player->SoundStart(SoundGameWon);
    EXPECT_FALSE(bench.Media.Audible);
    EXPECT_TRUE(player->SoundStartFailed(SoundGameWon));
    player->SoundStartFilePath(bench.UserSound("b.wav"));
    player->SoundStart(SoundGameWon);
    EXPECT_EQ(bench.Media.Audible, bench.UserSound("b.wav"));
}

TEST_F(SoundPlayback, EventOutsideTheTableIsReported)
{
    auto player = bench.MakePlayer();
    player->SoundStart(10);
    ASSERT_EQ(bench.Report.Titles(), std::vector<std::string>{"frmSound.SoundStart"});
    EXPECT_TRUE(bench.Media.Calls.empty());
}

} // namespace
} // namespace tessaron
