#include "app/Calculator.h"

#include "estimate/StorageEstimate.h"
#include "form/CalculatorForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QSpacerItem>

namespace {

// Tells the user; the calculation then goes on with nothing entered. Once a
// result stands in a field the line edit no longer reverts invalid edits, so
// "-5" or "nan" can get there: they count as 0, never as a negative figure.
void warnNotPositive()
{
    QMessageBox box;
    box.setWindowTitle(QStringLiteral("Calculate"));
    box.setInformativeText(QStringLiteral("Please enter a value greater than 0"));
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        auto *widener = new QSpacerItem(320, 0, QSizePolicy::Minimum, QSizePolicy::Expanding);
        grid->addItem(widener, grid->rowCount(), 0, 1, grid->columnCount());
    }
    box.exec();
}

} // namespace

void Calculator::slotCalculateDaystoHDD()
{
    const float mainRate = mainStreamBitRate(form->cbQuality->currentIndex());
    const float secondRate = subStreamBitRate(form->cbQualitySub->currentIndex());
    const float channels = float(form->cbChannels->currentText().toInt(nullptr, 10));
    const float motion = float(form->cbARH->currentText().toInt(nullptr, 10));
    const StorageEstimate::DailyVolumes volumes =
        StorageEstimate::dailyVolumes(mainRate, secondRate, channels, motion);

    float days = form->leDesiredDays->currentText().toFloat();
    if (!(days > 0)) {
        warnNotPositive();
        days = 0;
    }

    const float gigabytes =
        StorageEstimate::requiredGigabytes(volumes, days, form->cbCalcTogether->isChecked());
    const StorageEstimate::ShownSize size = StorageEstimate::shownSize(gigabytes);
    form->leHDDSize->setCurrentText(StorageEstimate::resultText(size.value));
    form->lbHddUnit->clear();
    form->lbHddUnit->setText(QLatin1String(StorageEstimate::unitLabel(size.unit)));
    form->nameHddSizeEntry();
}

// The size is always taken as terabytes, whatever unit the other calculation left.
void Calculator::slotCalculateHDDtoDays()
{
    form->lbHddUnit->clear();
    form->lbHddUnit->setText(QLatin1String(StorageEstimate::unitLabel(StorageEstimate::Unit::TB)));
    form->nameHddSizeEntry();

    const float mainRate = mainStreamBitRate(form->cbQuality->currentIndex());
    const float secondRate = subStreamBitRate(form->cbQualitySub->currentIndex());
    const float channels = float(form->cbChannels->currentText().toInt(nullptr, 10));
    const float motion = form->cbARH->currentText().toFloat();
    const StorageEstimate::DailyVolumes volumes =
        StorageEstimate::dailyVolumes(mainRate, secondRate, channels, motion);

    float terabytes = form->leHDDSize->currentText().toFloat();
    if (!(terabytes > 0)) {
        warnNotPositive();
        terabytes = 0;
    }

    const float days =
        StorageEstimate::daysOnDisk(volumes, terabytes, form->cbCalcTogether->isChecked());
    form->leDesiredDays->setCurrentText(StorageEstimate::resultText(days));
}
