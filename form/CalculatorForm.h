#ifndef CALCULATORFORM_H
#define CALCULATORFORM_H

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QMainWindow;
class QPushButton;
class QSpacerItem;
class QStatusBar;
class QVBoxLayout;
class QWidget;

// Builds the widget tree of the main window and names every piece of it.
// The pointers do not own: the window's object tree does.
class CalculatorForm
{
public:
    // The window: its central widget, the column that stacks the areas, and the status bar.
    QWidget *centralWidget;
    QVBoxLayout *verticalLayout_2;
    QStatusBar *statusBar;

    // "Device": the recorder's model and how many channels record.
    QGroupBox *groupBox;
    QGridLayout *gridLayout;
    QLabel *lbDeviceType;
    QComboBox *cbDeviceType;
    QSpacerItem *deviceSpacer;
    QLabel *lbMainChannels;
    QComboBox *cbChannels;

    // The row of the two stream boxes, and the red note under it.
    QVBoxLayout *verticalLayout;
    QHBoxLayout *horizontalLayout_2;
    QLabel *label;

    // "Main Stream Setting": the quality that sets the bit rate; resolution and
    // frame rate for orientation only.
    QGroupBox *groupBox_2;
    QGridLayout *gridLayout_3;
    QLabel *lbQuality;
    QComboBox *cbQuality;
    QLabel *lbResolution;
    QComboBox *cbResolution;
    QLabel *lbFPS;
    QComboBox *cbFps;

    // "Second Stream Setting": the same for the second stream, and whether it counts.
    QGroupBox *groupBox_4;
    QGridLayout *gridLayout_4;
    QCheckBox *cbCalcTogether;
    QLabel *lbQuality_2;
    QComboBox *cbQualitySub;
    QLabel *lbResolution_2;
    QComboBox *cbResolutionSub;
    QLabel *lbFPS_2;
    QComboBox *cbFpsSub;

    // "Calculate": the motion share, and the two entries that are each the
    // other calculation's result, with their buttons and the size's unit.
    QGroupBox *groupBox_3;
    QGridLayout *gridLayout_2;
    QLabel *lbARH;
    QComboBox *cbARH;
    QLabel *label_2;
    QLabel *lbHDDSize;
    QComboBox *leHDDSize;
    QLabel *lbHddUnit;
    QPushButton *pbCalculateDays;
    QLabel *lbDesiredDays;
    QComboBox *leDesiredDays;
    QPushButton *pbCalculateHDD;

    // The bottom row: "Close" at the right.
    QHBoxLayout *horizontalLayout;
    QSpacerItem *closeSpacer;
    QPushButton *pbClose;

    // The form's own sheets, or those the window ends with (W1 on the window, E
    // on the entries, S1 and S2 on the second stream's lists), each set as its
    // widget is made rather than over the finished form, which would polish
    // every widget again.
    enum class Sheets : unsigned char { Form, Final };
    void setupUi(QMainWindow *window, Sheets sheets = Sheets::Form);
    void retranslateUi(QMainWindow *window);
    // Accessible names for every field and button; the size entry's again
    // whenever lbHddUnit changes.
    void nameForScreenReaders();
    void nameHddSizeEntry();
};

#endif // CALCULATORFORM_H
