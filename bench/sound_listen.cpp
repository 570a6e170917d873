// Listening to the game's sound files as the game plays them: every tune rendered with the real
// synthesiser, and a parade of every effect cut off at the game's fastest retriggers, written as
// WAV files with a waveform picture each, and measured (level, onset, spectrum, clicks).
//
// Usage: sound_listen [--out FOLDER] [--soundfont FILE.sf2] [--seconds N] [--folder GAME_FOLDER]
// FOLDER (default /tmp/grawn2-listen) gets tunes/NAME.wav|png, parade_0.1.wav|png, parade_0.5.wav|png.
#include "platform/audio/fluid_synth.hpp"
#include "platform/audio/midi_song.hpp"
#include "platform/audio/mixer.hpp"
#include "platform/audio/sound_file.hpp"
#include "platform/audio/soundfont_finder.hpp"
#include "platform/audio/tune_player.hpp"
#include "tools/loudness.hpp"

#include <cairo.h>
#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace platform;
namespace fs = std::filesystem;

constexpr std::size_t block_frames = 1024;
// The game's cuts: the flashback fires a shot every 0.1 s, the title's parade gives an animal 0.5 s.
constexpr double cuts[] = {0.1, 0.5};
constexpr int plays_per_effect = 3;

struct Options {
    fs::path out = "/tmp/grawn2-listen";
    fs::path folder;
    std::optional<fs::path> soundfont;
    double seconds = 20.0;
};

std::vector<float> mono_of(std::vector<float> const& stereo)
{
    std::vector<float> mono(stereo.size() / 2);
    for (std::size_t i = 0; i < mono.size(); ++i)
        mono[i] = 0.5f * (stereo[2 * i] + stereo[2 * i + 1]);
    return mono;
}

void put(std::ofstream& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void write_wav(fs::path const& path, std::vector<float> const& stereo)
{
    std::ofstream out(path, std::ios::binary);
    auto const data = static_cast<std::uint32_t>(stereo.size() * 2);
    out.write("RIFF", 4);
    put(out, 36 + data, 4);
    out.write("WAVEfmt ", 8);
    put(out, 16, 4);
    put(out, 1, 2);
    put(out, 2, 2);
    put(out, mix_rate, 4);
    put(out, mix_rate * 4, 4);
    put(out, 4, 2);
    put(out, 16, 2);
    out.write("data", 4);
    put(out, data, 4);
    for (float const sample : stereo)
        put(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f))), 2);
}

// A waveform picture: the envelope of each pixel's samples, a -6 dB line of the loudest, and
// red marks where something was started (a melody's first note, a retrigger).
void write_png(fs::path const& path, std::vector<float> const& mono, std::vector<double> const& marks, char const* title)
{
    int const width = 1600;
    int const height = 240;
    auto* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    auto* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    double const seconds = static_cast<double>(mono.size()) / mix_rate;
    // One second a grid line.
    cairo_set_source_rgb(cr, 0.85, 0.85, 0.85);
    for (int s = 0; s <= static_cast<int>(seconds); ++s) {
        double const x = s / seconds * width;
        cairo_move_to(cr, x, 20);
        cairo_line_to(cr, x, height);
    }
    cairo_stroke(cr);
    double const middle = 20 + (height - 20) / 2.0;
    double const half = (height - 20) / 2.0 - 2;
    cairo_set_source_rgb(cr, 0.1, 0.3, 0.7);
    for (int x = 0; x < width; ++x) {
        auto const from = static_cast<std::size_t>(static_cast<double>(x) / width * static_cast<double>(mono.size()));
        auto const to = std::max(from + 1, static_cast<std::size_t>(static_cast<double>(x + 1) / width * static_cast<double>(mono.size())));
        float low = 0, high = 0;
        for (std::size_t i = from; i < std::min(to, mono.size()); ++i) {
            low = std::min(low, mono[i]);
            high = std::max(high, mono[i]);
        }
        cairo_move_to(cr, x + 0.5, middle - high * half);
        cairo_line_to(cr, x + 0.5, middle - low * half + 1);
    }
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_set_source_rgb(cr, 0.9, 0.1, 0.1);
    for (double const mark : marks) {
        double const x = mark / seconds * width;
        cairo_move_to(cr, x, 20);
        cairo_line_to(cr, x, height);
    }
    cairo_stroke(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 13);
    cairo_move_to(cr, 4, 15);
    cairo_show_text(cr, title);
    cairo_destroy(cr);
    cairo_surface_write_to_png(surface, path.c_str());
    cairo_surface_destroy(surface);
}

