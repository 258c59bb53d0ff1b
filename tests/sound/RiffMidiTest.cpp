#include "MidiSamples.h"
#include "sound/RiffMidi.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tessaron {
namespace {

// Whether bytes are MIDI is decided by the bytes, whatever the file's name says; only
// what is no MIDI at all is refused. The synthesiser gets the header and the complete
// tracks alone, as it cannot skip anything else.
TEST(PlayableMidi, PlainAndWrappedMidiArePlayableAndAllElseRefused)
{
    const std::string midi = TinyMidiFile();
    const std::string header = midi.substr(0, 14);
    const std::string otherChunk("XFIH\0\0\0\x02" "ab", 10);
    const std::string trackCutShort("MTrk\0\0\0\x10" "ab", 10);
    std::string twoTracksClaimed = midi;
    twoTracksClaimed[11] = '\x02';
    std::string longHeader = midi;
    longHeader[7] = '\x40'; // a header claiming more bytes than the file holds
    const std::string wrapped = WrapInRiffMidi(midi);
    std::string dataPastTheEnd = wrapped;
    dataPastTheEnd.replace(16, 4, "\xFF\xFF\xFF\x7F");
    struct Case {
        const char* What;
        std::string Bytes;
        std::optional<std::string> Playable;
    };
    const Case cases[] = {
        {"plain", midi, midi},
        {"wrapped", wrapped, midi},
        // An odd-sized chunk ahead of "data" is skipped with its pad byte.
        {"wrapped behind an odd chunk", WrapInRiffMidi(midi, std::string("LIST\x03\0\0\0abc\0", 12)), midi},
        {"another chunk before the track", header + otherChunk + midi.substr(14), midi},
        {"the same wrapped", WrapInRiffMidi(header + otherChunk + midi.substr(14)), midi},
        {"a second track cut short", twoTracksClaimed + trackCutShort, midi},
        {"header alone", "MThd is not enough", std::nullopt},
        {"header without a track", header, std::nullopt},
        {"only track cut short", midi.substr(0, midi.size() - 1), std::nullopt},
        {"other chunk cut short", header + otherChunk.substr(0, 9), std::nullopt},
        {"header longer than the file", longHeader, std::nullopt},
        {"wrapped bytes that are no MIDI", WrapInRiffMidi("no MIDI at all"), std::nullopt},
        {"wrapped data cut short", wrapped.substr(0, wrapped.size() - 1), std::nullopt},
        {"wrapped data size past the end", dataPastTheEnd, std::nullopt},
        {"container without data", std::string("RIFF\x04\0\0\0RMID", 12), std::nullopt},
        {"a wave file", std::string("RIFF\x04\0\0\0WAVE", 12), std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlayableMidiFile(c.Bytes), c.Playable) << c.What;
}

} // namespace
} // namespace tessaron
