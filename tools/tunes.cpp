// The game's thirty tunes. World 1 is hellish and driving, World 2 a country barnyard, World 3 a
// dark forest, World 4's fights are heavy; the dance contest, the dance level and the true ending
// dance, and the credits march. Story scenes get moods of their own. A scene's tune lasts as long
// as the scene plays it (the seconds below): Firefighters about 2 s before its box, the S-Grawn's
// showdown 7 s, the flashback's memories 14, 4 and 18 s, a magnet turn 10 s.
#include "tunes.hpp"

namespace soundgen {

namespace {

// General MIDI programs, 0-based.
namespace gm {
constexpr int grand_piano = 0;
constexpr int honky_tonk = 3;
constexpr int electric_piano = 4;
constexpr int clavinet = 7;
constexpr int celesta = 8;
constexpr int music_box = 10;
constexpr int vibraphone = 11;
constexpr int marimba = 12;
constexpr int percussive_organ = 17;
constexpr int church_organ = 19;
constexpr int accordion = 21;
constexpr int harmonica = 22;
constexpr int nylon_guitar = 24;
constexpr int steel_guitar = 25;
constexpr int clean_guitar = 27;
constexpr int overdriven_guitar = 29;
constexpr int distortion_guitar = 30;
constexpr int acoustic_bass = 32;
constexpr int fingered_bass = 33;
constexpr int picked_bass = 34;
constexpr int fretless_bass = 35;
constexpr int slap_bass = 36;
constexpr int slap_bass_2 = 37;
constexpr int synth_bass = 38;
constexpr int synth_bass_2 = 39;
constexpr int cello = 42;
constexpr int contrabass = 43;
constexpr int tremolo_strings = 44;
constexpr int pizzicato = 45;
constexpr int harp = 46;
constexpr int strings = 48;
constexpr int slow_strings = 49;
constexpr int synth_strings = 50;
constexpr int choir = 52;
constexpr int trumpet = 56;
constexpr int trombone = 57;
constexpr int tuba = 58;
constexpr int french_horn = 60;
constexpr int brass_section = 61;
constexpr int synth_brass = 62;
constexpr int oboe = 68;
constexpr int clarinet = 71;
constexpr int piccolo = 72;
constexpr int flute = 73;
constexpr int pan_flute = 75;
constexpr int whistle = 78;
constexpr int square_lead = 80;
constexpr int saw_lead = 81;
constexpr int charang = 84;
constexpr int fifths_lead = 86;
constexpr int warm_pad = 89;
constexpr int polysynth = 90;
constexpr int halo_pad = 94;
constexpr int banjo = 105;
constexpr int fiddle = 110;
}  // namespace gm

constexpr int C = 0, Db = 1, D = 2, Eb = 3, E = 4, F = 5, Fs = 6, G = 7, Ab = 8, A = 9, Bb = 10, B = 11;

// Instruments on the left, centre and right of the stereo picture.
Instrument lead(int program, int octave) { return Instrument{program, octave, 110, 64}; }
Instrument left(int program, int octave) { return Instrument{program, octave, 84, 40}; }
Instrument right(int program, int octave) { return Instrument{program, octave, 72, 90}; }
Instrument low(int program) { return Instrument{program, 2, 100, 64}; }
const Instrument none{};

}  // namespace

const std::vector<TuneStyle>& tune_styles()
{
    using enum HarmonyStyle;
    static const std::vector<TuneStyle> tunes = {
        // Title screen: a minor-key adventure call to arms.
        {.file_name = "INTRO.mid", .title = "Grawn 2 Title", .seed = 101, .beats_per_minute = 140, .tonic = A, .mode = Mode::minor,
         .verse = {0, 5, 2, 6}, .chorus = {5, 6, 0, 0}, .bridge = {3, 4, 5, 6},
         .melody = lead(gm::brass_section, 4), .harmony = left(gm::tremolo_strings, 4), .bass = low(gm::fingered_bass),
         .colour = right(gm::distortion_guitar, 3), .harmony_style = tremolo, .colour_style = power_chords,
         .bass_style = BassStyle::eighths, .drum_style = DrumStyle::rock, .density = 0.45, .seconds = 108,
         .key_lift = KeyLift::last_chorus},

        // World 1: hellish and driving.
        {.file_name = "W1L1.mid", .title = "Pigs in the Pit", .seed = 111, .beats_per_minute = 160, .tonic = E, .mode = Mode::phrygian,
         .verse = {0, 0, 1, 0}, .chorus = {0, 5, 6, 1}, .bridge = {3, 5, 1, 0},
         .melody = lead(gm::overdriven_guitar, 4), .harmony = left(gm::distortion_guitar, 3), .bass = low(gm::picked_bass),
         .colour = right(gm::church_organ, 4), .harmony_style = power_chords, .colour_style = pad,
         .bass_style = BassStyle::gallop, .drum_style = DrumStyle::metal, .density = 0.5, .seconds = 105},
        {.file_name = "W1L2.mid", .title = "Pigs, Platforms and Peril", .seed = 112, .beats_per_minute = 172, .tonic = D,
         .mode = Mode::harmonic_minor, .verse = {0, 5, 3, 4}, .chorus = {5, 3, 0, 4}, .bridge = {3, 0, 5, 4},
         .melody = lead(gm::saw_lead, 4), .harmony = left(gm::distortion_guitar, 3), .bass = low(gm::synth_bass),
         .colour = right(gm::choir, 4), .harmony_style = power_chords, .colour_style = pad,
         .bass_style = BassStyle::eighths, .drum_style = DrumStyle::rock, .density = 0.55, .seconds = 105},
        {.file_name = "W1L3.mid", .title = "The Piggie Poker", .seed = 113, .beats_per_minute = 184, .tonic = Db,
         .mode = Mode::phrygian_dominant, .verse = {0, 1, 0, 6}, .chorus = {3, 1, 0, 0}, .bridge = {6, 1, 3, 0},
         .melody = lead(gm::distortion_guitar, 4), .harmony = left(gm::church_organ, 4), .bass = low(gm::fingered_bass),
         .colour = right(gm::choir, 4), .harmony_style = offbeat_stabs, .colour_style = pad,
         .bass_style = BassStyle::eighths, .drum_style = DrumStyle::thrash, .density = 0.5, .seconds = 105},
        {.file_name = "W1L4.mid", .title = "Firefighters", .seed = 114, .beats_per_minute = 150, .tonic = F, .mode = Mode::dorian,
         .verse = {0, 3, 0, 3}, .chorus = {2, 3, 6, 0}, .bridge = {3, 3, 6, 6},
         .melody = lead(gm::trumpet, 4), .harmony = left(gm::brass_section, 4), .bass = low(gm::slap_bass),
         .colour = right(gm::percussive_organ, 4), .harmony_style = offbeat_stabs, .colour_style = afterbeats,
         .bass_style = BassStyle::funk, .drum_style = DrumStyle::funk, .density = 0.6, .seconds = 12},
        // The dance contest, which also plays again at the true ending.
        {.file_name = "W1L5.mid", .title = "Dance Contest", .seed = 115, .beats_per_minute = 118, .tonic = A, .mode = Mode::dorian,
         .verse = {0, 0, 3, 3}, .chorus = {2, 3, 4, 0}, .bridge = {6, 2, 3, 3},
         .melody = lead(gm::synth_brass, 4), .harmony = left(gm::electric_piano, 4), .bass = low(gm::synth_bass_2),
         .colour = right(gm::synth_strings, 4), .harmony_style = offbeat_stabs, .colour_style = pad,
         .bass_style = BassStyle::octaves, .drum_style = DrumStyle::four_on_floor, .density = 0.55, .seconds = 25,
         .key_lift = KeyLift::last_chorus},
        {.file_name = "W1L52.mid", .title = "Dance Contest Finals", .seed = 116, .beats_per_minute = 128, .tonic = C,
         .mode = Mode::minor, .verse = {0, 5, 6, 4}, .chorus = {5, 2, 6, 0}, .bridge = {3, 3, 5, 6},
         .melody = lead(gm::square_lead, 4), .harmony = left(gm::saw_lead, 4), .bass = low(gm::synth_bass),
         .colour = right(gm::warm_pad, 4), .harmony_style = arpeggio, .colour_style = pad,
         .bass_style = BassStyle::octaves, .drum_style = DrumStyle::four_on_floor, .density = 0.65, .seconds = 30,
         .key_lift = KeyLift::last_chorus},

        // World 2: a country barnyard.
        {.file_name = "W2L1.mid", .title = "Barnyard Bandits", .seed = 121, .beats_per_minute = 132, .tonic = G, .mode = Mode::major,
         .verse = {0, 3, 0, 4}, .chorus = {3, 0, 4, 0}, .bridge = {5, 3, 4, 4},
         .melody = lead(gm::fiddle, 4), .harmony = left(gm::steel_guitar, 4), .bass = low(gm::acoustic_bass),
         .colour = right(gm::banjo, 4), .harmony_style = strum, .colour_style = banjo_roll,
         .bass_style = BassStyle::root_fifth, .drum_style = DrumStyle::train, .density = 0.6, .seconds = 105},
        {.file_name = "W2L2.mid", .title = "Tons O' Trees", .seed = 122, .beats_per_minute = 112, .tonic = D, .mode = Mode::major,
         .verse = {0, 0, 3, 0, 4, 3, 0, 4}, .chorus = {3, 3, 0, 0, 4, 4, 0, 0}, .bridge = {5, 1, 4, 4},
         .melody = lead(gm::harmonica, 4), .harmony = left(gm::banjo, 4), .bass = low(gm::acoustic_bass),
         .colour = right(gm::accordion, 4), .harmony_style = banjo_roll, .colour_style = afterbeats,
         .bass_style = BassStyle::walking, .drum_style = DrumStyle::brushes, .density = 0.5, .swing = 0.33, .seconds = 105},
        {.file_name = "W2L3.mid", .title = "The Madness Stops Here", .seed = 123, .beats_per_minute = 150, .tonic = E,
         .mode = Mode::minor, .verse = {0, 0, 6, 6}, .chorus = {0, 5, 6, 0}, .bridge = {3, 3, 4, 4},
         .melody = lead(gm::banjo, 4), .harmony = left(gm::honky_tonk, 4), .bass = low(gm::fingered_bass),
         .colour = right(gm::fiddle, 5), .harmony_style = afterbeats, .colour_style = tremolo,
         .bass_style = BassStyle::eighths, .drum_style = DrumStyle::rock, .density = 0.6, .seconds = 105},
        {.file_name = "W2L4.mid", .title = "Why Did The Pig Cross The Road", .seed = 124, .beats_per_minute = 140, .tonic = A,
         .mode = Mode::major, .verse = {0, 4, 4, 0}, .chorus = {3, 0, 4, 0}, .bridge = {1, 4, 0, 0},
         .melody = lead(gm::accordion, 4), .harmony = left(gm::honky_tonk, 4), .bass = low(gm::tuba),
         .colour = right(gm::clarinet, 5), .harmony_style = afterbeats, .colour_style = broken,
         .bass_style = BassStyle::oompah, .drum_style = DrumStyle::polka, .density = 0.6, .seconds = 105, .level_db = 1.0},
        // The S-Grawn: a showdown at the barn, then a hoedown chase.
        {.file_name = "W2L5.mid", .title = "Showdown at the Barn", .seed = 125, .beats_per_minute = 96, .tonic = B,
         .mode = Mode::harmonic_minor, .verse = {0, 3, 4, 0}, .chorus = {5, 3, 4, 4}, .bridge = {3, 0, 5, 4},
         .melody = lead(gm::trumpet, 4), .harmony = left(gm::nylon_guitar, 4), .bass = low(gm::contrabass),
         .colour = right(gm::strings, 4), .harmony_style = arpeggio, .colour_style = pad,
         .bass_style = BassStyle::sustained, .drum_style = DrumStyle::half_time, .density = 0.45, .seconds = 7,
         .ending = Ending::ritardando, .level_db = 1.5},
        {.file_name = "W2L52.mid", .title = "Hoedown Chase", .seed = 126, .beats_per_minute = 158, .tonic = F, .mode = Mode::mixolydian,
         .verse = {0, 6, 0, 6}, .chorus = {3, 0, 6, 0}, .bridge = {3, 3, 0, 6},
         .melody = lead(gm::whistle, 5), .harmony = left(gm::banjo, 4), .bass = low(gm::acoustic_bass),
         .colour = right(gm::steel_guitar, 4), .harmony_style = banjo_roll, .colour_style = strum,
         .bass_style = BassStyle::root_fifth, .drum_style = DrumStyle::train, .density = 0.65, .seconds = 20, .level_db = 2.0},

        // World 3: a dark forest.
        {.file_name = "W3L1.mid", .title = "The S-Bomb", .seed = 131, .beats_per_minute = 92, .tonic = D, .mode = Mode::minor,
         .verse = {0, 5, 3, 4}, .chorus = {0, 6, 5, 4}, .bridge = {3, 3, 0, 0},
         .melody = lead(gm::oboe, 4), .harmony = left(gm::strings, 4), .bass = low(gm::contrabass),
         .colour = right(gm::harp, 4), .harmony_style = pad, .colour_style = arpeggio,
         .bass_style = BassStyle::sustained, .drum_style = DrumStyle::tribal, .density = 0.5, .seconds = 105, .level_db = -1.5},
        {.file_name = "W3L2.mid", .title = "Cloaked Catastrophy", .seed = 132, .beats_per_minute = 84, .tonic = B, .mode = Mode::phrygian,
         .verse = {0, 1, 0, 6}, .chorus = {5, 1, 6, 0}, .bridge = {3, 2, 1, 0},
         .melody = lead(gm::pan_flute, 4), .harmony = left(gm::halo_pad, 4), .bass = low(gm::cello),
         .colour = right(gm::celesta, 5), .harmony_style = pad, .colour_style = broken,
         .bass_style = BassStyle::walking, .drum_style = DrumStyle::half_time, .density = 0.55, .seconds = 105},
        {.file_name = "W3L3.mid", .title = "Metal of Honor", .seed = 133, .beats_per_minute = 132, .tonic = Fs,
         .mode = Mode::harmonic_minor, .verse = {0, 0, 5, 4}, .chorus = {3, 0, 5, 4}, .bridge = {5, 3, 4, 4},
         .melody = lead(gm::french_horn, 4), .harmony = left(gm::tremolo_strings, 4), .bass = low(gm::contrabass),
         .colour = right(gm::distortion_guitar, 3), .harmony_style = tremolo, .colour_style = power_chords,
         .bass_style = BassStyle::gallop, .drum_style = DrumStyle::tribal, .density = 0.45, .seconds = 105, .level_db = -2.5},
        {.file_name = "W3L3X.mid", .title = "Attack on the Barn", .seed = 134, .beats_per_minute = 144, .tonic = G, .mode = Mode::minor,
         .verse = {0, 6, 5, 4}, .chorus = {0, 3, 6, 2}, .bridge = {5, 5, 4, 4},
         .melody = lead(gm::trumpet, 4), .harmony = left(gm::pizzicato, 4), .bass = low(gm::synth_bass_2),
         .colour = right(gm::french_horn, 4), .harmony_style = broken, .colour_style = pad,
         .bass_style = BassStyle::eighths, .drum_style = DrumStyle::breakbeat, .density = 0.5, .seconds = 10},
        {.file_name = "W3L4.mid", .title = "Skatepark", .seed = 135, .beats_per_minute = 176, .tonic = E, .mode = Mode::mixolydian,
         .verse = {0, 6, 3, 0}, .chorus = {3, 6, 0, 0}, .bridge = {5, 3, 6, 4},
         .melody = lead(gm::clean_guitar, 4), .harmony = left(gm::overdriven_guitar, 3), .bass = low(gm::picked_bass),
         .colour = none, .harmony_style = power_chords, .bass_style = BassStyle::eighths, .drum_style = DrumStyle::rock,
         .density = 0.5, .seconds = 100},
        {.file_name = "W3L42.mid", .title = "Blow It Up", .seed = 136, .beats_per_minute = 146, .tonic = C, .mode = Mode::dorian,
         .verse = {0, 3, 0, 6}, .chorus = {6, 3, 0, 0}, .bridge = {2, 3, 4, 4},
         .melody = lead(gm::piccolo, 5), .harmony = left(gm::marimba, 4), .bass = low(gm::fretless_bass),
         .colour = right(gm::pizzicato, 4), .harmony_style = arpeggio, .colour_style = offbeat_stabs,
         .bass_style = BassStyle::funk, .drum_style = DrumStyle::breakbeat, .density = 0.6, .seconds = 105},

        // World 4: heavy.
        {.file_name = "W4L1.mid", .title = "Corporate America 2", .seed = 141, .beats_per_minute = 138, .tonic = C, .mode = Mode::minor,
         .verse = {0, 0, 5, 6}, .chorus = {5, 6, 0, 0}, .bridge = {3, 4, 5, 6},
         .melody = lead(gm::synth_brass, 4), .harmony = left(gm::distortion_guitar, 3), .bass = low(gm::picked_bass),
         .colour = right(gm::brass_section, 4), .harmony_style = power_chords, .colour_style = offbeat_stabs,
         .bass_style = BassStyle::gallop, .drum_style = DrumStyle::metal, .density = 0.5, .seconds = 105},
        {.file_name = "W4L2.mid", .title = "The Big Bad Grawn", .seed = 142, .beats_per_minute = 96, .tonic = D,
         .mode = Mode::phrygian_dominant, .verse = {0, 1, 0, 1}, .chorus = {0, 6, 1, 0}, .bridge = {3, 1, 6, 0},
         .melody = lead(gm::church_organ, 4), .harmony = left(gm::distortion_guitar, 3), .bass = low(gm::synth_bass_2),
         .colour = right(gm::choir, 4), .harmony_style = power_chords, .colour_style = pad,
         .bass_style = BassStyle::sustained, .drum_style = DrumStyle::half_time, .density = 0.4, .seconds = 105, .level_db = 1.0},
        {.file_name = "W4L3.mid", .title = "The Raved Within", .seed = 143, .beats_per_minute = 170, .tonic = B, .mode = Mode::phrygian,
         .verse = {0, 1, 0, 5}, .chorus = {5, 6, 1, 0}, .bridge = {3, 1, 3, 0},
         .melody = lead(gm::fifths_lead, 4), .harmony = left(gm::distortion_guitar, 3), .bass = low(gm::fingered_bass),
         .colour = right(gm::slow_strings, 4), .harmony_style = power_chords, .colour_style = pad,
         .bass_style = BassStyle::gallop, .drum_style = DrumStyle::thrash, .density = 0.55, .seconds = 105},
        // The flashback, in three memories.
        {.file_name = "W4L3X1.mid", .title = "Memory: The Farm", .seed = 144, .beats_per_minute = 80, .tonic = A, .mode = Mode::minor,
         .verse = {0, 3, 6, 2}, .chorus = {5, 3, 0, 4}, .bridge = {3, 4, 0, 0},
         .melody = lead(gm::music_box, 5), .harmony = left(gm::harp, 4), .bass = low(gm::cello),
         .colour = right(gm::warm_pad, 4), .harmony_style = arpeggio, .colour_style = pad,
         .bass_style = BassStyle::sustained, .drum_style = DrumStyle::brushes, .density = 0.45, .seconds = 14,
         .ending = Ending::ritardando},
        {.file_name = "W4L3X2.mid", .title = "Memory: The Waltz", .seed = 145, .beats_per_minute = 102, .beats_per_bar = 3, .tonic = F,
         .mode = Mode::major, .verse = {0, 4, 4, 0}, .chorus = {3, 0, 1, 4}, .bridge = {5, 2, 3, 4},
         .melody = lead(gm::flute, 4), .harmony = left(gm::grand_piano, 4), .bass = low(gm::acoustic_bass),
         .colour = right(gm::strings, 4), .harmony_style = afterbeats, .colour_style = pad,
         .bass_style = BassStyle::oompah, .drum_style = DrumStyle::waltz, .density = 0.5, .seconds = 4,
         .ending = Ending::ritardando, .level_db = 2.0},
        {.file_name = "W4L3X3.mid", .title = "Memory: The Loss", .seed = 146, .beats_per_minute = 76, .tonic = E, .mode = Mode::minor,
         .verse = {0, 5, 2, 6}, .chorus = {3, 4, 0, 0}, .bridge = {5, 6, 2, 2},
         .melody = lead(gm::grand_piano, 4), .harmony = left(gm::slow_strings, 4), .bass = low(gm::cello),
         .colour = right(gm::vibraphone, 5), .harmony_style = pad, .colour_style = broken,
         .bass_style = BassStyle::walking, .drum_style = DrumStyle::half_time, .density = 0.4, .seconds = 18,
         .ending = Ending::ritardando},
        // The magnet game, and its tense turns.
        {.file_name = "W4L5.mid", .title = "The Magnet Game 2", .seed = 147, .beats_per_minute = 124, .tonic = Bb, .mode = Mode::major,
         .verse = {0, 5, 1, 4}, .chorus = {3, 4, 2, 5}, .bridge = {1, 4, 0, 0},
         .melody = lead(gm::vibraphone, 4), .harmony = left(gm::clavinet, 4), .bass = low(gm::slap_bass_2),
         .colour = right(gm::brass_section, 4), .harmony_style = offbeat_stabs, .colour_style = afterbeats,
         .bass_style = BassStyle::funk, .drum_style = DrumStyle::funk, .density = 0.55, .seconds = 105},
        {.file_name = "W4L5x.mid", .title = "The Magnet Turns", .seed = 148, .beats_per_minute = 152, .tonic = Fs, .mode = Mode::minor,
         .verse = {0, 0, 5, 6}, .chorus = {3, 6, 0, 0}, .bridge = {5, 6, 4, 4},
         .melody = lead(gm::charang, 4), .harmony = left(gm::synth_brass, 4), .bass = low(gm::synth_bass),
         .colour = right(gm::polysynth, 4), .harmony_style = offbeat_stabs, .colour_style = arpeggio,
         .bass_style = BassStyle::eighths, .drum_style = DrumStyle::breakbeat, .density = 0.6, .seconds = 10},

        // The secret dance level.
        {.file_name = "W5L1.mid", .title = "Pig Channel 5", .seed = 151, .beats_per_minute = 134, .tonic = G, .mode = Mode::minor,
         .verse = {0, 5, 2, 6}, .chorus = {5, 6, 0, 0}, .bridge = {3, 4, 2, 5},
         .melody = lead(gm::saw_lead, 4), .harmony = left(gm::synth_strings, 4), .bass = low(gm::synth_bass_2),
         .colour = right(gm::polysynth, 4), .harmony_style = offbeat_stabs, .colour_style = pad,
         .bass_style = BassStyle::octaves, .drum_style = DrumStyle::four_on_floor, .density = 0.6, .seconds = 110,
         .key_lift = KeyLift::last_chorus},

        // The credits march.
        {.file_name = "CREDITS.mid", .title = "Credits March", .seed = 161, .beats_per_minute = 116, .tonic = Bb, .mode = Mode::major,
         .verse = {0, 4, 0, 4}, .chorus = {3, 0, 4, 0}, .bridge = {5, 1, 4, 4},
         .melody = lead(gm::trumpet, 4), .harmony = left(gm::brass_section, 4), .bass = low(gm::tuba),
         .colour = right(gm::piccolo, 5), .harmony_style = afterbeats, .colour_style = broken,
         .bass_style = BassStyle::oompah, .drum_style = DrumStyle::march, .density = 0.5, .seconds = 110},
        {.file_name = "CREDITS2.mid", .title = "Grand Finale March", .seed = 162, .beats_per_minute = 108, .tonic = F, .mode = Mode::major,
         .verse = {0, 3, 4, 0}, .chorus = {3, 4, 2, 5}, .bridge = {1, 4, 5, 4},
         .melody = lead(gm::french_horn, 4), .harmony = left(gm::trombone, 3), .bass = low(gm::tuba),
         .colour = right(gm::strings, 4), .harmony_style = afterbeats, .colour_style = tremolo,
         .bass_style = BassStyle::oompah, .drum_style = DrumStyle::march, .density = 0.45, .seconds = 120,
         .key_lift = KeyLift::last_chorus, .ending = Ending::ritardando, .level_db = -2.5},
    };
    return tunes;
}

}  // namespace soundgen
