#include "app/Calculator.h"

#include "app/formlook.h"
#include "form/CalculatorForm.h"
#include "form/StyleSheets.h"
#include "options/Catalogue.h"
#include "options/OptionLists.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QPalette>
#include <QIntValidator>
#include <QPushButton>

// The arrow image's object file in this static library registers it during
// static initialisation, before main() runs. Nothing calls into that file, so
// this reference, from a file that every program links, keeps the linker from
// dropping it.
int qInitResources_hddcalc();
extern int (*const keepArrowResource)();
int (*const keepArrowResource)() = &qInitResources_hddcalc;

namespace {
constexpr int EntryBottom = 0;
constexpr int EntryTop = 10000;
// Qt 6 re-polishes every widget twice when a sheet is set on a window with any
// polished child, which the entries' popups are once editable. There the
// window's final sheet goes on as the form begins: the window ends the same,
// pixel for pixel, and starts a third cheaper. Qt 5 lays the group boxes out
// by the first sheet, so it keeps the order.
constexpr bool FinalSheetFirst = QT_VERSION >= QT_VERSION_CHECK(6, 0, 0);
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
    form->setupUi(this, FinalSheetFirst ? StyleSheet::W1 : nullptr);

    // Whole numbers only while typing; a result written into a field stays as written.
    form->leHDDSize->setValidator(new QIntValidator(EntryBottom, EntryTop, this));
    form->leDesiredDays->setValidator(new QIntValidator(EntryBottom, EntryTop, this));

    appendStartupItems(*form);
    fillResolutionList(Catalogue::SubResolutionSelector);
    fillResolutionList(0);
    form->cbDeviceType->insertItem(0, QLatin1String(Catalogue::DeviceModel));

    if (!FinalSheetFirst)
        setStyleSheet(QLatin1String(StyleSheet::W1));
    form->leHDDSize->setStyleSheet(QLatin1String(StyleSheet::E));
    form->leDesiredDays->setStyleSheet(QLatin1String(StyleSheet::E));

    form->cbQualitySub->setEnabled(true);
    form->cbResolutionSub->setEnabled(true);
    form->cbFpsSub->setEnabled(true);

    form->cbQualitySub->setStyleSheet(QLatin1String(StyleSheet::S1));
    form->cbResolutionSub->setStyleSheet(QLatin1String(StyleSheet::S2));
    form->cbFpsSub->setStyleSheet(QLatin1String(StyleSheet::S1));

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
