#pragma once

#include <QString>

#include <vector>

// The pictures the game loads, with their sizes, written out independently of the generator.
struct ExpectedPicture {
    QString path;
    int width;
    int height;
};

inline std::vector<ExpectedPicture> expectedPictures() {
    std::vector<ExpectedPicture> list;
    const auto numbered = [&](const QString& pattern, int first, int last, int w, int h) {
        for (int n = first; n <= last; ++n) {
            list.push_back({pattern.arg(n), w, h});
        }
    };
    numbered("Planets/planet%1.jpg", 1, 24, 100, 100);
    for (int type = 1; type <= 8; ++type) {
        numbered(QString("Landscapes/type%1/").arg(type) + "landscape%1.jpg", 1, 10, 817, 450);
    }
    numbered("Cities/city%1.jpg", 1, 29, 400, 225);
    numbered("Pics/city%1.bmp", 1, 10, 100, 70);
    numbered("Aliens/alien%1.jpg", 1, 30, 150, 180);
    numbered("Artefacts/artefact%1.bmp", 1, 100, 40, 41);
    for (const char* letter : {"A", "B", "C", "D"}) {
        list.push_back({QString("Pics/Sector%1%2.jpg").arg(letter).arg(1), 817, 450});
        list.push_back({QString("Pics/Sector%1%2.jpg").arg(letter).arg(2), 817, 450});
    }
    numbered("Pics/tunnel%1.bmp", 1, 4, 400, 200);
    numbered("Pics/ship%1.bmp", 1, 12, 64, 32);
    numbered("Pics/transport%1.bmp", 1, 10, 16, 16);
    list.push_back({"Pics/powerup.bmp", 40, 41});
    numbered("Pics/module%1.bmp", 1, 4, 48, 24);
    list.push_back({"Pics/Seroship.bmp", 147, 71});
    numbered("Pics/bg%1.jpg", 1, 3, 128, 128);
    numbered("Pics/Captain%1.jpg", 1, 4, 109, 140);
    numbered("Pics/arrow%1.jpg", 1, 8, 32, 32);
    list.push_back({"Pics/Sun.jpg", 100, 100});
    list.push_back({"Pics/SystemBg.jpg", 817, 450});
    list.push_back({"Pics/TopLeft.jpg", 119, 41});
    list.push_back({"Pics/TopRight.jpg", 119, 41});
    list.push_back({"Pics/TitleBg.jpg", 662, 41});
    list.push_back({"Pics/Logo.bmp", 240, 41});
    list.push_back({"Pics/PanelLeft.jpg", 39, 454});
    list.push_back({"Pics/PanelRight.jpg", 40, 454});
    list.push_back({"Pics/BottomTop.jpg", 900, 12});
    list.push_back({"Pics/BottomCenter.jpg", 900, 180});
    list.push_back({"Pics/BottomBottom.jpg", 900, 13});
    list.push_back({"Pics/MsgBack.jpg", 479, 238});
    list.push_back({"Pics/MsgText.jpg", 433, 145});
    list.push_back({"Pics/President.jpg", 120, 150});
    list.push_back({"Pics/About.jpg", 495, 340});
    numbered("Pics/equip%1.bmp", 1, 15, 25, 25);
    numbered("Pics/status%1.bmp", 0, 2, 32, 32);
    numbered("Pics/NavPic%1.bmp", 1, 3, 96, 64);
    numbered("Pics/NavIcon%1.bmp", 0, 1, 16, 16);
    for (const char* name : {"Map", "System", "Order", "Navigator"}) {
        list.push_back({QString("Pics/btn%1.bmp").arg(name), 32, 28});
    }
    return list;
}

struct ExpectedSound {
    QString path;
    double minSeconds;
    double maxSeconds;
};

inline std::vector<ExpectedSound> expectedSounds() {
    return {{"Sounds/button.wav", 0.1, 1.2},      {"Sounds/good.wav", 0.1, 1.2},
            {"Sounds/bad.wav", 0.1, 1.2},         {"Sounds/goodmsg.wav", 0.1, 1.2},
            {"Sounds/badmsg.wav", 0.1, 1.2},      {"Sounds/install.wav", 0.1, 1.2},
            {"Sounds/fanfare.wav", 1.5, 2.5},     {"Sounds/trance.mp3", 4.0, 6.0},
            {"Sounds/space_loop.mp3", 30.0, 60.0}};
}

// The pictures drawn on the fuchsia key colour (sprites placed over other pictures).
inline bool isKeyedSprite(const QString& path) {
    return path.startsWith("Artefacts/") || path.startsWith("Pics/city") || path.startsWith("Pics/ship") ||
           path.startsWith("Pics/module") || path == "Pics/powerup.bmp" || path == "Pics/Seroship.bmp" ||
           path == "Pics/Logo.bmp" || path.startsWith("Pics/btn") || path.startsWith("Pics/NavIcon");
}
