#include "options/Catalogue.h"

#include <algorithm>

namespace Catalogue {

namespace {

float bitRateIn(QualitySlice slice, int position)
{
    if (position < 0 || position >= slice.count())
        return 0;
    return BitRateTable[slice.first + position].bitRate;
}

} // namespace

const char *qualityLabel(int index)
{
    if (index < 0 || index >= int(BitRateTable.size()))
        return nullptr;
    return BitRateTable[index].label;
}

float mainStreamBitRate(int family, int position)
{
    return bitRateIn(family == 0 ? DeviceFamilies[0].mainQualities : AllQualities, position);
}

float subStreamBitRate(int position)
{
    return bitRateIn(SubQualities, position);
}

const DeviceFamily *deviceFamily(int family)
{
    if (family < 0 || family >= int(DeviceFamilies.size()))
        return nullptr;
    return &DeviceFamilies[family];
}

const ResolutionList &resolutionList(int selector)
{
    const bool known = selector >= 1 && selector <= SubResolutionSelector;
    return ResolutionLists[known ? selector : 0];
}

// The largest pictures allow fewer frames per second; the rule goes by position.
const FrameRateRule &frameRateRule(int resolutionPosition)
{
    const auto rule = std::find_if(FrameRateRules.begin(), FrameRateRules.end(),
                                   [resolutionPosition](const auto &candidate) {
                                       return candidate.resolutionPosition == resolutionPosition;
                                   });
    return rule != FrameRateRules.end() ? *rule : OtherFrameRates;
}

} // namespace Catalogue
