#pragma once
#include <QWidget>

#include "LodrinUi.h"

class CColorButton;
class CRangeList;

// One page of a property sheet. The page owns its values (the m_ members);
// fill() shows them, takeOver() validates the controls and takes them over.
class CLodrinPropertyPage : public QWidget {
    Q_OBJECT
public:
    CLodrinPropertyPage(int language, QWidget* parent);

    int language() const { return m_language; }

    virtual void fill() = 0;
    // False if a value was refused; the user has been told and the control
    // has the focus. The members then keep their previous values.
    virtual bool takeOver() = 0;

protected:
    template <class T = QWidget> T* control(int id) const { return LodrinUi::control<T>(this, id); }
    void showLibraryMessage(unsigned id, MessageIcon icon);

    // Builders for the controls the pages share.
    CRangeList* createRangeList(int id, bool editable);
    QComboBox* createCombo(int id);
    CColorButton* createColorButton(int id);
    // A colour button that refuses black (42284).
    CColorButton* createColorButtonNoBlack(int id);

    // Reads two range lists; false with 42273 unless to > from. The values
    // are only written when both are valid.
    bool readRange(int fromId, int toId, double& from, double& to);

private:
    int m_language;
};
