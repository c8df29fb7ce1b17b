#include "app/Calculator.h"

#include "form/CalculatorForm.h"
#include "options/Catalogue.h"
#include "options/OptionLists.h"

#include <QComboBox>

#include <algorithm>

namespace {

float bitRateIn(Catalogue::QualitySlice slice, int position)
{
    if (position < 0 || position >= slice.count())
        return 0;
    return Catalogue::BitRateTable[slice.first + position].bitRate;
}

const Catalogue::FrameRateRule &frameRateRuleFor(int resolutionPosition)
{
    const auto &rules = Catalogue::FrameRateRules;
    const auto rule = std::find_if(rules.begin(), rules.end(), [resolutionPosition](const auto &candidate) {
        return candidate.resolutionPosition == resolutionPosition;
    });
    return rule != rules.end() ? *rule : Catalogue::OtherFrameRates;
}

} // namespace

QString Calculator::qualityLabel(int index) const
{
    if (index < 0 || index >= int(Catalogue::BitRateTable.size()))
        return QString();
    return QLatin1String(Catalogue::BitRateTable[index].label);
}

// The family is read on every call: the same position means another step in another family.
float Calculator::mainStreamBitRate(int position) const
{
    const bool firstFamily = form->cbDeviceType->currentIndex() == 0;
    return bitRateIn(firstFamily ? Catalogue::DeviceFamilies[0].mainQualities : Catalogue::AllQualities,
                     position);
}

float Calculator::subStreamBitRate(int position) const
{
    return bitRateIn(Catalogue::SubQualities, position);
}

// Selector 3 appends the second-stream list without clearing it, but the
// main-stream list is emptied whatever the selector.
void Calculator::fillResolutionList(int selector)
{
    form->cbResolution->clear();
    if (selector == Catalogue::SubResolutionSelector) {
        const Catalogue::ResolutionList &list = Catalogue::ResolutionLists[selector];
        for (int i = 0; i < list.count; ++i)
            form->cbResolutionSub->addItem(QLatin1String(list.entries[i]));
        return;
    }
    const bool known = selector == 1 || selector == 2;
    const Catalogue::ResolutionList &list = Catalogue::ResolutionLists[known ? selector : 0];
    for (int i = 0; i < list.count; ++i)
        form->cbResolution->addItem(QLatin1String(list.entries[i]));
}

void Calculator::slotDeviceTypeChange()
{
    const int family = form->cbDeviceType->currentIndex();
    if (family < 0 || family >= int(Catalogue::DeviceFamilies.size()))
        return;
    const Catalogue::DeviceFamily &device = Catalogue::DeviceFamilies[family];

    form->cbChannels->clear();
    appendNumbers(form->cbChannels, device.channels);
    form->cbQuality->clear();
    for (int index = device.mainQualities.first; index <= device.mainQualities.last; ++index)
        form->cbQuality->addItem(qualityLabel(index));
    if (device.refreshesSecondStream) {
        form->cbQualitySub->clear();
        for (int index = Catalogue::SubQualities.first; index <= Catalogue::SubQualities.last; ++index)
            form->cbQualitySub->addItem(qualityLabel(index));
    }
    // Rebuilding the resolution list re-enters slotResolutionChange through its own signal.
    fillResolutionList(device.resolutionSelector);
    if (device.refreshesSecondStream)
        slotResolutionChange();
}

// The largest pictures allow fewer frames per second; the rule goes by position.
void Calculator::slotResolutionChange()
{
    const Catalogue::FrameRateRule &rule = frameRateRuleFor(form->cbResolution->currentIndex());
    form->cbFps->clear();
    appendNumbers(form->cbFps, {1, rule.highest, 1});
    form->cbFps->setCurrentIndex(rule.selectedPosition);
}

void Calculator::slotCalcTogetherChecked(bool _checked)
{
    form->cbQualitySub->setEnabled(_checked);
    form->cbResolutionSub->setEnabled(_checked);
    form->cbFpsSub->setEnabled(_checked);
}

void Calculator::slotleReset()
{
    form->leHDDSize->clearEditText();
    form->leDesiredDays->clearEditText();
}
