#include "app/Calculator.h"

#include "app/TitleRoom.h"
#include "app/formlook.h"
#include "estimate/StorageEstimate.h"
#include "form/CalculatorForm.h"
#include "options/Catalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QSpacerItem>

namespace {
constexpr int EntryBottom = 0;
constexpr int EntryTop = 10000;

// Text-only entries at the end of a list, as every option list is filled.
void appendNumbers(QComboBox *list, Catalogue::NumberRange range)
{
    for (int value = range.first; value <= range.last; value += range.step)
        list->addItem(QString::number(value));
}

void appendQualities(QComboBox *list, Catalogue::QualitySlice slice)
{
    for (int index = slice.first; index <= slice.last; ++index)
        list->addItem(QLatin1String(Catalogue::qualityLabel(index)));
}

// What the channels record in a day with the chosen qualities; each calculation
// reads the motion share its own way.
StorageEstimate::DailyVolumes chosenVolumes(const Calculator &window, const CalculatorForm &form,
                                            float motion)
{
    const float mainRate = window.mainStreamBitRate(form.cbQuality->currentIndex());
    const float secondRate = window.subStreamBitRate(form.cbQualitySub->currentIndex());
    const float channels = float(form.cbChannels->currentText().toInt(nullptr, 10));
    return StorageEstimate::dailyVolumes(mainRate, secondRate, channels, motion);
}

// The figure in an entry, where it is above 0. Otherwise the user is told, and
// the calculation goes on with 0. Once a result stands in a field the line edit
// no longer reverts invalid edits, so "-5" or "nan" can get there: they count
// as 0, never as a negative figure.
float enteredFigure(const QComboBox *entry)
{
    const float figure = entry->currentText().toFloat();
    if (figure > 0)
        return figure;
    QMessageBox box;
    box.setWindowTitle(QStringLiteral("Calculate"));
    box.setInformativeText(QStringLiteral("Please enter a value greater than 0"));
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        auto *widener = new QSpacerItem(320, 0, QSizePolicy::Minimum, QSizePolicy::Expanding);
        grid->addItem(widener, grid->rowCount(), 0, 1, grid->columnCount());
    }
    box.exec();
    return 0;
}

} // namespace

Calculator::Calculator(QWidget *parent)
    : QMainWindow(parent)
    , form(new CalculatorForm)
{
    // The form's colours and font, held on the window itself against what a
    // desktop's theme sets later. Set first, so that every widget the form
    // makes inherits them as it is made.
    setPalette(formPalette());
    setFont(formFont());
    // The sheets the window ends with go on as the form makes each widget:
    // set over the finished form, they would polish every widget again (twice
    // on Qt 6) and cost the start-up a fifth more. The window ends the same,
    // pixel for pixel.
    form->setupUi(this, CalculatorForm::Sheets::Final);
    new TitleRoom(this);

    // Whole numbers only while typing; a result written into a field stays as written.
    form->leHDDSize->setValidator(new QIntValidator(EntryBottom, EntryTop, this));
    form->leDesiredDays->setValidator(new QIntValidator(EntryBottom, EntryTop, this));

    // The lists that never depend on another choice, and the start-up's frame rates.
    appendNumbers(form->cbChannels, Catalogue::StartupChannels);
    appendNumbers(form->cbFps, Catalogue::StartupFrameRates);
    appendNumbers(form->cbFpsSub, Catalogue::SubFrameRates);
    appendNumbers(form->cbARH, Catalogue::MotionPercentages);
    fillResolutionList(Catalogue::SubResolutionSelector);
    fillResolutionList(0);
    form->cbDeviceType->insertItem(0, QLatin1String(Catalogue::DeviceModel));

    form->cbQualitySub->setEnabled(true);
    form->cbResolutionSub->setEnabled(true);
    form->cbFpsSub->setEnabled(true);

    // Every list is filled before any connection exists, so nothing above runs a slot.
    slotResolutionChange();
    slotDeviceTypeChange();

    connect(form->pbCalculateDays, &QPushButton::clicked, this, &Calculator::slotCalculateHDDtoDays);
    connect(form->pbCalculateHDD, &QPushButton::clicked, this, &Calculator::slotCalculateDaystoHDD);
    connect(form->cbDeviceType, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &Calculator::slotDeviceTypeChange);
    connect(form->cbResolution, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &Calculator::slotResolutionChange);
    connect(form->cbCalcTogether, &QCheckBox::clicked, this, &Calculator::slotCalcTogetherChecked);

    form->cbQuality->setCurrentIndex(10);   // "4.0M"
    form->cbResolution->setCurrentIndex(4); // "1920X1080", through slotResolutionChange
    form->cbFps->setCurrentIndex(14);       // "15"
    form->cbQualitySub->setCurrentIndex(3); // "512K"
    form->cbFpsSub->setCurrentIndex(14);    // "15"
    form->cbARH->setCurrentIndex(19);       // "100"

    form->leHDDSize->clearEditText();
    form->leDesiredDays->clearEditText();
}

Calculator::~Calculator()
{
    delete form;
}

QString Calculator::qualityLabel(int index) const
{
    const char *label = Catalogue::qualityLabel(index);
    return label ? QString(QLatin1String(label)) : QString();
}

// The family is read on every call: the same position means another step in another family.
float Calculator::mainStreamBitRate(int position) const
{
    return Catalogue::mainStreamBitRate(form->cbDeviceType->currentIndex(), position);
}

float Calculator::subStreamBitRate(int position) const
{
    return Catalogue::subStreamBitRate(position);
}

// Selector 3 appends the second-stream list without clearing it, but the
// main-stream list is emptied whatever the selector.
void Calculator::fillResolutionList(int selector)
{
    form->cbResolution->clear();
    const Catalogue::ResolutionList &list = Catalogue::resolutionList(selector);
    QComboBox *target =
        selector == Catalogue::SubResolutionSelector ? form->cbResolutionSub : form->cbResolution;
    for (int i = 0; i < list.count; ++i)
        target->addItem(QLatin1String(list.entries[i]));
}

void Calculator::slotDeviceTypeChange()
{
    const Catalogue::DeviceFamily *device = Catalogue::deviceFamily(form->cbDeviceType->currentIndex());
    if (!device)
        return;

    form->cbChannels->clear();
    appendNumbers(form->cbChannels, device->channels);
    form->cbQuality->clear();
    appendQualities(form->cbQuality, device->mainQualities);
    if (device->refreshesSecondStream) {
        form->cbQualitySub->clear();
        appendQualities(form->cbQualitySub, Catalogue::SubQualities);
    }
    // Rebuilding the resolution list re-enters slotResolutionChange through its own signal.
    fillResolutionList(device->resolutionSelector);
    if (device->refreshesSecondStream)
        slotResolutionChange();
}

void Calculator::slotResolutionChange()
{
    const Catalogue::FrameRateRule &rule = Catalogue::frameRateRule(form->cbResolution->currentIndex());
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

void Calculator::slotCalculateDaystoHDD()
{
    const float motion = float(form->cbARH->currentText().toInt(nullptr, 10));
    const StorageEstimate::DailyVolumes volumes = chosenVolumes(*this, *form, motion);

    const float days = enteredFigure(form->leDesiredDays);
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

    const float motion = form->cbARH->currentText().toFloat();
    const StorageEstimate::DailyVolumes volumes = chosenVolumes(*this, *form, motion);

    const float terabytes = enteredFigure(form->leHDDSize);
    const float days = StorageEstimate::daysOnDisk(volumes, terabytes, form->cbCalcTogether->isChecked());
    form->leDesiredDays->setCurrentText(StorageEstimate::resultText(days));
}
