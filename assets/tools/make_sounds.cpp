// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
// Writes Ixo's own sounds into a folder: the alarm "ding.wav", the chime "didi.snd" and the fallback tune
// "air.mid". Everything is synthesized here from a few lines of arithmetic, so the build needs no sound files and
// produces the same bytes every time.
//
//   make_sounds OUTPUT_FOLDER

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <system_error>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kSampleRate = 44100;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

// ---------------------------------------------------------------------------------------------------------------
// Little-endian and big-endian byte writers.

void putLe(Bytes& out, std::uint32_t value, int width)
{
    for (int i = 0; i < width; ++i)
        out.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFFu));
}

void putBe(Bytes& out, std::uint32_t value, int width)
{
    for (int i = width - 1; i >= 0; --i)
        out.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFFu));
}

void putText(Bytes& out, const char* text)
{
    for (; *text != '\0'; ++text)
        out.push_back(static_cast<std::uint8_t>(*text));
}

// ---------------------------------------------------------------------------------------------------------------
// Wave sounds.

// One sine component that rings down exponentially from its strike.
struct Partial
{
    double frequency; // Hz
    double amplitude; // relative
    double decay;     // seconds for the amplitude to fall to 1/e
    double phase;     // radians at the strike
};

// Adds the partials, struck at `start` seconds, into `mix`.
void strike(std::vector<double>& mix, double start, const std::vector<Partial>& partials)
{
    const auto first = static_cast<std::size_t>(std::lround(start * kSampleRate));
    for (std::size_t n = first; n < mix.size(); ++n) {
        const double t = static_cast<double>(n - first) / kSampleRate;
        double sample = 0.0;
        for (const Partial& p : partials)
            sample += p.amplitude * std::exp(-t / p.decay) * std::sin(kTwoPi * p.frequency * t + p.phase);
        // A 3 ms raised-cosine attack keeps the strike free of a click.
        constexpr double attack = 0.003;
        if (t < attack)
            sample *= 0.5 - 0.5 * std::cos(std::numbers::pi * t / attack);
        mix[n] += sample;
    }
}

// Brings the loudest sample to `peak` (a fraction of full scale), fades the last `release` seconds to silence and
// converts to 16-bit samples.
std::vector<std::int16_t> finish(std::vector<double> mix, double peak, double release)
{
    double loudest = 0.0;
    for (const double s : mix)
        loudest = std::max(loudest, std::abs(s));
    const double gain = loudest > 0.0 ? peak / loudest : 0.0;
    const auto fade = static_cast<std::size_t>(std::lround(release * kSampleRate));
    std::vector<std::int16_t> pcm(mix.size());
    for (std::size_t n = 0; n < mix.size(); ++n) {
        double s = mix[n] * gain;
        const std::size_t left = mix.size() - 1 - n;
        if (left < fade)
            s *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(left) / static_cast<double>(fade));
        pcm[n] = static_cast<std::int16_t>(std::clamp(std::lround(s * 32767.0), -32767L, 32767L));
    }
    return pcm;
}

// A canonical RIFF/WAVE file: one "fmt " chunk (PCM, mono, 16 bits, 44.1 kHz) and one "data" chunk.
Bytes waveFile(const std::vector<std::int16_t>& pcm)
{
    constexpr std::uint32_t channels = 1;
    constexpr std::uint32_t bitsPerSample = 16;
    constexpr std::uint32_t blockAlign = channels * bitsPerSample / 8;
    const auto dataBytes = static_cast<std::uint32_t>(pcm.size() * blockAlign);

    Bytes out;
    out.reserve(44 + dataBytes);
    putText(out, "RIFF");
    putLe(out, 36 + dataBytes, 4);
    putText(out, "WAVE");
    putText(out, "fmt ");
    putLe(out, 16, 4);
    putLe(out, 1, 2); // PCM
    putLe(out, channels, 2);
    putLe(out, kSampleRate, 4);
    putLe(out, kSampleRate * blockAlign, 4);
    putLe(out, blockAlign, 2);
    putLe(out, bitsPerSample, 2);
    putText(out, "data");
    putLe(out, dataBytes, 4);
    for (const std::int16_t s : pcm)
        putLe(out, static_cast<std::uint16_t>(s), 2);
    return out;
}