// Where the sound's energy sits in its first 100 ms: the spectral centroid, in Hz.
double centroid_of_opening(std::vector<float> const& mono)
{
    std::size_t const n = 4096;  // about 85 ms
    std::vector<std::complex<double>> bins(n / 2);
    double weighted = 0, total = 0;
    for (std::size_t k = 1; k < n / 2; k += 4) {
        std::complex<double> sum = 0;
        for (std::size_t i = 0; i < std::min(n, mono.size()); ++i) {
            double const window = 0.5 - 0.5 * std::cos(2 * M_PI * static_cast<double>(i) / n);
            sum += mono[i] * window * std::polar(1.0, -2 * M_PI * static_cast<double>(k * i) / n);
        }
        double const power = std::norm(sum);
        weighted += power * static_cast<double>(k) * mix_rate / n;
        total += power;
    }
    return total > 0 ? weighted / total : 0;
}

// The largest jump between neighbouring samples in the 5 ms after `at`.
double largest_step(std::vector<float> const& mono, std::size_t at)
{
    double step = 0;
    for (std::size_t i = std::max<std::size_t>(at, 1); i < std::min(mono.size(), at + mix_rate / 200); ++i)
        step = std::max(step, static_cast<double>(std::fabs(mono[i] - mono[i - 1])));
    return step;
}

struct TuneFigures {
    std::string name;
    double melody_at = -1;
    double sounding_at = -1;
    double loudness = 0;
    int most_voices = 0;
};

TuneFigures render_tune(fs::path const& path, fs::path const& soundfont, Options const& options)
{
    TuneFigures figures{path.filename().string()};
    auto const song = load_song(path);
    auto synth = FluidSynth::load(soundfont);
    if (!song || !synth)
        return figures;
    for (auto const& event : song->events)
        if ((event.status & 0xF0) == 0x90 && (event.status & 0x0F) == 0 && event.data2 > 0) {
            figures.melody_at = static_cast<double>(event.frame) / mix_rate;
            break;
        }
    TunePlayer player;
    player.attach(synth.get());
    player.play("tune", song);
    auto const frames = static_cast<std::size_t>(options.seconds * mix_rate);
    std::vector<float> stereo(frames * mix_channels);
    for (std::size_t at = 0; at < frames; at += block_frames) {
        auto const count = std::min(block_frames, frames - at);
        player.render(stereo.data() + at * mix_channels, count);
        figures.most_voices = std::max(figures.most_voices, fluid_synth_get_active_voice_count(synth->get()));
    }
    auto const mono = mono_of(stereo);
    figures.loudness = soundgen::to_db(soundgen::rms(mono, 0, mono.size()));
    for (std::size_t at = 0; at + mix_rate / 20 <= mono.size(); at += mix_rate / 100)
        if (soundgen::to_db(soundgen::rms(mono, at, at + mix_rate / 20)) > -40) {
            figures.sounding_at = static_cast<double>(at) / mix_rate;
            break;
        }
    auto const stem = path.stem().string();
    write_wav(options.out / "tunes" / (stem + ".wav"), stereo);
    write_png(options.out / "tunes" / (stem + ".png"), mono, {figures.melody_at},
              (figures.name + ": red = the melody's first note").c_str());
    return figures;
}

struct EffectFigures {
    std::string name;
    double seconds = 0;
    double loudness = 0;
    double full_level_at = 0;
    double centroid = 0;
    double own_step = 0;  // the sound's own sharpest opening step, played from silence
    double worst_cut_step = 0;  // the sharpest step where it cut off the one before
};

// Every effect `plays_per_effect` times, `cut` seconds apart, then the next one.
std::vector<float> parade(std::vector<std::pair<std::string, std::shared_ptr<Pcm const>>> const& sounds, double cut,
                          std::vector<double>& marks, std::vector<EffectFigures>& figures)
{
    Mixer mixer;
    auto const cut_frames = static_cast<std::size_t>(cut * mix_rate);
    std::vector<float> stereo;
    std::vector<std::size_t> starts;
    std::vector<float> block(cut_frames * mix_channels);
    for (auto const& sound : sounds) {
        for (int play = 0; play < plays_per_effect; ++play) {
            starts.push_back(stereo.size() / mix_channels);
            mixer.play_sound(sound.second);
            mixer.render(block.data(), cut_frames);
            stereo.insert(stereo.end(), block.begin(), block.end());
        }
    }
    std::vector<float> rest(mix_rate / 2 * mix_channels);
    mixer.render(rest.data(), mix_rate / 2);
    stereo.insert(stereo.end(), rest.begin(), rest.end());
    auto const mono = mono_of(stereo);
    for (std::size_t i = 0; i < starts.size(); ++i) {
        marks.push_back(static_cast<double>(starts[i]) / mix_rate);
        // The first play of each starts after another effect: every play but none is a cut.
        if (i > 0) {
            auto& effect = figures[i / plays_per_effect];
            effect.worst_cut_step = std::max(effect.worst_cut_step, largest_step(mono, starts[i]));
        }
    }
    return stereo;
}

