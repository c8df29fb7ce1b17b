#include "form/CalculatorForm.h"

#include "form/StyleSheets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMetaObject>
#include <QPushButton>
#include <QSpacerItem>
#include <QStatusBar>
#include <QVBoxLayout>

#include <iterator>

// The arrow image's object file in this static library registers it during
// static initialisation, before main() runs. Nothing calls into that file, so
// this reference, from the file that builds the form, keeps the linker from
// dropping it.
int qInitResources_hddcalc();
extern int (*const keepArrowResource)();
int (*const keepArrowResource)() = &qInitResources_hddcalc;

namespace {

constexpr int LayoutSpacing = 6;
constexpr int LayoutMargin = 11;
constexpr int Unlimited = QWIDGETSIZE_MAX;
// The entries' presets: disk sizes in terabytes; one day, one to three weeks, a month.
constexpr const char *HddSizePresets[] = {"1", "2", "3", "4", "5", "6", "8", "10", "20", "30", "40"};
constexpr const char *DesiredDaysPresets[] = {"1", "7", "14", "21", "30"};

template<class Widget>
Widget *makeWidget(QWidget *parent, const char *name, const char *sheet = nullptr)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    if (sheet)
        widget->setStyleSheet(QLatin1String(sheet));
    return widget;
}

QLabel *makeCaption(QWidget *parent, const char *name)
{
    return makeWidget<QLabel>(parent, name, "");
}

QComboBox *makeCombo(QWidget *parent, const char *name, int minimumWidth, const char *sheet)
{
    auto *combo = makeWidget<QComboBox>(parent, name);
    combo->setMinimumSize(minimumWidth, 20);
    combo->setStyleSheet(QLatin1String(sheet));
    return combo;
}

// An editable combo box that offers a list of empty presets; retranslateUi names them.
QComboBox *makeEntry(QWidget *parent, const char *name, int presets, const char *sheet)
{
    auto *entry = makeWidget<QComboBox>(parent, name, sheet);
    for (int i = 0; i < presets; ++i)
        entry->addItem(QString());
    entry->setEditable(true);
    entry->setMaximumSize(Unlimited, 21);
    return entry;
}

template<class Texts>
void namePresets(QComboBox *entry, const Texts &texts)
{
    int index = 0;
    for (const char *text : texts)
        entry->setItemText(index++, QCoreApplication::translate("Calculator", text));
}

QPushButton *makeButton(QWidget *parent, const char *name, int minimumWidth, int minimumHeight)
{
    auto *button = makeWidget<QPushButton>(parent, name, StyleSheet::B);
    button->setMinimumSize(minimumWidth, minimumHeight);
    return button;
}

QGroupBox *makeGroup(QWidget *parent, const char *name)
{
    return makeWidget<QGroupBox>(parent, name, StyleSheet::G);
}

QGridLayout *makeGrid(QGroupBox *box, const char *name)
{
    auto *grid = new QGridLayout(box);
    grid->setSpacing(LayoutSpacing);
    grid->setContentsMargins(LayoutMargin, LayoutMargin, LayoutMargin, LayoutMargin);
    grid->setObjectName(QLatin1String(name));
    return grid;
}

template<class Box>
Box *makeNestedBox(const char *name, int spacing)
{
    auto *box = new Box();
    box->setSpacing(spacing);
    box->setObjectName(QLatin1String(name));
    return box;
}

QSpacerItem *makeSpacer()
{
    return new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
}

} // namespace

