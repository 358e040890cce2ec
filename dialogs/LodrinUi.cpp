#include "LodrinUi.h"

#include "LodrinStrings.h"
#include "Platform.h"

namespace LodrinUi {

void showLibraryMessage(QWidget* parent, unsigned id, int language, MessageIcon icon) {
    Platform::messageBox().show(parent, LodrinStrings::embedded().load(id, language), L"Orvanta", icon,
                                MessageButtons::Ok);
}

} // namespace LodrinUi
