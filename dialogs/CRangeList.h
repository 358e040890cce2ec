#pragma once
#include <QComboBox>

// A drop-down list of the integers -100 .. 100 for a plot range. The 2D pages
// use an editable list, on which any other number can be typed; there the
// negative items are written with a gap after the sign ("- 99", "-  100")
// and typed text must pass the integer test of typedValue.
class CRangeList : public QComboBox {
    Q_OBJECT
public:
    static constexpr int MIN_ITEM = -100;
    static constexpr int MAX_ITEM = 100;

    CRangeList(bool editable, QWidget* parent);

    static QString itemText(int value, bool editableStyle);

    // Selects the value's item; a value not in the list is shown as text on
    // an editable list and kept as it is on a fixed one.
    void setValue(double value);

    // The value shown: the selected item, or on an editable list the typed
    // text. False if the typed text is refused.
    bool value(double& out) const;

    // Digits with at most one "-" and one "." anywhere; the value is that of
    // the longest leading number (so "1-2" is 1) and must fit a 32-bit int.
    static bool typedValue(const QString& text, double& out);

private:
    double m_unlisted = 0;
};