// The alarm: a small hand bell struck once. Bell partials are not harmonic; these ratios (hum, prime, minor-third
// tierce, quint, nominal and a few upper ones) give the familiar bell colour, and the higher ones die away first.
// The prime is split in two close components so the ring has a slow shimmer.
Bytes ding()
{
    constexpr double prime = 880.0;
    const std::vector<Partial> bell{
        {prime * 0.500, 0.22, 1.10, 0.0}, {prime * 1.000, 0.80, 0.85, 0.0}, {prime * 1.0016, 0.25, 0.80, 1.3},
        {prime * 1.183, 0.42, 0.55, 0.4}, {prime * 1.506, 0.26, 0.42, 2.1}, {prime * 2.000, 0.55, 0.45, 0.9},
        {prime * 2.514, 0.22, 0.28, 2.7}, {prime * 2.662, 0.17, 0.24, 1.8}, {prime * 3.011, 0.15, 0.19, 0.3},
        {prime * 4.166, 0.08, 0.10, 1.1}, {prime * 5.433, 0.05, 0.06, 2.4},
    };
    std::vector<double> mix(static_cast<std::size_t>(1.5 * kSampleRate), 0.0);
    strike(mix, 0.0, bell);
    return waveFile(finish(std::move(mix), 0.70, 0.080));
}

// The chime: two struck tones a major third apart, high then low ("di-di").
Bytes didi()
{
    const auto tone = [](double f, double decay) {
        return std::vector<Partial>{
            {f, 1.00, decay, 0.0},
            {f * 2.000, 0.28, decay * 0.55, 0.7},
            {f * 3.000, 0.10, decay * 0.35, 1.9},
            {f * 4.160, 0.05, decay * 0.25, 2.6},
        };
    };
    std::vector<double> mix(static_cast<std::size_t>(0.6 * kSampleRate), 0.0);
    strike(mix, 0.00, tone(1318.51, 0.14)); // E6
    strike(mix, 0.20, tone(1046.50, 0.16)); // C6
    return waveFile(finish(std::move(mix), 0.65, 0.030));
}

// ---------------------------------------------------------------------------------------------------------------
// The tune: a Standard MIDI File, format 0 (one track holding every channel).

constexpr std::uint32_t kTicksPerQuarter = 480;
constexpr std::uint32_t kQuarter = kTicksPerQuarter;
constexpr std::uint32_t kEighth = kQuarter / 2;
constexpr std::uint32_t kBar = 4 * kQuarter;

struct MidiEvent
{
    std::uint32_t tick;
    int order; // at the same tick: set-up first, then note-offs, then note-ons
    Bytes bytes;
};

void putVarLen(Bytes& out, std::uint32_t value)
{
    std::array<std::uint8_t, 5> groups{};
    int count = 0;
    do {
        groups[static_cast<std::size_t>(count++)] = static_cast<std::uint8_t>(value & 0x7Fu);
        value >>= 7;
    } while (value != 0);
    while (count-- > 0)
        out.push_back(static_cast<std::uint8_t>(groups[static_cast<std::size_t>(count)] | (count > 0 ? 0x80u : 0u)));
}

class Track
{
public:
    void setup(Bytes bytes) { m_events.push_back({0, 0, std::move(bytes)}); }

    void note(int channel, std::uint32_t start, std::uint32_t length, int key, int velocity)
    {
        const auto ch = static_cast<std::uint8_t>(channel);
        const auto k = static_cast<std::uint8_t>(key);
        m_events.push_back({start, 2, {static_cast<std::uint8_t>(0x90u | ch), k, static_cast<std::uint8_t>(velocity)}});
        // Released a little before the next note so repeated keys are struck again cleanly.
        m_events.push_back({start + length - 10, 1, {static_cast<std::uint8_t>(0x80u | ch), k, 0x40}});
    }

    Bytes chunk(std::uint32_t endTick) const
    {
        std::vector<MidiEvent> events = m_events;
        std::stable_sort(events.begin(), events.end(), [](const MidiEvent& a, const MidiEvent& b) {
            return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
        });
        Bytes body;
        std::uint32_t now = 0;
        for (const MidiEvent& e : events) {
            putVarLen(body, e.tick - now);
            now = e.tick;
            body.insert(body.end(), e.bytes.begin(), e.bytes.end());
        }
        putVarLen(body, std::max(endTick, now) - now);
        body.insert(body.end(), {0xFF, 0x2F, 0x00}); // End of Track

        Bytes out;
        putText(out, "MTrk");
        putBe(out, static_cast<std::uint32_t>(body.size()), 4);
        out.insert(out.end(), body.begin(), body.end());
        return out;
    }

private:
    std::vector<MidiEvent> m_events;
};

