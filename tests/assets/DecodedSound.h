#pragma once

#include <QString>

#include <vector>

// A sound file decoded the way the game's audio back end decodes it (SDL2_mixer at
// 44100 Hz, 16-bit stereo), for checks of length, level and loop joins.
struct DecodedSound {
    std::vector<short> left;
    std::vector<short> right;
    QString error;

    double seconds() const { return static_cast<double>(left.size()) / 44100.0; }
    static DecodedSound load(const QString& path);
};
