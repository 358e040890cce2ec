#pragma once
#include <QWidget>

// The on-screen keypad of the range dialogs: digits, minus and, where decimals
// are allowed, the decimal key (caption "," but it inserts "."). The keys take
// the focus when tapped, as on the handheld, so the edit that was being typed
// in loses it and becomes the keypad's target.
class CKeypad : public QWidget {
    Q_OBJECT
public:
    CKeypad(bool withDecimalKey, QWidget* parent);

signals:
    void keyPressed(const QString& text);
};