std::vector<fs::path> files_with(fs::path const& folder, char const* extension)
{
    std::vector<fs::path> found;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error))
        if (entry->path().extension() == extension)
            found.push_back(entry->path());
    std::ranges::sort(found);
    return found;
}

Options parse(int argc, char** argv)
{
    Options options;
    options.folder = fs::absolute(argv[0]).parent_path().parent_path();
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--out") == 0)
            options.out = argv[i + 1];
        else if (std::strcmp(argv[i], "--soundfont") == 0)
            options.soundfont = argv[i + 1];
        else if (std::strcmp(argv[i], "--seconds") == 0)
            options.seconds = std::max(1.0, std::atof(argv[i + 1]));
        else if (std::strcmp(argv[i], "--folder") == 0)
            options.folder = argv[i + 1];
    }
    if (!options.soundfont)
        options.soundfont = find_soundfont([](char const* name) { return static_cast<char const*>(std::getenv(name)); });
    return options;
}

}

int main(int argc, char** argv)
{
    auto const options = parse(argc, argv);
    std::error_code error;
    fs::create_directories(options.out / "tunes", error);
    if (error) {
        std::fprintf(stderr, "sound_listen: cannot create %s\n", options.out.c_str());
        return 1;
    }

    // Effects, loaded as the game loads them (at the mixer's rate, in stereo).
    std::vector<std::pair<std::string, std::shared_ptr<Pcm const>>> sounds;
    std::vector<EffectFigures> effects;
    for (auto const& path : files_with(options.folder, ".wav")) {
        auto sound = load_sound(path);
        auto const mono = mono_of(sound->samples);
        EffectFigures figures{path.filename().string()};
        figures.seconds = static_cast<double>(sound->frames()) / mix_rate;
        figures.loudness = soundgen::loudness_db(mono, mix_rate);
        figures.full_level_at = soundgen::seconds_to_full_level(mono, mix_rate);
        figures.centroid = centroid_of_opening(mono);
        figures.own_step = largest_step(mono, 0);
        effects.push_back(figures);
        sounds.emplace_back(path.filename().string(), std::move(sound));
    }
    for (double const cut : cuts) {
        std::vector<double> marks;
        auto const stereo = parade(sounds, cut, marks, effects);
        char name[32];
        std::snprintf(name, sizeof name, "parade_%.1f", cut);
        write_wav(options.out / (std::string(name) + ".wav"), stereo);
        char title[96];
        std::snprintf(title, sizeof title, "every effect %d times, %.1f s apart (red = each start)", plays_per_effect, cut);
        write_png(options.out / (std::string(name) + ".png"), mono_of(stereo), marks, title);
    }

    std::printf("Effects (as the mixer holds them; loudness = RMS of the first %.1f s):\n", soundgen::k_loudness_window);
    std::printf("  %-16s %7s %9s %10s %11s %9s %9s\n", "file", "length", "loudness", "full at", "centroid", "own step", "cut step");
    double quietest = 0, loudest = -200, slowest = 0;
    for (auto const& effect : effects) {
        std::printf("  %-16s %6.2fs %7.1fdB %8.0fms %9.0fHz %9.3f %9.3f\n", effect.name.c_str(), effect.seconds, effect.loudness,
                    effect.full_level_at * 1000, effect.centroid, effect.own_step, effect.worst_cut_step);
        quietest = std::min(quietest, effect.loudness);
        loudest = std::max(loudest, effect.loudness);
        slowest = std::max(slowest, effect.full_level_at);
    }
    std::printf("  loudness from %.1f to %.1f dBFS (spread %.1f dB); slowest to full level %.0f ms\n", quietest, loudest,
                loudest - quietest, slowest * 1000);

    if (!options.soundfont) {
        std::printf("No soundfont: the tunes are not rendered.\n");
        return 0;
    }
    std::printf("Tunes (first %.0f s, soundfont %s):\n", options.seconds, options.soundfont->c_str());
    std::printf("  %-12s %10s %11s %9s %7s\n", "file", "melody at", "sounds at", "loudness", "voices");
    double latest = 0, tune_low = 0, tune_high = -200;
    for (auto const& path : files_with(options.folder, ".mid")) {
        auto const tune = render_tune(path, *options.soundfont, options);
        std::printf("  %-12s %9.2fs %10.2fs %7.1fdB %7d\n", tune.name.c_str(), tune.melody_at, tune.sounding_at, tune.loudness,
                    tune.most_voices);
        latest = std::max(latest, tune.melody_at);
        tune_low = std::min(tune_low, tune.loudness);
        tune_high = std::max(tune_high, tune.loudness);
    }
    std::printf("  latest melody %.2f s; loudness from %.1f to %.1f dBFS\n", latest, tune_low, tune_high);
    std::printf("Written to %s\n", options.out.c_str());
    return 0;
}
