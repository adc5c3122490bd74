#include "SoundSynth.h"

#include "AssetRandom.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace veltrane::assetgen {

namespace {

constexpr double kTwoPi = 2.0 * M_PI;

SoundBuffer mono(double seconds) {
    SoundBuffer s;
    s.channels = 1;
    s.rate = SoundSynth::kRate;
    s.samples.assign(static_cast<std::size_t>(seconds * SoundSynth::kRate), 0.0);
    return s;
}

// Attack–decay envelope: a short linear rise, then an exponential fall.
double envelope(double t, double attack, double decay) {
    if (t < 0) {
        return 0.0;
    }
    if (t < attack) {
        return t / attack;
    }
    return std::exp(-(t - attack) / decay);
}

// A bell-like chime: a few inharmonic partials, the higher ones dying first.
void chime(SoundBuffer& s, double start, double freq, double length, double gain) {
    const std::size_t first = static_cast<std::size_t>(start * s.rate);
    const std::size_t count = static_cast<std::size_t>(length * s.rate);
    for (std::size_t i = 0; i < count && first + i < s.samples.size(); ++i) {
        const double t = static_cast<double>(i) / s.rate;
        const double v = std::sin(kTwoPi * freq * t) * envelope(t, 0.004, 0.25) +
                         0.4 * std::sin(kTwoPi * freq * 2.0 * t) * envelope(t, 0.003, 0.12) +
                         0.15 * std::sin(kTwoPi * freq * 3.01 * t) * envelope(t, 0.002, 0.06);
        s.samples[first + i] += gain * v;
    }
}

// A buzzy tone gliding between two pitches: band-limited saw from a few harmonics.
void buzz(SoundBuffer& s, double start, double from, double to, double length, double gain) {
    const std::size_t first = static_cast<std::size_t>(start * s.rate);
    const std::size_t count = static_cast<std::size_t>(length * s.rate);
    double phase = 0.0;
    for (std::size_t i = 0; i < count && first + i < s.samples.size(); ++i) {
        const double t = static_cast<double>(i) / s.rate;
        const double freq = from * std::pow(to / from, t / length);
        phase += freq / s.rate;
        double v = 0.0;
        for (int h = 1; h <= 9; ++h) {
            v += std::sin(kTwoPi * h * phase) / h;
        }
        const double env = std::min(1.0, t / 0.01) * std::min(1.0, (length - t) / 0.08);
        s.samples[first + i] += gain * v * env;
    }
}

// Radio static: noise through a resonant band-pass around 2–3 kHz, crackling in bursts.
void crackle(SoundBuffer& s, double start, double length, double gain, std::uint64_t seed) {
    AssetRandom rnd(seed);
    const std::size_t first = static_cast<std::size_t>(start * s.rate);
    const std::size_t count = static_cast<std::size_t>(length * s.rate);
    double lp1 = 0.0, lp2 = 0.0;
    for (std::size_t i = 0; i < count && first + i < s.samples.size(); ++i) {
        const double t = static_cast<double>(i) / s.rate;
        const double noise = rnd.range(-1, 1);
        lp1 += 0.35 * (noise - lp1);
        lp2 += 0.08 * (lp1 - lp2);
        const double band = lp1 - lp2;
        const double burst = 0.6 + 0.4 * std::sin(kTwoPi * 23.0 * t) * std::sin(kTwoPi * 7.0 * t);
        const double env = std::min(1.0, t / 0.01) * std::min(1.0, (length - t) / 0.05);
        s.samples[first + i] += gain * band * burst * env * 3.0;
    }
}

// A brass-like note: harmonics whose brightness follows the envelope, with slow vibrato.
void brass(SoundBuffer& s, double start, double freq, double length, double gain) {
    const std::size_t first = static_cast<std::size_t>(start * s.rate);
    const std::size_t count = static_cast<std::size_t>(length * s.rate);
    double phase = 0.0;
    for (std::size_t i = 0; i < count && first + i < s.samples.size(); ++i) {
        const double t = static_cast<double>(i) / s.rate;
        const double env = std::min(1.0, t / 0.04) * std::min(1.0, (length - t) / 0.12);
        const double vibrato = 1.0 + 0.004 * std::sin(kTwoPi * 5.5 * t) * std::min(1.0, t / 0.3);
        phase += freq * vibrato / s.rate;
        double v = 0.0;
        for (int h = 1; h <= 8; ++h) {
            // Harmonics open up as the note swells, the brass "blat".
            v += std::sin(kTwoPi * h * phase) * std::pow(0.35 + 0.45 * env, h - 1) / h;
        }
        s.samples[first + i] += gain * v * env;
    }
}

} // namespace

