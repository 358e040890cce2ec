#pragma once
#include <QPushButton>
#include <functional>

#include "IColorPicker.h"

// A button that shows the colour it holds on its face. Tapping it opens the
// platform's colour picker with the button's custom-colour table; the chosen
// colour is taken only if the acceptor agrees (it tells the user why not).
class CColorButton : public QPushButton {
    Q_OBJECT
public:
    using Acceptor = std::function<bool(ColorRef)>;

    CColorButton(const CustomColors& customColors, QWidget* parent);

    ColorRef colour() const { return m_colour; }
    void setColour(ColorRef colour);
    void setAcceptor(Acceptor acceptor) { m_acceptor = std::move(acceptor); }

    // The custom colours offered by the plotter pages and by the options.
    static const CustomColors& plotterCustomColors();
    static const CustomColors& optionsCustomColors();

signals:
    void colourChanged(ColorRef colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void choose();

    CustomColors m_customColors;
    ColorRef m_colour = 0;
    Acceptor m_acceptor;
};
