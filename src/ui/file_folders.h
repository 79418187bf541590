// Where the save and print-to-file dialogs start: the folder a file was last
// saved in (kept between runs), else the Documents folder when it exists,
// else the home folder.
#pragma once

#include <QString>

namespace calvexa {

// The path the dialog offers: the folder to start in, with `fileName`.
QString suggestedPath(const QString& fileName);
// Keeps the folder of `chosenFile` for the next dialog, in this run and the next.
void rememberFolder(const QString& chosenFile);

}  // namespace calvexa