void SoundSynth::finish(SoundBuffer& sound, double fadeMs) {
    const int ch = sound.channels;
    const std::size_t frames = sound.frames();
    if (frames == 0) {
        return;
    }
    for (int c = 0; c < ch; ++c) {
        double mean = 0.0;
        for (std::size_t i = 0; i < frames; ++i) {
            mean += sound.at(i, c);
        }
        mean /= static_cast<double>(frames);
        for (std::size_t i = 0; i < frames; ++i) {
            sound.at(i, c) -= mean;
        }
    }
    const std::size_t fade = std::min(frames / 2, static_cast<std::size_t>(fadeMs * sound.rate / 1000.0));
    for (std::size_t i = 0; i < fade; ++i) {
        // Raised-cosine edges: no step, no corner.
        const double k = 0.5 - 0.5 * std::cos(M_PI * static_cast<double>(i) / static_cast<double>(fade));
        for (int c = 0; c < ch; ++c) {
            sound.at(i, c) *= k;
            sound.at(frames - 1 - i, c) *= k;
        }
    }
    double peak = 0.0;
    for (const double v : sound.samples) {
        peak = std::max(peak, std::abs(v));
    }
    if (peak > 0.0) {
        for (double& v : sound.samples) {
            v *= kPeak / peak;
        }
    }
}

SoundBuffer SoundSynth::effect(const QString& name) {
    SoundBuffer s;
    if (name == "button") {
        s = mono(0.11);
        // A dry blip with a tiny tick at the front.
        for (std::size_t i = 0; i < s.samples.size(); ++i) {
            const double t = static_cast<double>(i) / s.rate;
            const double freq = 1500.0 * std::exp(-t * 6.0);
            s.samples[i] = std::sin(kTwoPi * freq * t) * envelope(t, 0.0015, 0.025);
        }
        crackle(s, 0.0, 0.006, 0.4, AssetRandom::seedFor("button"));
    } else if (name == "good") {
        s = mono(0.62);
        chime(s, 0.0, 784.0, 0.62, 0.7);  // G5
        chime(s, 0.12, 1175.0, 0.5, 0.8); // D6
    } else if (name == "bad") {
        s = mono(0.42);
        buzz(s, 0.0, 220.0, 110.0, 0.42, 0.6);
    } else if (name == "goodmsg") {
        s = mono(1.0);
        crackle(s, 0.0, 0.16, 0.5, AssetRandom::seedFor("goodmsg"));
        chime(s, 0.14, 659.0, 0.86, 0.6);  // E5
        chime(s, 0.28, 988.0, 0.72, 0.6);  // B5
        chime(s, 0.42, 1319.0, 0.58, 0.6); // E6
        crackle(s, 0.75, 0.2, 0.15, AssetRandom::seedFor("goodmsg-tail"));
    } else if (name == "badmsg") {
        s = mono(0.95);
        crackle(s, 0.0, 0.18, 0.5, AssetRandom::seedFor("badmsg"));
        buzz(s, 0.15, 196.0, 150.0, 0.3, 0.5);
        buzz(s, 0.5, 165.0, 98.0, 0.44, 0.55);
        crackle(s, 0.6, 0.3, 0.12, AssetRandom::seedFor("badmsg-tail"));
    } else if (name == "install") {
        s = mono(0.95);
        // The motor spins up with a flutter, then the part locks home with a thunk.
        double phase = 0.0;
        const double whirr = 0.68;
        for (std::size_t i = 0; i < static_cast<std::size_t>(whirr * s.rate); ++i) {
            const double t = static_cast<double>(i) / s.rate;
            const double freq = 70.0 + 260.0 * std::pow(t / whirr, 0.7);
            phase += freq / s.rate;
            double v = 0.0;
            for (int h = 1; h <= 6; ++h) {
                v += std::sin(kTwoPi * h * phase) / (h * h * 0.7 + 0.3);
            }
            const double flutter = 0.7 + 0.3 * std::sin(kTwoPi * 28.0 * t);
            const double env = std::min(1.0, t / 0.05) * std::min(1.0, (whirr - t) / 0.06);
            s.samples[i] += 0.45 * v * flutter * env;
        }
        const std::size_t lock = static_cast<std::size_t>(0.7 * s.rate);
        for (std::size_t i = 0; lock + i < s.samples.size(); ++i) {
            const double t = static_cast<double>(i) / s.rate;
            s.samples[lock + i] += 0.9 * std::sin(kTwoPi * 95.0 * t) * envelope(t, 0.002, 0.05) +
                                   0.35 * std::sin(kTwoPi * 1800.0 * t) * envelope(t, 0.0005, 0.008);
        }
        crackle(s, 0.7, 0.02, 0.6, AssetRandom::seedFor("install"));
    } else if (name == "fanfare") {
        s = mono(2.1);
        // Rising C major arpeggio, then the chord held and released.
        const double notes[] = {523.25, 659.25, 783.99, 1046.5};
        for (int i = 0; i < 4; ++i) {
            brass(s, i * 0.16, notes[i], i < 3 ? 0.3 : 1.94 - i * 0.16, 0.35);
        }
        brass(s, 0.64, 523.25, 1.45, 0.22);
        brass(s, 0.64, 783.99, 1.45, 0.2);
        brass(s, 0.64, 261.63, 1.45, 0.2);
    } else {
        return {};
    }
    finish(s);
    return s;
}

