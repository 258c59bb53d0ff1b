#include "SoundTestBench.h"

#include <gtest/gtest.h>

namespace tessaron {
namespace {

// Only one sound plays: the second event's start stops the first, whatever path each took.
TEST(SoundPlayback, SecondEventStopsTheFirstOnEitherPath)
{
    for (const std::string first : {"one.wav", "one.mid"}) {
        for (const std::string second : {"two.wav", "two.mp3"}) {
            SoundTestBench bench;
            bench.Choose(SoundTileSelected, bench.UserSound(first));
            bench.Choose(SoundTileRemoval, bench.UserSound(second));
            auto player = bench.MakePlayer();
            player->SoundStart(SoundTileSelected);
            ASSERT_EQ(bench.Media.Audible, bench.UserSound(first));
            const std::size_t callsBefore = bench.Media.Calls.size();
            player->SoundStart(SoundTileRemoval);
            // The first is stopped on the path it took before the second starts.
            EXPECT_EQ(bench.Media.Calls.at(callsBefore), first.ends_with(".wav") ? "StopWaveFast" : "Close 1");
            EXPECT_EQ(bench.Media.Audible, bench.UserSound(second)) << first << " then " << second;
            EXPECT_EQ(bench.Media.OpenDeviceCount(), second.ends_with(".wav") ? 0u : 1u);
            EXPECT_TRUE(bench.Report.Box.Boxes.empty());
        }
    }
}

TEST(SoundPlayback, SwitchedOffGroupLeavesAPlayingSoundAlone)
{
    SoundTestBench bench;
    for (int n = 0; n < SoundCount; ++n)
        bench.Choose(n, bench.UserSound("event" + std::to_string(n) + ".mid"));
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

// ".wav" in any case; the option is the saved one, or while the dialog is open its unsaved
// check box. A refused fast start falls back to a device and counts as success.
TEST(SoundPlayback, OnlyWavTakesTheFastPathAndOnlyWhileTheOptionAllows)
{
    struct Case {
        const char* Name;
        bool Saved;
        int DialogBox; // -1: the dialog is closed
        bool Tried;
        bool Accepted = true;
    };
    for (const Case c : {Case{"a.wav", true, -1, true}, Case{"b.WAV", true, -1, true}, Case{"c.wAv", true, -1, true},
                         Case{"e.wave", true, -1, false}, Case{"f.mid", true, -1, false},
                         Case{"g.mp3", true, -1, false}, Case{"h.rmi", true, -1, false},
                         Case{"a.wav", false, -1, false}, Case{"a.wav", true, 0, false}, Case{"a.wav", false, 1, true},
                         Case{"a.wav", true, -1, true, false}}) {
        SoundTestBench bench;
        bench.Media.AcceptFastStart = c.Accepted;
        if (!c.Saved) bench.Store.Write("Sound", "UsePlaySound", "0");
        auto player = bench.MakePlayer();
        player->SetDialogDisplayed(c.DialogBox >= 0);
        if (c.DialogBox >= 0) player->SetDialogUsePlaySound(c.DialogBox == 1);
        const std::string file = bench.UserSound(c.Name);
        EXPECT_TRUE(player->SoundStartFilePath(file));
        const bool fast = c.Tried && c.Accepted;
        EXPECT_EQ(player->PlaySoundActive(), fast) << c.Name << c.Saved << c.DialogBox << c.Accepted;
        EXPECT_EQ(bench.Media.Calls.front().starts_with("PlayWaveFast"), c.Tried) << c.Name;
        EXPECT_EQ(bench.Media.Audible, file) << c.Name;
        EXPECT_TRUE(bench.Report.Box.Boxes.empty());
    }
}

// An event whose file cannot be opened is reported. It and an event without a file stop
// the previous sound, then stay silent, leaving any sound alone, until a changed file is
// saved. An audio system that cannot start says nothing and blames no file: the event
// plays at a later occasion, once the layer finds audio again.
TEST(SoundPlayback, FailedOrEmptyEventStaysSilentUntilAChangedFileIsSavedButMissingAudioIsTriedAgain)
{
    struct Case {
        const char* File;
        std::uint32_t OpenError;
        bool Reported;
        bool Failed;
    };
    for (const Case c : {Case{"broken.mp3", MediaFormatUndecodable, true, true},
                         Case{"start.mid", MediaAudioUnavailable, false, false}, Case{"-", MediaOk, false, true}}) {
        SoundTestBench bench;
        const std::string file = c.File == std::string("-") ? "-" : bench.UserSound(c.File);
        bench.Choose(SoundGameLost, file);
        bench.Media.OpenError = c.OpenError;
        auto player = bench.MakePlayer();
        player->SoundStartFilePath(bench.UserSound("before.wav"));
        player->SoundStart(SoundGameLost);
        EXPECT_FALSE(bench.Media.Audible) << c.File;
        const std::vector<std::string> shown(c.Reported ? 1 : 0, "frmSound.SoundStartFilePath (Open)");
        EXPECT_EQ(bench.Report.Titles(), shown) << c.File;
        EXPECT_EQ(bench.Report.Box.Beeps, int(shown.size())); // a report beeps as it shows
        EXPECT_EQ(player->SoundStartFailed(SoundGameLost), c.Failed) << c.File;

        bench.Media.OpenError = MediaOk;
        player->SoundStartFilePath(bench.UserSound("other.wav"));
        SoundFilePathes fields = player->FilePathes();
        player->SaveFilePathes(fields); // nothing changed
        player->SoundStart(SoundGameLost);
        EXPECT_EQ(bench.Media.Audible, c.Failed ? bench.UserSound("other.wav") : file) << c.File;

        fields[SoundGameLost] = bench.UserSound("better.mid");
        player->SaveFilePathes(fields);
        player->SoundStart(SoundGameLost);
        EXPECT_EQ(bench.Media.Audible, bench.UserSound("better.mid")) << c.File;
        EXPECT_EQ(bench.Report.Titles(), shown) << c.File;
    }
}

// A code the layer has no text for falls back to the game's own, in its language.
TEST(SoundPlayback, CloseFailureIsReportedInUpperCaseHexAndTheDeviceForgottenForGood)
{
    SoundTestBench bench;
    bench.Media.ErrorTexts[0xBEEF] = "The device jammed.";
    auto player = bench.MakePlayer();
    player->SoundStartFilePath(bench.UserSound("a.mid"));
    bench.Media.CloseError = 0xBEEF;
    player->SoundStop();
    ASSERT_EQ(bench.Report.Titles(), std::vector<std::string>{"frmSound.SoundStop"});
    EXPECT_EQ(bench.Report.Box.Boxes[0].Text, "The device jammed. (0xBEEF)");
    EXPECT_EQ(player->MciDeviceID(), 0u);
    const auto calls = bench.Media.Calls;
    player->SoundStop(); // nothing left to stop
    EXPECT_EQ(bench.Media.Calls, calls);
    EXPECT_EQ(bench.Report.Box.Boxes.size(), 1u);

    EXPECT_EQ(player->MciErrorText(277), "MCI-Error (0x115)");
    bench.Texts.SaveLocale(1);
    EXPECT_EQ(player->MciErrorText(0xABC), "MCI-Fehler (0xABC)");
}

TEST(SoundPlayback, PlayErrorsAreQuietOrShownByTheirCode)
{
    struct Case {
        std::uint32_t Code;
        bool DialogDisplayed;
        bool Shown;
    };
    for (const Case c : {Case{MediaDeviceNotOpen, true, false}, Case{MediaOutputUnsuitable, true, false},
                         Case{MediaOutputsBusy, false, false}, Case{MediaOutputsBusy, true, true},
                         Case{MediaFileUnreadable, false, true}}) {
        SoundTestBench bench;
        bench.Media.PlayError = c.Code;
        auto player = bench.MakePlayer();
        player->SetDialogDisplayed(c.DialogDisplayed);
        EXPECT_FALSE(player->SoundStartFilePath(bench.UserSound("a.mid")));
        const std::vector<std::string> shown(c.Shown ? 1 : 0, "frmSound.SoundStartFilePath (Play)");
        EXPECT_EQ(bench.Report.Titles(), shown) << c.Code;
        EXPECT_EQ(bench.Media.OpenDeviceCount(), 0u); // the device opened for it was closed again
    }
}

TEST(SoundPlayback, EventOutsideTheTableIsReported)
{
    SoundTestBench bench;
    bench.MakePlayer()->SoundStart(10);
    EXPECT_EQ(bench.Report.Titles(), std::vector<std::string>{"frmSound.SoundStart"});
    EXPECT_TRUE(bench.Media.Calls.empty());
}

} // namespace
} // namespace tessaron
