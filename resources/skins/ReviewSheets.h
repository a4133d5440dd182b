// Review output of the skin generator: contact sheets of every image and mock-ups of the main
// window and the dialogs at 1x and 2x, for looking at the whole set together.
#pragma once

#include <QString>

#include "SkinArt.h"

namespace vexmo::skins {

// Writes contact_1x.png, contact_2x.png, mock_main_1x.png, mock_main_2x.png, mock_dialogs_1x.png
// and mock_dialogs_2x.png into dir. Returns the process exit code.
int writeReview(const Catalogue& catalogue, const QString& dir);

}  // namespace vexmo::skins
