#pragma once
#include <QComboBox>
#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <string>
#include <vector>

#include "IMessageBox.h"

// Small helpers every dialog and page of the library uses.
namespace LodrinUi {

inline QString idName(int id) {
    return QString::number(id);
}

// Gives a control its id, the name code and tests find it by.
template <class T> T* withId(T* widget, int id) {
    widget->setObjectName(idName(id));
    return widget;
}

template <class T = QWidget> T* control(const QWidget* root, int id) {
    return root->findChild<T*>(idName(id));
}

inline QString qs(const std::wstring& text) {
    return QString::fromStdWString(text);
}
inline QString qs(const wchar_t* text) {
    return QString::fromWCharArray(text);
}

// The English or the German variant of a dialog's text set.
template <class T> const T& byLanguage(int language, const T& english, const T& german) {
    return language == 1 ? german : english;
}

// Selects item index, or nothing when index is not an item: a value the list
// cannot show is then kept as it was (see currentIndexOr).
inline void selectIndex(QComboBox* combo, int index) {
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

// The selected index, or fallback when nothing is selected.
inline int currentIndexOr(const QComboBox* combo, int fallback) {
    const int index = combo->currentIndex();
    return index >= 0 ? index : fallback;
}

// Adds the items "1" .. "count".
inline void addNumberItems(QComboBox* combo, int first, int last, int step = 1) {
    for (int v = first; v <= last; v += step)
        combo->addItem(QString::number(v));
}

// Replaces the items of a list by texts.
void setItems(QComboBox* combo, const std::vector<std::wstring>& items);

// A list whose items may be long (formulas, names the user chose): it keeps
// the dialog within the screen and cuts long items off instead.
void allowLongItems(QComboBox* combo);

// Makes an edit refuse the given characters, typed or pasted.
void refuseCharacters(QLineEdit* edit, const QString& characters);

// The unit files separate records with ";" and fields with ",": a unit or
// kind name holding either would split into pieces the next time the files
// are read, so the name fields do not take them.
inline void guardUnitName(QLineEdit* edit) {
    refuseCharacters(edit, QStringLiteral(",;"));
}

// Shows the library text id, in the given language, in a box with one OK
// button.
void showLibraryMessage(QWidget* parent, unsigned id, int language, MessageIcon icon);

} // namespace LodrinUi
