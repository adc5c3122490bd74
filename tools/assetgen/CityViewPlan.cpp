#include "CityViewPlan.h"

#include "AssetRandom.h"

#include <string>

namespace veltrane::assetgen {

namespace {

Rgb stoneOf(CityForm form) {
    switch (form) {
    case CityForm::Domes:
        return Rgb::hex(0xe6d8c0); // pale marble
    case CityForm::Needles:
        return Rgb::hex(0x9cb2c8); // steel and glass
    case CityForm::Terraces:
        return Rgb::hex(0xc88a5e); // fired clay
    case CityForm::Shells:
        return Rgb::hex(0xd8c0d4); // grown nacre
    case CityForm::Harbour:
        return Rgb::hex(0xeee8da); // whitewash
    case CityForm::Canyon:
        return Rgb::hex(0xb86840); // the cliff's own rock
    case CityForm::Skyborne:
        return Rgb::hex(0xf2eef8);
    case CityForm::Arcology:
        return Rgb::hex(0x6c7888); // dark alloy
    }
    return Rgb::hex(0x9098a8);
}

double horizonOf(CityForm form) {
    switch (form) {
    case CityForm::Harbour:
        return 128; // the far shore: the water takes the rest
    case CityForm::Canyon:
    case CityForm::Skyborne:
        return 172; // a narrow floor, or the top of the cloud sea
    case CityForm::Needles:
    case CityForm::Arcology:
        return 166;
    default:
        return 158;
    }
}

} // namespace

CityViewPlan CityViewPlan::forCity(int n, double width, double height) {
    // Neighbouring numbers always differ in form; numbers eight apart share a form but the
    // hour moves on by one and the weather by two, so every (form, hour, weather) is unique.
    const int i = n - 1;
    CityViewPlan plan{};
    plan.form = static_cast<CityForm>(i % 8);
    plan.hour = static_cast<CityHour>((3 * i + i / 8) % 4);
    plan.weather = static_cast<CityWeather>((2 * i + i / 8) % 5);
    if (plan.hour == CityHour::Night && plan.weather == CityWeather::Dust) {
        // Dust by night is only mud in the dark: those nights rain or snow instead.
        plan.weather = i % 3 == 1 ? CityWeather::Rain : CityWeather::Snow;
    }

    AssetRandom rnd(AssetRandom::seedFor("cityplan" + std::to_string(n)));
    const double skyHue = rnd.range(-40, 40);
    plan.horizon = horizonOf(plan.form) * height / 225.0 + rnd.range(-6, 6);
    const double h = plan.horizon;
    switch (plan.hour) {
    case CityHour::Dawn:
        plan.skyTop = Rgb::hex(0x3a5a9a);
        plan.skyLow = Rgb::hex(0xf6d2c8);
        plan.sunColour = Rgb::hex(0xfff0c8);
        plan.sunAt = {rnd.range(0.12, 0.3) * width, h - rnd.range(25, 45)};
        plan.light = Rgb::hex(0xffdcc4);
        plan.window = Rgb::hex(0xffd890);
        plan.lit = 0.3;
        break;
    case CityHour::Noon:
        plan.skyTop = Rgb::hex(0x2c6cc4);
        plan.skyLow = Rgb::hex(0xc6e4f6);
        plan.sunColour = Rgb::hex(0xfffbe8);
        plan.sunAt = {rnd.range(0.08, 0.25) * width, rnd.range(14, 30)};
        plan.light = Rgb::hex(0xffffff);
        plan.window = Rgb::hex(0xfff4d0);
        plan.lit = 0.06;
        break;
    case CityHour::Dusk:
        plan.skyTop = Rgb::hex(0x240a36);
        plan.skyLow = Rgb::hex(0xff5a22);
        plan.sunColour = Rgb::hex(0xffa860);
        plan.sunAt = {rnd.range(0.06, 0.22) * width, h - rnd.range(8, 22)};
        plan.light = Rgb::hex(0xffa878);
        plan.window = Rgb::hex(0xffc870);
        plan.lit = 0.5;
        break;
    case CityHour::Night:
        plan.skyTop = Rgb::hex(0x02040e);
        plan.skyLow = shiftHue(Rgb::hex(0x182452), rnd.range(-70, 70));
        plan.sunColour = Rgb::hex(0xdce6ff);
        plan.sunAt = {rnd.range(0.1, 0.3) * width, rnd.range(22, 48)};
        plan.light = Rgb::hex(0x52608e);
        plan.window = rnd.chance(0.5) ? Rgb::hex(0xffd274) : Rgb::hex(0x9cf0ff);
        plan.lit = 0.72;
        break;
    }
    // Every world's air scatters a little differently.
    plan.skyTop = shiftHue(plan.skyTop, skyHue);
    plan.skyLow = shiftHue(plan.skyLow, skyHue * 0.7);
    plan.haze = mix(plan.skyLow, plan.skyTop, 0.25);
    plan.hazeDepth = 0.55;

    switch (plan.weather) {
    case CityWeather::Clear:
        plan.hazeDepth = 0.4;
        break;
    case CityWeather::Haze:
        plan.haze = mix(plan.skyLow, Rgb{0.85, 0.85, 0.88}, 0.3);
        plan.hazeDepth = 0.85;
        break;
    case CityWeather::Rain: {
        const Rgb grey = Rgb::hex(plan.hour == CityHour::Night ? 0x0c1018 : 0x5a6270);
        plan.skyTop = mix(plan.skyTop, grey, 0.6);
        plan.skyLow = mix(plan.skyLow, grey * 1.4, 0.55);
        plan.light = plan.light * 0.75;
        plan.haze = mix(plan.skyLow, grey, 0.4);
        plan.lit = std::min(0.85, plan.lit + 0.25);
        break;
    }
    case CityWeather::Snow: {
        const Rgb pale = Rgb::hex(plan.hour == CityHour::Night ? 0x1c2436 : 0xc8ccd8);
        plan.skyTop = mix(plan.skyTop, pale, 0.45);
        plan.skyLow = mix(plan.skyLow, pale, 0.55);
        plan.haze = mix(plan.skyLow, pale, 0.5);
        plan.light = mix(plan.light, Rgb{0.9, 0.93, 1.0}, 0.4);
        break;
    }
    case CityWeather::Dust: {
        const Rgb dust = Rgb::hex(0xc08a50);
        plan.skyTop = mix(plan.skyTop, dust * 0.8, 0.5);
        plan.skyLow = mix(plan.skyLow, dust, 0.65);
        plan.haze = dust;
        plan.hazeDepth = 0.75;
        plan.sunColour = mix(plan.sunColour, Rgb::hex(0xffc080), 0.6);
        plan.light = mix(plan.light, Rgb::hex(0xe0a060), 0.4);
        break;
    }
    }

    const double stoneHue = plan.form == CityForm::Shells ? rnd.range(-90, 90) : rnd.range(-18, 18);
    plan.stone = shiftHue(stoneOf(plan.form), stoneHue);
    plan.accent = Rgb::from(QColor::fromHsv((n * 83) % 360, 180, 250).rgb());
    return plan;
}

} // namespace veltrane::assetgen
