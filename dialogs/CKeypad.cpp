#include "CKeypad.h"

#include <QGridLayout>
#include <QPushButton>

#include "LodrinIds.h"
#include "LodrinUi.h"

namespace {
struct Key {
    int id;
    const char* caption;
    const char* text;
    int row;
    int column;
};

constexpr Key KEYS[] = {
    {LodrinId::KEY_7, "7", "7", 0, 0},     {LodrinId::KEY_8, "8", "8", 0, 1},
    {LodrinId::KEY_9, "9", "9", 0, 2},     {LodrinId::KEY_4, "4", "4", 1, 0},
    {LodrinId::KEY_5, "5", "5", 1, 1},     {LodrinId::KEY_6, "6", "6", 1, 2},
    {LodrinId::KEY_1, "1", "1", 2, 0},     {LodrinId::KEY_2, "2", "2", 2, 1},
    {LodrinId::KEY_3, "3", "3", 2, 2},     {LodrinId::KEY_0, "0", "0", 3, 0},
    {LodrinId::KEY_MINUS, "-", "-", 3, 1}, {LodrinId::KEY_KOMMA, ",", ".", 3, 2},
};
} // namespace

CKeypad::CKeypad(bool withDecimalKey, QWidget* parent) : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    for (const Key& key : KEYS) {
        if (key.id == LodrinId::KEY_KOMMA && !withDecimalKey) continue;
        auto* button = LodrinUi::withId(new QPushButton(QString::fromLatin1(key.caption), this), key.id);
        button->setAutoDefault(false);
        button->setMinimumSize(36, 30);
        const QString text = QString::fromLatin1(key.text);
        connect(button, &QPushButton::clicked, this, [this, text] { emit keyPressed(text); });
        grid->addWidget(button, key.row, key.column);
    }
}
