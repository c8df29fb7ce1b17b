#include "estimate/StorageEstimate.h"

#include <QString>

#include <cmath>

namespace StorageEstimate {

namespace {
constexpr float PerKilo = 0.0009765625f; // 1/1024, exact in binary
constexpr float Kilo = 1024.0f;
constexpr float BytesPerBit = 0.125f;
constexpr float SecondsPerHour = 3600.0f;
constexpr float HoursPerDay = 24.0f;
constexpr float Percent = 100.0f;
} // namespace

float recordingSeconds(float motionPercent)
{
    const float hours = motionPercent * HoursPerDay / Percent;
    return hours * SecondsPerHour;
}

float dailyVolume(float bitRate, float channels, float seconds)
{
    return bitRate * PerKilo * channels * seconds * BytesPerBit;
}

DailyVolumes dailyVolumes(float mainRate, float secondRate, float channels, float motionPercent)
{
    const float seconds = recordingSeconds(motionPercent);
    return {dailyVolume(mainRate, channels, seconds), dailyVolume(secondRate, channels, seconds)};
}

float requiredGigabytes(DailyVolumes volumes, float days, bool withSecondStream)
{
    const float mainOnly = days * volumes.main * PerKilo;
    if (!withSecondStream)
        return mainOnly;
    return days * volumes.second * PerKilo + mainOnly;
}

float daysOnDisk(DailyVolumes volumes, float terabytes, bool withSecondStream)
{
    const float perDay = withSecondStream ? volumes.second + volumes.main : volumes.main;
    return terabytes / perDay * Kilo * Kilo;
}

ShownSize shownSize(float gigabytes)
{
    if (gigabytes < 1.0f)
        return {gigabytes * Kilo, Unit::MB};
    if (gigabytes < Kilo)
        return {gigabytes, Unit::GB};
    return {gigabytes * PerKilo, Unit::TB};
}

const char *unitLabel(Unit unit)
{
    switch (unit) {
    case Unit::MB:
        return "[MB]";
    case Unit::GB:
        return "[GB]";
    case Unit::TB:
        break;
    }
    return "[TB]";
}

QString resultText(float value)
{
    if (!std::isfinite(value))
        return QString();
    return QString::number(double(value), 'f', 2);
}

} // namespace StorageEstimate
