// A seeded, reproducible random user: thousands of clicks, choices and key
// presses on the real window, with what a user relies on checked after each.
// HDDCALC_SEED and HDDCALC_ACTIONS replay or lengthen a session.
#include "app/Calculator.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

#include <cmath>

#include "testsupport.h"

namespace {

const char *const Lists[] = {"cbDeviceType", "cbChannels",      "cbQuality", "cbResolution", "cbFps",
                             "cbQualitySub", "cbResolutionSub", "cbFpsSub",  "cbARH"};
const char *const Entries[] = {"leHDDSize", "leDesiredDays"};

struct ListShape
{
    const char *name;
    int count;
};
// The lists whose length never changes while the window runs.
const ListShape FixedLists[] = {{"cbDeviceType", 1}, {"cbChannels", 16},     {"cbQuality", 11}, {"cbResolution", 7},
                                {"cbQualitySub", 4}, {"cbResolutionSub", 2}, {"cbFpsSub", 15},  {"cbARH", 20}};

// Types like a keyboard would, also the letters that have no key of their own.
void typeText(QWidget *target, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(target, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::KeyAction::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// What an action did, and what went wrong in it, if anything.
struct Action
{
    QString done;
    QString failure;
};

class RandomUser
{
public:
    RandomUser(Calculator &window, quint32 seed)
        : window(window)
        , random(seed)
    {
    }

    Action act();
    // Returns what is wrong with the window, or nothing.
    QString check();
    int warnings() const { return closer.closed; }

private:
    Action chooseWithKeys();
    Action chooseWithMouse();
    Action clickCheckBox();
    Action typeIntoEntry();
    Action pasteIntoEntry();
    Action editEntry();
    Action pressCalculate();
    QString randomText();

    template<class T>
    T *find(const char *name) const
    {
        return widget<T>(window, name);
    }
    const char *pick(const char *const *names, int count) { return names[random.bounded(count)]; }

    Calculator &window;
    QRandomGenerator random;
    ModalCloser closer;
    QHash<QString, bool> resultShown;
};

Action RandomUser::act()
{
    switch (random.bounded(8)) {
    case 0:
    case 1:
        return chooseWithKeys();
    case 2:
        return chooseWithMouse();
    case 3:
        return clickCheckBox();
    case 4:
        return typeIntoEntry();
    case 5:
        return pasteIntoEntry();
    case 6:
        return editEntry();
    default:
        return pressCalculate();
    }
}

Action RandomUser::chooseWithKeys()
{
    const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown};
    const bool entry = random.bounded(4) == 0;
    const char *name = entry ? pick(Entries, 2) : pick(Lists, int(std::size(Lists)));
    const Qt::Key key = keys[random.bounded(int(std::size(keys)))];
    QComboBox *combo = find<QComboBox>(name);
    QTest::keyClick(entry ? static_cast<QWidget *>(combo->lineEdit()) : combo, key);
    return {QStringLiteral("key %1 on %2").arg(QKeySequence(key).toString(), QLatin1String(name))};
}

Action RandomUser::chooseWithMouse()
{
    const char *name = pick(Lists, int(std::size(Lists)));
    QComboBox *combo = find<QComboBox>(name);
    QTest::mouseClick(combo, Qt::LeftButton);
    QAbstractItemView *view = combo->view();
    if (!view->isVisible())
        return {QStringLiteral("click on %1, no list opened").arg(QLatin1String(name))};
    const int row = random.bounded(combo->count());
    const QModelIndex index = combo->model()->index(row, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->visualRect(index).center());
    if (view->isVisible())
        QTest::keyClick(view, Qt::Key_Escape);
    return {QStringLiteral("click on %1, entry %2").arg(QLatin1String(name)).arg(row)};
}

Action RandomUser::clickCheckBox()
{
    auto *check = find<QCheckBox>("cbCalcTogether");
    QTest::mouseClick(check, Qt::LeftButton, Qt::NoModifier, checkIndicator(check).center());
    return {QStringLiteral("click on the check box")};
}

QString RandomUser::randomText()
{
    // clang-format off
    static const QString pieces[] = {"0", "1", "5", "9", "42", "-", ".", ",", "e", "a", "Z", " ", "+",
                                     "10000", "10001", "99999", "123456789012345678901234567890", "0.5",
                                     "\t", "ß", "١٢"};
    // clang-format on
    QString text;
    const int length = 1 + random.bounded(4);
    for (int i = 0; i < length; ++i)
        text += pieces[random.bounded(int(std::size(pieces)))];
    return text;
}

Action RandomUser::typeIntoEntry()
{
    const char *name = pick(Entries, 2);
    QLineEdit *edit = find<QComboBox>(name)->lineEdit();
    const bool replace = random.bounded(2) == 0;
    if (replace)
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    const QString text = randomText();
    typeText(edit, text);
    if (random.bounded(4) == 0)
        QTest::keyClick(edit, Qt::Key_Return);
    return {QStringLiteral("type \"%1\" into %2%3")
                .arg(text, QLatin1String(name), replace ? QStringLiteral(", replacing") : QString())};
}

Action RandomUser::pasteIntoEntry()
{
    const char *name = pick(Entries, 2);
    QLineEdit *edit = find<QComboBox>(name)->lineEdit();
    const QString text = randomText();
    QApplication::clipboard()->setText(text);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    return {QStringLiteral("paste \"%1\" into %2").arg(text, QLatin1String(name))};
}

Action RandomUser::editEntry()
{
    const char *name = pick(Entries, 2);
    QLineEdit *edit = find<QComboBox>(name)->lineEdit();
    const Qt::Key keys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_End, Qt::Key_Left};
    const Qt::Key key = keys[random.bounded(int(std::size(keys)))];
    QTest::keyClick(edit, key);
    return {QStringLiteral("key %1 in %2").arg(QKeySequence(key).toString(), QLatin1String(name))};
}

Action RandomUser::pressCalculate()
{
    const bool days = random.bounded(2) == 0;
    const char *input = days ? "leHDDSize" : "leDesiredDays";
    const char *output = days ? "leDesiredDays" : "leHDDSize";
    const QString entered = find<QComboBox>(input)->currentText();
    const int warningsBefore = closer.closed;
    QTest::mouseClick(find<QPushButton>(days ? "pbCalculateDays" : "pbCalculateHDD"), Qt::LeftButton);

    const QString result = find<QComboBox>(output)->currentText();
    const QString action = QStringLiteral("%1 with \"%2\" gives \"%3\"")
                               .arg(QLatin1String(days ? "Calculate Days" : "Calculate HDD Size"), entered, result);
    static const QRegularExpression figure(QStringLiteral("^\\d+\\.\\d\\d$"));
    const float value = entered.toFloat();
    const bool positive = value > 0;
    if (closer.closed - warningsBefore != (positive ? 0 : 1))
        return {action, QStringLiteral("wrong number of warnings")};
    // No figure at all only where none can be given: an entry too large for a float.
    if (result.isEmpty() && positive && std::isinf(value * 1e6f))
        return {action};
    if (!figure.match(result).hasMatch())
        return {action, QStringLiteral("not a figure with two decimals")};
    if (positive && !(result.toFloat() > 0))
        return {action, QStringLiteral("no result for a positive entry")};
    resultShown[output] = true;
    return {action};
}

QString RandomUser::check()
{
    // The validator governs typing from valid input; once a result stands in a
    // field, the toolkit lets edits through until the text is valid again.
    for (const char *name : Entries) {
        const QComboBox *entry = find<QComboBox>(name);
        QString text = entry->currentText();
        int position = 0;
        if (entry->validator()->validate(text, position) != QValidator::Invalid)
            resultShown.remove(name);
        else if (!resultShown.value(name))
            return QStringLiteral("%1 holds \"%2\", which was never valid").arg(QLatin1String(name), text);
    }
    const QString unit = find<QLabel>("lbHddUnit")->text();
    if (unit != QLatin1String("[MB]") && unit != QLatin1String("[GB]") && unit != QLatin1String("[TB]"))
        return QStringLiteral("unit \"%1\"").arg(unit);

    const bool checked = find<QCheckBox>("cbCalcTogether")->isChecked();
    for (const char *name : {"cbQualitySub", "cbResolutionSub", "cbFpsSub"}) {
        if (find<QComboBox>(name)->isEnabled() != checked)
            return QStringLiteral("%1 enabled while the check box is %2")
                .arg(QLatin1String(name), QLatin1String(checked ? "checked" : "unchecked"));
    }
    for (const ListShape &list : FixedLists) {
        const QComboBox *combo = find<QComboBox>(list.name);
        if (combo->count() != list.count || combo->currentIndex() < 0)
            return QStringLiteral("%1 has %2 entries, current %3")
                .arg(QLatin1String(list.name))
                .arg(combo->count())
                .arg(combo->currentIndex());
    }
    const int resolution = find<QComboBox>("cbResolution")->currentIndex();
    const int frameRates = resolution == 5 ? 15 : resolution == 6 ? 10 : 30;
    const QComboBox *fps = find<QComboBox>("cbFps");
    if (fps->count() != frameRates || fps->currentIndex() < 0)
        return QStringLiteral("%1 frame rates at resolution %2").arg(fps->count()).arg(resolution);
    if (QApplication::activeModalWidget())
        return QStringLiteral("a modal box stayed open");
    if (!window.isVisible())
        return QStringLiteral("the window closed");
    return QString();
}

} // namespace

