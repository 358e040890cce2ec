#include "CRangeList.h"

#include <QLineEdit>
#include <cmath>

#include "NumberText.h"

namespace {
constexpr int MAX_TYPED_LENGTH = 64;

bool isListed(double value) {
    return std::isfinite(value) && value == std::floor(value) && value >= CRangeList::MIN_ITEM &&
           value <= CRangeList::MAX_ITEM;
}

QString formatUnlisted(double value) {
    // Whole numbers as the list writes them; fractions in full, so that a
    // typed 1.5 is not shown (and later returned) as 2.
    const bool whole = std::isfinite(value) && value == std::floor(value);
    return QString::fromStdString(whole ? NumberText::fixed0(value) : NumberText::general(value));
}
} // namespace

CRangeList::CRangeList(bool editable, QWidget* parent) : QComboBox(parent) {
    setEditable(editable);
    if (editable) setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(12);
    for (int v = MIN_ITEM; v <= MAX_ITEM; ++v)
        addItem(itemText(v, editable));
}

QString CRangeList::itemText(int value, bool editableStyle) {
    if (!editableStyle || value > -10) return QString::number(value);
    return (value == -100 ? QStringLiteral("-  %1") : QStringLiteral("- %1")).arg(-value);
}

void CRangeList::setValue(double value) {
    m_unlisted = value;
    if (isListed(value)) {
        setCurrentIndex(static_cast<int>(value) - MIN_ITEM);
        return;
    }
    setCurrentIndex(-1);
    if (isEditable()) setEditText(formatUnlisted(value));
}

bool CRangeList::value(double& out) const {
    if (!isEditable()) {
        const int index = currentIndex();
        out = index >= 0 ? index + MIN_ITEM : m_unlisted;
        return true;
    }
    const QString text = currentText();
    const int index = findText(text, Qt::MatchExactly);
    if (index >= 0) {
        out = index + MIN_ITEM;
        return true;
    }
    return typedValue(text, out);
}

bool CRangeList::typedValue(const QString& text, double& out) {
    if (text.isEmpty() || text.size() > MAX_TYPED_LENGTH) return false;
    int minus = 0;
    int points = 0;
    int digits = 0;
    for (QChar c : text) {
        if (c == QLatin1Char('-'))
            ++minus;
        else if (c == QLatin1Char('.'))
            ++points;
        else if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            ++digits;
        else
            return false;
    }
    // Without a digit ("", "-", ".") there is no number at all.
    if (minus > 1 || points > 1 || digits == 0) return false;
    double value = 0;
    if (!NumberText::leadingNumber(text.toStdString(), value)) return false;
    if (!(value >= -2147483648.0 && value <= 2147483647.0)) return false;
    out = value;
    return true;
}
