#include "DefaultSounds.h"

#include "WaveWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <utility>

namespace tessaron::sounds {
namespace {

constexpr double Pi = 3.14159265358979323846;

double MidiPitch(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

struct Partial {
    double Ratio;     // of the fundamental
    double Level;
    double DecayTime; // seconds until the partial falls to 1/e
};

// A buffer the instruments below are mixed into.
class Track {
public:
    explicit Track(double seconds) : samples_(std::size_t(seconds * SampleRate), 0.0) {}

    // A short knock of a hard wooden body: inharmonic partials that die within
    // milliseconds, led by a brief burst of softened noise.
    void AddWoodClick(double at, double pitch, double level)
    {
        AddPartials(at, pitch, 0.12, level, 0.001, {{1.0, 1.0, 0.030}, {2.57, 0.35, 0.016}, {4.18, 0.15, 0.009}});
        std::uint32_t seed = 0x2545F491u ^ std::uint32_t(pitch * 1000);
        double smoothed = 0.0;
        const std::size_t start = Index(at);
        const std::size_t length = std::size_t(0.004 * SampleRate);
        for (std::size_t i = 0; i < length && start + i < samples_.size(); ++i) {
            seed = seed * 1664525u + 1013904223u; // a fixed sequence keeps the output reproducible
            const double noise = (double(seed >> 8) / double(1u << 24)) * 2.0 - 1.0;
            smoothed += 0.35 * (noise - smoothed);
            samples_[start + i] += 0.3 * level * smoothed * (1.0 - double(i) / double(length));
        }
    }

    // A small bell: nearly harmonic partials, the upper ones fading first.
    void AddChime(double at, double pitch, double level)
    {
        AddPartials(at, pitch, 1.6, level, 0.003,
                    {{1.0, 1.0, 0.80}, {2.0, 0.40, 0.45}, {3.0, 0.18, 0.25}, {4.16, 0.10, 0.12}});
    }

    // A bright brass-like note for fanfares.
    void AddHornNote(double at, double pitch, double duration, double level)
    {
        AddHeld(at, pitch, duration, level, 0.025, 1.4, {1.0, 0.55, 0.38, 0.22, 0.14, 0.08});
    }

    // A soft, round note for the sad motif.
    void AddSoftNote(double at, double pitch, double duration, double level)
    {
        AddHeld(at, pitch, duration, level, 0.030, 0.9, {1.0, 0.22, 0.06});
    }

    // Scales the sound to the given peak and fades out the last milliseconds.
    std::vector<double> Finish(double peak)
    {
        double highest = 0.0;
        for (double s : samples_)
            highest = std::max(highest, std::abs(s));
        const double gain = highest > 0.0 ? peak / highest : 0.0;
        const std::size_t fade = std::min<std::size_t>(samples_.size(), std::size_t(0.010 * SampleRate));
        for (std::size_t i = 0; i < samples_.size(); ++i) {
            const std::size_t fromEnd = samples_.size() - i;
            const double envelope = fromEnd < fade ? double(fromEnd) / double(fade) : 1.0;
            samples_[i] *= gain * envelope;
        }
        return samples_;
    }

private:
    std::size_t Index(double seconds) const { return std::size_t(seconds * SampleRate); }

    void AddPartials(double at, double pitch, double length, double level, double attack,
                     std::initializer_list<Partial> partials)
    {
        const std::size_t start = Index(at);
        const std::size_t count = Index(length);
        for (std::size_t i = 0; i < count && start + i < samples_.size(); ++i) {
            const double t = double(i) / SampleRate;
            const double rise = std::min(1.0, t / attack);
            double sum = 0.0;
            for (const Partial& p : partials)
                sum += p.Level * std::exp(-t / p.DecayTime) * std::sin(2.0 * Pi * pitch * p.Ratio * t);
            samples_[start + i] += level * rise * sum;
        }
    }

    void AddHeld(double at, double pitch, double duration, double level, double attack, double decayTime,
                 std::initializer_list<double> harmonics)
    {
        constexpr double release = 0.08;
        const std::size_t start = Index(at);
        const std::size_t count = Index(duration + release);
        for (std::size_t i = 0; i < count && start + i < samples_.size(); ++i) {
            const double t = double(i) / SampleRate;
            double envelope = std::min(1.0, t / attack) * std::exp(-t / decayTime);
            if (t > duration)
                envelope *= 1.0 - (t - duration) / release;
            double sum = 0.0;
            int k = 1;
            for (double harmonic : harmonics)
                sum += harmonic * std::sin(2.0 * Pi * pitch * k++ * t);
            samples_[start + i] += level * envelope * sum;
        }
    }

    std::vector<double> samples_;
};

} // namespace

std::vector<double> DefaultSound(int soundId)
{
    switch (soundId) {
    case 0: { // tile locked: two dull knocks
        Track track(0.20);
        track.AddWoodClick(0.00, 190, 1.0);
        track.AddWoodClick(0.07, 150, 0.8);
        return track.Finish(0.45);
    }
    case 1: { // tile selected: one light knock
        Track track(0.12);
        track.AddWoodClick(0.00, 560, 1.0);
        return track.Finish(0.50);
    }
    case 2: { // tile removal: a falling pair of knocks
        Track track(0.22);
        track.AddWoodClick(0.00, 660, 1.0);
        track.AddWoodClick(0.06, 440, 0.9);
        return track.Finish(0.50);
    }
    case 3: { // tile insertion: a rising pair of knocks
        Track track(0.22);
        track.AddWoodClick(0.00, 440, 0.9);
        track.AddWoodClick(0.06, 660, 1.0);
        return track.Finish(0.50);
    }
    case 4: { // new game: a gentle rising chime
        Track track(1.40);
        for (auto [at, note] : {std::pair{0.00, 84}, {0.12, 88}, {0.24, 91}})
            track.AddChime(at, MidiPitch(note), 1.0);
        return track.Finish(0.60);
    }
    case 5: { // game lost: a falling minor motif
        Track track(1.30);
        track.AddSoftNote(0.00, MidiPitch(67), 0.25, 1.0);
        track.AddSoftNote(0.28, MidiPitch(63), 0.25, 0.9);
        track.AddSoftNote(0.56, MidiPitch(60), 0.60, 0.85);
        // Held notes carry more energy than the chimes and fanfares at the same peak, so
        // this peak is lower to match their loudness.
        return track.Finish(0.38);
    }
    case 6: { // game won: a fanfare arpeggio
        Track track(1.15);
        for (auto [at, note] : {std::pair{0.00, 72}, {0.12, 76}, {0.24, 79}})
            track.AddHornNote(at, MidiPitch(note), 0.11, 1.0);
        track.AddHornNote(0.36, MidiPitch(84), 0.65, 1.0);
        return track.Finish(0.60);
    }
    case 7: { // restart game: two chimes, up a fourth
        Track track(0.95);
        track.AddChime(0.00, MidiPitch(79), 1.0);
        track.AddChime(0.10, MidiPitch(84), 1.0);
        return track.Finish(0.55);
    }
    case 8: { // hall of fame: a longer fanfare that ends on a full chord
        Track track(1.65);
        for (auto [at, note] : {std::pair{0.00, 67}, {0.10, 72}, {0.20, 76}, {0.30, 79}})
            track.AddHornNote(at, MidiPitch(note), 0.09, 1.0);
        for (int note : {72, 76, 79, 84})
            track.AddHornNote(0.45, MidiPitch(note), 1.0, 0.7);
        return track.Finish(0.65);
    }
    case 9: { // replay game: chimes that turn back and rise again
        Track track(1.15);
        for (auto [at, note] : {std::pair{0.00, 88}, {0.09, 84}, {0.18, 79}, {0.32, 84}})
            track.AddChime(at, MidiPitch(note), 1.0);
        return track.Finish(0.55);
    }
    default:
        throw std::out_of_range("no such sound");
    }
}

} // namespace tessaron::sounds