SoundBuffer SoundSynth::trance() {
    SoundBuffer s;
    s.channels = 2;
    s.rate = kRate;
    const double length = 5.0;
    const std::size_t frames = static_cast<std::size_t>(length * kRate);
    s.samples.assign(frames * 2, 0.0);
    // 140 beats a minute in sixteenths over an A minor arpeggio.
    const double step = 60.0 / 140.0 / 4.0;
    const double pattern[] = {220.0, 261.63, 329.63, 440.0, 329.63, 261.63, 392.0, 329.63};
    double lowL = 0.0, lowR = 0.0, phase = 0.0;
    AssetRandom rnd(AssetRandom::seedFor("trance"));
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const int n = static_cast<int>(t / step);
        const double inStep = t - n * step;
        const double freq = pattern[n % 8] * (n / 16 % 2 ? 1.5 : 1.0);
        phase += freq / kRate;
        // Two detuned saws.
        const double saw = 2.0 * (phase - std::floor(phase)) - 1.0;
        const double phase2 = phase * 1.007;
        const double saw2 = 2.0 * (phase2 - std::floor(phase2)) - 1.0;
        const double gate = envelope(inStep, 0.003, 0.06);
        // The filter opens over the whole jump: 300 Hz to 7 kHz.
        const double cutoff = 300.0 * std::pow(7000.0 / 300.0, std::min(1.0, t / 4.2));
        const double a = 1.0 - std::exp(-kTwoPi * cutoff / kRate);
        lowL += a * (saw * gate - lowL);
        lowR += a * (saw2 * gate - lowR);
        // Kick-like pulse on every beat, and the swell: a noise riser and a held chord.
        const double beat = std::fmod(t, step * 4);
        const double kick =
            std::sin(kTwoPi * (50.0 + 90.0 * std::exp(-beat * 30.0)) * beat) * envelope(beat, 0.002, 0.09);
        const double swell = std::pow(std::clamp((t - 3.4) / 1.4, 0.0, 1.0), 2.0);
        const double chord = (std::sin(kTwoPi * 220.0 * t) + std::sin(kTwoPi * 329.63 * t) +
                              std::sin(kTwoPi * 440.0 * t) + 0.5 * std::sin(kTwoPi * 554.37 * t)) *
                             0.25;
        const double noise = rnd.range(-1, 1) * 0.25;
        const double tail = std::min(1.0, (length - t) / 0.25);
        const double common = 0.6 * kick * (1.0 - swell) + swell * (0.8 * chord + noise * 0.5);
        s.samples[i * 2] = (0.7 * lowL + common) * tail;
        s.samples[i * 2 + 1] = (0.7 * lowR + common) * tail;
    }
    finish(s, 5.0);
    return s;
}