void CalculatorForm::setupUi(QMainWindow *window, Sheets sheets)
{
    if (window->objectName().isEmpty())
        window->setObjectName(QStringLiteral("Calculator"));
    window->resize(510, 435);
    window->setMaximumSize(510, 435);
    const bool final = sheets == Sheets::Final;
    window->setStyleSheet(QLatin1String(final ? StyleSheet::W1 : StyleSheet::W0));

    centralWidget = makeWidget<QWidget>(window, "centralWidget");
    verticalLayout_2 = new QVBoxLayout(centralWidget);
    verticalLayout_2->setSpacing(LayoutSpacing);
    verticalLayout_2->setContentsMargins(LayoutMargin, LayoutMargin, LayoutMargin, LayoutMargin);
    verticalLayout_2->setObjectName(QStringLiteral("verticalLayout_2"));

    // Device
    groupBox = makeGroup(centralWidget, "groupBox");
    groupBox->setMaximumSize(Unlimited, Unlimited);
    groupBox->setLayoutDirection(Qt::LeftToRight);
    gridLayout = makeGrid(groupBox, "gridLayout");
    cbDeviceType = makeCombo(groupBox, "cbDeviceType", 130, StyleSheet::C1);
    cbDeviceType->setEnabled(true);
    cbDeviceType->setFrame(true);
    gridLayout->addWidget(cbDeviceType, 0, 1, 1, 1);
    cbChannels = makeCombo(groupBox, "cbChannels", 40, StyleSheet::C1);
    gridLayout->addWidget(cbChannels, 0, 5, 1, 1);
    lbMainChannels = makeCaption(groupBox, "lbMainChannels");
    gridLayout->addWidget(lbMainChannels, 0, 4, 1, 1);
    deviceSpacer = makeSpacer();
    gridLayout->addItem(deviceSpacer, 0, 2, 1, 1);
    lbDeviceType = makeCaption(groupBox, "lbDeviceType");
    gridLayout->addWidget(lbDeviceType, 0, 0, 1, 1);
    verticalLayout_2->addWidget(groupBox);

    verticalLayout = makeNestedBox<QVBoxLayout>("verticalLayout", 5);
    horizontalLayout_2 = makeNestedBox<QHBoxLayout>("horizontalLayout_2", LayoutSpacing);

    // Main Stream Setting
    groupBox_2 = makeGroup(centralWidget, "groupBox_2");
    gridLayout_3 = makeGrid(groupBox_2, "gridLayout_3");
    lbResolution = makeCaption(groupBox_2, "lbResolution");
    gridLayout_3->addWidget(lbResolution, 2, 0, 1, 1);
    cbResolution = makeCombo(groupBox_2, "cbResolution", 85, StyleSheet::C1);
    cbResolution->setEnabled(true);
    gridLayout_3->addWidget(cbResolution, 2, 1, 1, 1);
    lbFPS = makeCaption(groupBox_2, "lbFPS");
    gridLayout_3->addWidget(lbFPS, 3, 0, 1, 1);
    cbQuality = makeCombo(groupBox_2, "cbQuality", 85, StyleSheet::C1);
    cbQuality->setEnabled(true);
    cbQuality->setLayoutDirection(Qt::LeftToRight);
    gridLayout_3->addWidget(cbQuality, 0, 1, 1, 1);
    cbFps = makeCombo(groupBox_2, "cbFps", 85, StyleSheet::C1);
    cbFps->setEnabled(true);
    gridLayout_3->addWidget(cbFps, 3, 1, 1, 1);
    lbQuality = makeCaption(groupBox_2, "lbQuality");
    gridLayout_3->addWidget(lbQuality, 0, 0, 1, 1);
    horizontalLayout_2->addWidget(groupBox_2);

    // Second Stream Setting
    groupBox_4 = makeGroup(centralWidget, "groupBox_4");
    gridLayout_4 = makeGrid(groupBox_4, "gridLayout_4");
    cbQualitySub = makeCombo(groupBox_4, "cbQualitySub", 119, final ? StyleSheet::S1 : StyleSheet::C1);
    cbQualitySub->setEnabled(true);
    cbQualitySub->setLayoutDirection(Qt::LeftToRight);
    gridLayout_4->addWidget(cbQualitySub, 1, 1, 1, 1);
    lbQuality_2 = makeCaption(groupBox_4, "lbQuality_2");
    gridLayout_4->addWidget(lbQuality_2, 1, 0, 1, 1);
    lbResolution_2 = makeCaption(groupBox_4, "lbResolution_2");
    gridLayout_4->addWidget(lbResolution_2, 3, 0, 1, 1);
    lbFPS_2 = makeCaption(groupBox_4, "lbFPS_2");
    gridLayout_4->addWidget(lbFPS_2, 4, 0, 1, 1);
    cbResolutionSub = makeCombo(groupBox_4, "cbResolutionSub", 85, final ? StyleSheet::S2 : StyleSheet::C2);
    cbResolutionSub->setEnabled(true);
    cbResolutionSub->setFrame(true);
    gridLayout_4->addWidget(cbResolutionSub, 3, 1, 1, 1);
    cbFpsSub = makeCombo(groupBox_4, "cbFpsSub", 85, final ? StyleSheet::S1 : StyleSheet::C1);
    cbFpsSub->setEnabled(true);
    gridLayout_4->addWidget(cbFpsSub, 4, 1, 1, 1);
    cbCalcTogether = makeWidget<QCheckBox>(groupBox_4, "cbCalcTogether", StyleSheet::K);
    cbCalcTogether->setChecked(true);
    gridLayout_4->addWidget(cbCalcTogether, 0, 0, 1, 2);
    horizontalLayout_2->addWidget(groupBox_4);
    verticalLayout->addLayout(horizontalLayout_2);

    // The note line
    label = makeWidget<QLabel>(centralWidget, "label");
    label->setMinimumSize(0, 20);
    label->setMaximumSize(Unlimited, 20);
    label->setStyleSheet(QLatin1String(StyleSheet::N));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    verticalLayout->addWidget(label);
    verticalLayout_2->addLayout(verticalLayout);

    // Calculate
    groupBox_3 = makeGroup(centralWidget, "groupBox_3");
    gridLayout_2 = makeGrid(groupBox_3, "gridLayout_2");
    pbCalculateHDD = makeButton(groupBox_3, "pbCalculateHDD", 120, 23);
    gridLayout_2->addWidget(pbCalculateHDD, 6, 3, 1, 1);
    leHDDSize = makeEntry(groupBox_3, "leHDDSize", int(std::size(HddSizePresets)),
                          final ? StyleSheet::E : StyleSheet::C2);
    gridLayout_2->addWidget(leHDDSize, 1, 1, 1, 1);
    lbDesiredDays = makeCaption(groupBox_3, "lbDesiredDays");
    gridLayout_2->addWidget(lbDesiredDays, 6, 0, 1, 1);
    lbHDDSize = makeCaption(groupBox_3, "lbHDDSize");
    gridLayout_2->addWidget(lbHDDSize, 1, 0, 1, 1);
    cbARH = makeCombo(groupBox_3, "cbARH", 0, StyleSheet::C2);
    cbARH->setMaximumSize(Unlimited, 21);
    gridLayout_2->addWidget(cbARH, 0, 1, 1, 1);
    leDesiredDays = makeEntry(groupBox_3, "leDesiredDays", int(std::size(DesiredDaysPresets)),
                              final ? StyleSheet::E : StyleSheet::C1);
    gridLayout_2->addWidget(leDesiredDays, 6, 1, 1, 1);
    lbARH = makeCaption(groupBox_3, "lbARH");
    gridLayout_2->addWidget(lbARH, 0, 0, 1, 1);
    pbCalculateDays = makeButton(groupBox_3, "pbCalculateDays", 120, 23);
    gridLayout_2->addWidget(pbCalculateDays, 1, 3, 1, 1);
    lbHddUnit = makeCaption(groupBox_3, "lbHddUnit");
    lbHddUnit->setMinimumSize(30, 25);
    lbHddUnit->setMaximumSize(30, 25);
    lbHddUnit->setAlignment(Qt::AlignCenter);
    gridLayout_2->addWidget(lbHddUnit, 1, 2, 1, 1);
    label_2 = makeWidget<QLabel>(groupBox_3, "label_2");
    label_2->setAlignment(Qt::AlignCenter);
    gridLayout_2->addWidget(label_2, 0, 2, 1, 1);
    verticalLayout_2->addWidget(groupBox_3);

    // Bottom row
    horizontalLayout = makeNestedBox<QHBoxLayout>("horizontalLayout", LayoutSpacing);
    closeSpacer = makeSpacer();
    horizontalLayout->addItem(closeSpacer);
    pbClose = makeButton(centralWidget, "pbClose", 80, 20);
    horizontalLayout->addWidget(pbClose);
    verticalLayout_2->addLayout(horizontalLayout);

    window->setCentralWidget(centralWidget);
    statusBar = makeWidget<QStatusBar>(window, "statusBar");
    window->setStatusBar(statusBar);

    retranslateUi(window);
    nameForScreenReaders();
    QObject::connect(pbClose, SIGNAL(clicked()), window, SLOT(close()));
    QMetaObject::connectSlotsByName(window);
}