class tst_RandomUser : public QObject
{
    Q_OBJECT

private slots:
    void randomSession();
};

void tst_RandomUser::randomSession()
{
    const quint32 seed =
        qEnvironmentVariableIsSet("HDDCALC_SEED") ? qEnvironmentVariable("HDDCALC_SEED").toUInt() : 20261208u;
    const int actions =
        qEnvironmentVariableIsSet("HDDCALC_ACTIONS") ? qEnvironmentVariableIntValue("HDDCALC_ACTIONS") : 3000;
    Calculator window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    RandomUser user(window, seed);

    QStringList recent;
    QMap<QString, int> kinds;
    for (int action = 1; action <= actions; ++action) {
        const auto [done, failure] = user.act();
        ++kinds[done.startsWith(QLatin1String("Calculate"))          ? done.section(QLatin1Char(' '), 0, 1)
                    : done.endsWith(QLatin1String("no list opened")) ? QStringLiteral("click, no list")
                                                                     : done.section(QLatin1Char(' '), 0, 0)];
        recent.append(done);
        if (recent.size() > 8)
            recent.removeFirst();
        const QString wrong = failure.isEmpty() ? user.check() : failure;
        if (!wrong.isEmpty()) {
            QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3\n  last actions:\n    %4")
                                 .arg(seed)
                                 .arg(action)
                                 .arg(wrong, recent.join(QLatin1String("\n    ")))));
        }
    }
    QStringList summary;
    for (auto kind = kinds.cbegin(); kind != kinds.cend(); ++kind)
        summary.append(QStringLiteral("%1 x%2").arg(kind.key()).arg(kind.value()));
    qInfo("seed %u, %d actions, %d warnings: %s", seed, actions, user.warnings(),
          qPrintable(summary.join(QLatin1String(", "))));
}

HDDCALC_TEST_MAIN(tst_RandomUser)
#include "tst_randomuser.moc"
