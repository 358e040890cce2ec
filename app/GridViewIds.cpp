#include "GridViewIds.h"

#include "CCalculatorView.h"
#include "KeyButton.h"

namespace GridViewIds {
void labelKeys(CCalculatorView& view, std::span<const ViewKey> keys, int language) {
    for (const ViewKey& k : keys)
        if (KeyButton* button = view.key(k.id))
            button->setCaption(k.caption.in(language), button->captionStyle());
}

void connectKeys(CCalculatorView& view, std::span<const ViewKey> keys,
                 const std::function<void(int)>& action) {
    for (const ViewKey& k : keys)
        if (KeyButton* button = view.key(k.id); button && k.ownAction)
            QObject::connect(button, &QAbstractButton::clicked, &view, [action, id = k.id] { action(id); });
}
} // namespace GridViewIds
