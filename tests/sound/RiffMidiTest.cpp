#include "MidiSamples.h"
#include "sound/RiffMidi.h"

#include <gtest/gtest.h>

namespace tessaron {
namespace {

TEST(RiffMidiContainer, DataChunkIsFoundBehindOtherChunks)
{
    const std::string midi = TinyMidiFile();
    // An odd-sized chunk before "data" must be skipped with its pad byte.
    const std::string rmi = WrapInRiffMidi(midi, std::string("LIST\x03\0\0\0abc\0", 12));
    const auto data = RiffMidiData(rmi);
    ASSERT_TRUE(data);
    EXPECT_EQ(*data, midi);
}

TEST(RiffMidiContainer, MalformedContainersAreRejected)
{
    const std::string rmi = WrapInRiffMidi(TinyMidiFile());
    EXPECT_FALSE(RiffMidiData(rmi.substr(0, rmi.size() - 1))); // data chunk cut short
    EXPECT_FALSE(RiffMidiData(TinyMidiFile()));                // a bare MIDI file
    std::string wave = rmi;
    wave.replace(8, 4, "WAVE");
    EXPECT_FALSE(RiffMidiData(wave));
    EXPECT_FALSE(RiffMidiData(std::string("RIFF\x04\0\0\0RMID", 12))); // no data chunk
    std::string huge = rmi;
    huge[16] = '\xFF', huge[17] = '\xFF', huge[18] = '\xFF', huge[19] = '\x7F'; // data size past the end
    EXPECT_FALSE(RiffMidiData(huge));
}

TEST(StandardMidiShape, HeaderAndACompleteTrackAreRequired)
{
    const std::string midi = TinyMidiFile();
    EXPECT_TRUE(IsStandardMidiFile(midi));
    EXPECT_FALSE(IsStandardMidiFile("MThd is not enough"));
    EXPECT_FALSE(IsStandardMidiFile(midi.substr(0, 14)));              // header without a track
    EXPECT_FALSE(IsStandardMidiFile(midi.substr(0, midi.size() - 1))); // track cut short
    EXPECT_FALSE(IsStandardMidiFile(WrapInRiffMidi(midi)));            // still wrapped
    std::string longHeader = midi;
    longHeader[7] = '\x40'; // a header claiming more bytes than the file holds
    EXPECT_FALSE(IsStandardMidiFile(longHeader));
}

} // namespace
} // namespace tessaron
