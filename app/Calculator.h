#ifndef CALCULATOR_H
#define CALCULATOR_H

#include <QMainWindow>

class CalculatorForm;

// The main window. CalculatorForm builds and names its widgets (form/); the
// option look-ups and the slots that rebuild dependent lists fill those
// widgets from the catalogue's tables (options/); the two calculate slots read
// the choices and hand them to the widget-free arithmetic (estimate/).
class Calculator : public QMainWindow
{
    Q_OBJECT

public:
    explicit Calculator(QWidget *parent = nullptr);
    ~Calculator() override;

    // Option look-ups on the window's lists. Bit rates in kbit/s.
    QString qualityLabel(int index) const;
    float mainStreamBitRate(int position) const;
    float subStreamBitRate(int position) const;
    void fillResolutionList(int selector);

private slots:
    void slotCalculateHDDtoDays();
    void slotCalculateDaystoHDD();
    void slotleReset();
    void slotDeviceTypeChange();
    void slotResolutionChange();
    void slotCalcTogetherChecked(bool _checked);

private:
    CalculatorForm *form;
};

#endif // CALCULATOR_H
