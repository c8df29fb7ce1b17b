#ifndef OPTIONLISTS_H
#define OPTIONLISTS_H

#include "options/Catalogue.h"

class CalculatorForm;
class QComboBox;

// Appends text-only entries at the end of a list, as every option list is filled.
void appendNumbers(QComboBox *list, Catalogue::NumberRange range);

// The lists that never depend on another choice, filled once at start-up.
void appendStartupItems(const CalculatorForm &form);

#endif // OPTIONLISTS_H
