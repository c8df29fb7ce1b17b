#ifndef CATALOGUE_H
#define CATALOGUE_H

#include <array>

// Every choice the window offers, as constant tables. Bit rates are in kbit/s;
// a label ending in "M" counts units of 1024 kbit/s.
namespace Catalogue {

inline constexpr char DeviceModel[] = "TALON R4 NEO";

struct QualityStep
{
    const char *label;
    float bitRate;
};

// clang-format off
inline constexpr std::array<QualityStep, 30> BitRateTable = {{
    {"128K", 128},    {"256K", 256},    {"384K", 384},    {"512K", 512},    {"640K", 640},
    {"768K", 768},    {"896K", 896},    {"1.0M", 1024},   {"1.5M", 1536},   {"2.0M", 2048},
    {"2.5M", 2560},   {"3.0M", 3072},   {"3.5M", 3584},   {"4.0M", 4096},   {"4.5M", 4608},
    {"5.0M", 5120},   {"5.5M", 5632},   {"6.0M", 6144},   {"6.5M", 6656},   {"7.0M", 7168},
    {"7.5M", 7680},   {"8.0M", 8192},   {"8.5M", 8704},   {"9.0M", 9216},   {"9.5M", 9728},
    {"10.0M", 10240}, {"10.5M", 10752}, {"11.0M", 11264}, {"11.5M", 11776}, {"12.0M", 12288},
}};
// clang-format on

// A run of BitRateTable steps, first to last inclusive.
struct QualitySlice
{
    int first;
    int last;
    constexpr int count() const { return last - first + 1; }
};

inline constexpr QualitySlice AllQualities{0, 29};
inline constexpr QualitySlice SubQualities{0, 3};

struct ResolutionList
{
    std::array<const char *, 7> entries;
    int count;
};

// Selectors 0 to 2 fill the main-stream list of device families 0 to 2; selector 3
// the second-stream list. In lists 0 to 2 the two largest pictures stand at 5 and 6.
inline constexpr std::array<ResolutionList, 4> ResolutionLists = {{
    {{"352X240", "720X480", "960X480", "1280X720", "1920X1080", "2560X1440", "2560X1944"}, 7},
    {{"800X600", "1024X768", "1280X1024", "1920X1080", "2560X1440", "2560X1600", "3840X2160"}, 7},
    {{"800X600", "1024X768", "1280X720", "1280X1024", "1920X1080", "2560X1600", "3840X2160"}, 7},
    {{"352X240", "720X480"}, 2},
}};
inline constexpr int SubResolutionSelector = 3;

// Decimal entries first, first + step, ... up to last.
struct NumberRange
{
    int first;
    int last;
    int step;
};

inline constexpr NumberRange StartupChannels{1, 16, 1};
inline constexpr NumberRange StartupFrameRates{1, 30, 1};
inline constexpr NumberRange SubFrameRates{1, 15, 1};
inline constexpr NumberRange MotionPercentages{5, 100, 5};

// A device family is the position of the model list.
struct DeviceFamily
{
    NumberRange channels;
    QualitySlice mainQualities;
    int resolutionSelector;
    // Only the family the model list offers refills the second-stream qualities
    // and rebuilds the frame rates once more itself.
    bool refreshesSecondStream;
};

inline constexpr std::array<DeviceFamily, 3> DeviceFamilies = {{
    {{1, 16, 1}, {3, 13}, 0, true},
    {{1, 64, 1}, AllQualities, 1, false},
    {{1, 16, 1}, AllQualities, 2, false},
}};

// The main-stream frame rates a resolution position allows, and the one selected.
struct FrameRateRule
{
    int resolutionPosition;
    int highest;
    int selectedPosition;
};

inline constexpr std::array<FrameRateRule, 2> FrameRateRules = {{
    {5, 15, 14},
    {6, 10, 9},
}};
inline constexpr FrameRateRule OtherFrameRates{-1, 30, 14};

// The look-ups over these tables. A position or index outside a table gives
// no label (nullptr), a bit rate of 0 or the fallback the comment names.

const char *qualityLabel(int index);

// The bit rate of the step that a family's main-stream list shows at a
// position: family 0 shows its own slice, any other family (none included) all
// steps.
float mainStreamBitRate(int family, int position);

float subStreamBitRate(int position);

// The family at a position of the model list; nullptr for none there.
const DeviceFamily *deviceFamily(int family);

// Selectors other than 1 to 3 give list 0.
const ResolutionList &resolutionList(int selector);

const FrameRateRule &frameRateRule(int resolutionPosition);

} // namespace Catalogue

#endif // CATALOGUE_H
