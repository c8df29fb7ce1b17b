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
    QWidget *centralWidget;
    QVBoxLayout *verticalLayout_2;
    QGroupBox *groupBox;
    QGridLayout *gridLayout;
    QComboBox *cbDeviceType;
    QComboBox *cbChannels;
    QLabel *lbMainChannels;
    QSpacerItem *deviceSpacer;
    QLabel *lbDeviceType;
    QVBoxLayout *verticalLayout;
    QHBoxLayout *horizontalLayout_2;
    QGroupBox *groupBox_2;
    QGridLayout *gridLayout_3;
    QLabel *lbResolution;
    QComboBox *cbResolution;
    QLabel *lbFPS;
    QComboBox *cbQuality;
    QComboBox *cbFps;
    QLabel *lbQuality;
    QGroupBox *groupBox_4;
    QGridLayout *gridLayout_4;
    QComboBox *cbQualitySub;
    QLabel *lbQuality_2;
    QLabel *lbResolution_2;
    QLabel *lbFPS_2;
    QComboBox *cbResolutionSub;
    QComboBox *cbFpsSub;
    QCheckBox *cbCalcTogether;
    QLabel *label;
    QGroupBox *groupBox_3;
    QGridLayout *gridLayout_2;
    QPushButton *pbCalculateHDD;
    QComboBox *leHDDSize;
    QLabel *lbDesiredDays;
    QLabel *lbHDDSize;
    QComboBox *cbARH;
    QComboBox *leDesiredDays;
    QLabel *lbARH;
    QPushButton *pbCalculateDays;
    QLabel *lbHddUnit;
    QLabel *label_2;
    QHBoxLayout *horizontalLayout;
    QSpacerItem *closeSpacer;
    QPushButton *pbClose;
    QStatusBar *statusBar;

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