// The captions sit beside the fields, and three of them stand in both stream
// boxes; a screen reader needs each field's own name. Windows' readers take the
// field's name, Linux readers that of the caption labelling a combo box, so
// both carry it.
void CalculatorForm::nameForScreenReaders()
{
    struct Name
    {
        QWidget *field;
        QLabel *caption;
        const char *text;
    };
    const Name names[] = {
        {cbDeviceType, lbDeviceType, QT_TRANSLATE_NOOP("Calculator", "Device Model")},
        {cbChannels, lbMainChannels, QT_TRANSLATE_NOOP("Calculator", "Channel")},
        {cbQuality, lbQuality, QT_TRANSLATE_NOOP("Calculator", "Main Stream Quality")},
        {cbResolution, lbResolution, QT_TRANSLATE_NOOP("Calculator", "Main Stream Resolution")},
        {cbFps, lbFPS, QT_TRANSLATE_NOOP("Calculator", "Main Stream Frame Rate(FPS)")},
        {cbCalcTogether, nullptr,
         QT_TRANSLATE_NOOP("Calculator", "Second Stream: Calculations excluded when unchecked")},
        {cbQualitySub, lbQuality_2, QT_TRANSLATE_NOOP("Calculator", "Second Stream Quality")},
        {cbResolutionSub, lbResolution_2, QT_TRANSLATE_NOOP("Calculator", "Second Stream Resolution")},
        {cbFpsSub, lbFPS_2, QT_TRANSLATE_NOOP("Calculator", "Second Stream Frame Rate(FPS)")},
        {cbARH, lbARH, QT_TRANSLATE_NOOP("Calculator", "Average Motion [%]")},
        {leDesiredDays, lbDesiredDays, QT_TRANSLATE_NOOP("Calculator", "Enter Desired Days")},
        {pbCalculateDays, nullptr, QT_TRANSLATE_NOOP("Calculator", "Calculate Days")},
        {pbCalculateHDD, nullptr, QT_TRANSLATE_NOOP("Calculator", "Calculate HDD Size")},
        {pbClose, nullptr, QT_TRANSLATE_NOOP("Calculator", "Close")},
    };
    for (const Name &name : names) {
        const QString text = QCoreApplication::translate("Calculator", name.text);
        name.field->setAccessibleName(text);
        if (!name.caption)
            continue;
        name.caption->setBuddy(name.field); // no mnemonic in any caption: nothing visible changes
        name.caption->setAccessibleName(text);
    }
    lbHDDSize->setBuddy(leHDDSize);
    nameHddSizeEntry();
}

