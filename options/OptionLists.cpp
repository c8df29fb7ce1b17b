#include "options/OptionLists.h"

#include "form/CalculatorForm.h"

#include <QComboBox>

void appendNumbers(QComboBox *list, Catalogue::NumberRange range)
{
    for (int value = range.first; value <= range.last; value += range.step)
        list->addItem(QString::number(value));
}

void appendStartupItems(const CalculatorForm &form)
{
    appendNumbers(form.cbChannels, Catalogue::StartupChannels);
    appendNumbers(form.cbFps, Catalogue::StartupFrameRates);
    appendNumbers(form.cbFpsSub, Catalogue::SubFrameRates);
    appendNumbers(form.cbARH, Catalogue::MotionPercentages);
}