Bytes air()
{
    constexpr int melody = 0; // channel of the tune: vibraphone
    constexpr int chords = 1; // channel of the accompaniment: piano
    Track track;
    Bytes name{0xFF, 0x03};
    const std::string title = "Ixo air";
    putVarLen(name, static_cast<std::uint32_t>(title.size()));
    name.insert(name.end(), title.begin(), title.end());
    track.setup(name);
    track.setup({0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20});       // 500000 us a quarter: 120 beats a minute
    track.setup({0xFF, 0x58, 0x04, 0x04, 0x02, 0x18, 0x08}); // 4/4
    track.setup({0xFF, 0x59, 0x02, 0x00, 0x00});             // C major
    track.setup({0xC0 | melody, 11});                        // General MIDI Vibraphone
    track.setup({0xC0 | chords, 0});                         // General MIDI Acoustic Grand Piano
    track.setup({0xB0 | melody, 7, 110});
    track.setup({0xB0 | chords, 7, 80});

    // The melody, one bar a line: {key, length in eighths}. C5 is key 72.
    struct Step
    {
        int key;
        std::uint32_t eighths;
    };
    const std::vector<std::vector<Step>> bars{
        {{76, 2}, {79, 2}, {84, 4}},          // E  G  C'
        {{83, 2}, {86, 1}, {83, 1}, {79, 4}}, // B  D' B  G
        {{81, 2}, {84, 2}, {83, 2}, {81, 2}}, // A  C' B  A
        {{81, 3}, {79, 1}, {77, 2}, {74, 2}}, // A. G  F  D
        {{76, 2}, {79, 2}, {84, 2}, {81, 2}}, // E  G  C' A
        {{79, 2}, {86, 2}, {83, 4}},          // G  D' B
        {{84, 8}},                            // C'
    };
    std::uint32_t at = 0;
    for (const auto& bar : bars) {
        for (const Step& s : bar) {
            track.note(melody, at, s.eighths * kEighth, s.key, 96);
            at += s.eighths * kEighth;
        }
    }

    // The accompaniment: a broken chord every half bar (root, fifth, third above, fifth), a held chord to close.
    const std::array<int, 3> C{48, 55, 64}, G{43, 50, 59}, Am{45, 52, 60}, F{41, 48, 57};
    const std::vector<std::array<int, 3>> halves{C, C, G, G, Am, Am, F, G, C, F, G, G};
    at = 0;
    for (const auto& chord : halves) {
        for (const int key : {chord[0], chord[1], chord[2], chord[1]}) {
            track.note(chords, at, kEighth, key, 64);
            at += kEighth;
        }
    }
    for (const int key : C)
        track.note(chords, at, kBar, key, 60);
    at += kBar;

    Bytes out;
    putText(out, "MThd");
    putBe(out, 6, 4);
    putBe(out, 0, 2); // format 0
    putBe(out, 1, 2); // one track
    putBe(out, kTicksPerQuarter, 2);
    const Bytes chunk = track.chunk(at + kQuarter / 2); // let the last chord ring a moment
    out.insert(out.end(), chunk.begin(), chunk.end());
    return out;
}

// ---------------------------------------------------------------------------------------------------------------

// Writes beside the target and renames over it, so a build never leaves half a file behind.
bool writeFile(const std::filesystem::path& path, const Bytes& bytes)
{
    std::filesystem::path temporary = path;
    temporary += ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::fprintf(stderr, "make_sounds: cannot write %s\n", temporary.c_str());
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::fprintf(stderr, "make_sounds: cannot rename %s: %s\n", temporary.c_str(), error.message().c_str());
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sounds OUTPUT_FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "make_sounds: cannot create %s: %s\n", folder.c_str(), error.message().c_str());
        return 1;
    }
    const bool ok = writeFile(folder / "ding.wav", ding()) && writeFile(folder / "didi.snd", didi()) &&
                    writeFile(folder / "air.mid", air());
    return ok ? 0 : 1;
}