SoundBuffer SoundSynth::spaceLoop() {
    SoundBuffer s;
    s.channels = 2;
    s.rate = kRate;
    const std::size_t frames = static_cast<std::size_t>(kLoopFrames) * kMp3Frame;
    s.samples.assign(frames * 2, 0.0);
    const double seconds = static_cast<double>(frames) / kRate;
    // Every frequency is a whole number of cycles per loop, so the end is the start again.
    const auto cycles = [&](double hz) { return std::round(hz * seconds); };
    struct Voice {
        double cyclesL, cyclesR, gain, chordA, chordB;
    };
    // Two chords (D minor add9 and B flat major 7), crossfaded twice per loop.
    const double chordA[] = {146.83, 220.0, 293.66, 349.23, 440.0, 659.25};
    const double chordB[] = {116.54, 174.61, 293.66, 349.23, 440.0, 587.33};
    std::vector<Voice> voices;
    for (int i = 0; i < 6; ++i) {
        voices.push_back({cycles(chordA[i]), cycles(chordA[i]) + 1, 0.16 / (1 + i * 0.25), 1.0, 0.0});
        voices.push_back({cycles(chordB[i]), cycles(chordB[i]) - 1, 0.16 / (1 + i * 0.25), 0.0, 1.0});
    }
    const double pulseCycles = cycles(55.0);
    constexpr int kPulses = 32;
    const std::size_t pulseSpacing = frames / kPulses;
    for (std::size_t i = 0; i < frames; ++i) {
        const double u = static_cast<double>(i) / static_cast<double>(frames); // 0…1 over the loop
        const double fade = 0.5 - 0.5 * std::cos(kTwoPi * 2.0 * u);            // chord A ↔ B
        double left = 0.0, right = 0.0;
        for (const Voice& v : voices) {
            const double g = v.gain * (v.chordA * (1.0 - fade) + v.chordB * fade);
            if (g <= 0.0) {
                continue;
            }
            // Soft pad: the fundamental plus a quiet octave, breathing slowly.
            const double breath = 0.8 + 0.2 * std::sin(kTwoPi * (3.0 * u + v.cyclesL * 0.001));
            left += g * breath *
                    (std::sin(kTwoPi * v.cyclesL * u) + 0.25 * std::sin(kTwoPi * 2.0 * v.cyclesL * u));
            right += g * breath *
                     (std::sin(kTwoPi * v.cyclesR * u) + 0.25 * std::sin(kTwoPi * 2.0 * v.cyclesR * u));
        }
        // The distant pulse: a low, soft thump at every 1/32 of the loop; its tail wraps round.
        const std::size_t sincePulse = i % pulseSpacing;
        const double tp = static_cast<double>(sincePulse) / kRate;
        const double thump = std::sin(kTwoPi * pulseCycles * u) * envelope(tp, 0.02, 0.35) * 0.35;
        // The music breathes down around the loop point, so however a decoder treats the
        // join (encoder delay, padding), the seam falls in a quiet moment.
        const double d = std::min(u, 1.0 - u) * seconds;
        const double seam = 1.0 - 0.985 * std::exp(-std::pow(d / 0.9, 2.0));
        s.samples[i * 2] = (left + thump) * seam;
        s.samples[i * 2 + 1] = (right + thump) * seam;
    }
    // Only scale: the loop is periodic and zero-mean by construction; fading its ends would
    // put a dip into every pass.
    double peak = 0.0;
    for (const double v : s.samples) {
        peak = std::max(peak, std::abs(v));
    }
    for (double& v : s.samples) {
        v *= kPeak / peak;
    }
    return s;
}

SoundBuffer SoundSynth::encoderInputForLoop(const SoundBuffer& period) {
    SoundBuffer in;
    in.channels = period.channels;
    in.rate = period.rate;
    const std::size_t frames = period.frames();
    if (frames <= static_cast<std::size_t>(kMp3Frame)) {
        return in;
    }
    const std::size_t count = frames - static_cast<std::size_t>(kMp3Frame);
    in.samples.resize(count * static_cast<std::size_t>(in.channels));
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t from = (i + kCodecDelay) % frames;
        for (int c = 0; c < in.channels; ++c) {
            in.at(i, c) = period.at(from, c);
        }
    }
    return in;
}

} // namespace veltrane::assetgen
