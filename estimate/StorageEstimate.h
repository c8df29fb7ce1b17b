#ifndef STORAGEESTIMATE_H
#define STORAGEESTIMATE_H

class QString;

// The arithmetic of both calculations, over single-precision floats and in the
// order written: each step is rounded to float, so the last shown digit matches.
// Rates in kbit/s; volumes in MB with 1024 MB to the GB and 1024 GB to the TB.
namespace StorageEstimate {

struct DailyVolumes
{
    float main;   // MB per day of the main streams
    float second; // MB per day of the second streams
};

// Seconds per day during which the channels record, at a motion share in percent.
float recordingSeconds(float motionPercent);

// What N channels record in a day at a rate, in MB.
float dailyVolume(float bitRate, float channels, float seconds);

DailyVolumes dailyVolumes(float mainRate, float secondRate, float channels, float motionPercent);

// The disk that holds the given days, in GB.
float requiredGigabytes(DailyVolumes volumes, float days, bool withSecondStream);

// The days that a disk of the given terabytes holds; inf or nan when nothing is recorded.
float daysOnDisk(DailyVolumes volumes, float terabytes, bool withSecondStream);

enum class Unit : unsigned char { MB, GB, TB };

struct ShownSize
{
    float value;
    Unit unit;
};

// The unit follows the unrounded amount: below 1 GB in MB, below 1024 GB in GB.
ShownSize shownSize(float gigabytes);

const char *unitLabel(Unit unit);

// Two decimals, or nothing where no figure can be given (infinite or undefined).
QString resultText(float value);

} // namespace StorageEstimate

#endif // STORAGEESTIMATE_H