// The figure in the size entry is in the unit lbHddUnit shows; so is its name.
void CalculatorForm::nameHddSizeEntry()
{
    const QString name =
        QCoreApplication::translate("Calculator", "Enter HDD Size") + QLatin1Char(' ') + lbHddUnit->text();
    leHDDSize->setAccessibleName(name);
    lbHDDSize->setAccessibleName(name);
}

void CalculatorForm::retranslateUi(QMainWindow *window)
{
    window->setWindowTitle(QCoreApplication::translate("Calculator", "Calculator", nullptr));
    groupBox->setTitle(QCoreApplication::translate("Calculator", "Device", nullptr));
    lbMainChannels->setText(QCoreApplication::translate("Calculator", "Channel", nullptr));
    lbDeviceType->setText(QCoreApplication::translate("Calculator", "Device Model", nullptr));
    groupBox_2->setTitle(QCoreApplication::translate("Calculator", "Main Stream Setting", nullptr));
    lbResolution->setText(QCoreApplication::translate("Calculator", "Resolution", nullptr));
    lbFPS->setText(QCoreApplication::translate("Calculator", "Frame Rate(FPS)", nullptr));
    lbQuality->setText(QCoreApplication::translate("Calculator", "Quality", nullptr));
    groupBox_4->setTitle(QCoreApplication::translate("Calculator", "Second Stream Setting", nullptr));
    lbQuality_2->setText(QCoreApplication::translate("Calculator", "Quality", nullptr));
    lbResolution_2->setText(QCoreApplication::translate("Calculator", "Resolution", nullptr));
    lbFPS_2->setText(QCoreApplication::translate("Calculator", "Frame Rate(FPS)", nullptr));
    cbCalcTogether->setText(
        QCoreApplication::translate("Calculator", "Calculations excluded when unchecked", nullptr));
    label->setText(QCoreApplication::translate(
        "Calculator",
        "<html><head/><body><p>Note : Resolution and frame rate do not affect the recording "
        "size.</p></body></html>",
        nullptr));
    groupBox_3->setTitle(QCoreApplication::translate("Calculator", "Calculate", nullptr));
    pbCalculateHDD->setText(QCoreApplication::translate("Calculator", "Calculate HDD Size", nullptr));
    namePresets(leHDDSize, HddSizePresets);
    lbDesiredDays->setText(QCoreApplication::translate("Calculator", "Enter Desired Days", nullptr));
    lbHDDSize->setText(QCoreApplication::translate("Calculator", "Enter HDD Size", nullptr));
    namePresets(leDesiredDays, DesiredDaysPresets);
    lbARH->setText(QCoreApplication::translate("Calculator", "Average Motion", nullptr));
    pbCalculateDays->setText(QCoreApplication::translate("Calculator", "Calculate Days", nullptr));
    lbHddUnit->setText(QCoreApplication::translate("Calculator", "[TB]", nullptr));
    label_2->setText(QCoreApplication::translate("Calculator", "[%]", nullptr));
    pbClose->setText(QCoreApplication::translate("Calculator", "Close", nullptr));
}
