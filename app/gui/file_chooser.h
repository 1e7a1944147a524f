// The open-file dialog for a race card. Vendors ship the data files with upper-case
// extensions as often as lower-case ones (SAR0812.DRF), so the filter ignores letter case;
// cards that arrive zipped are opened from their archive.
#pragma once

#include <QString>
#include <QStringList>
#include <string>

namespace kestravo::gui {

// The wildcard patterns of the data files and of zip archives holding them, one per
// extension, each matching any letter case: "*.[dD][rR][fF]" and so on.
QStringList dataFilePatterns();

// The dialog's one filter entry, "Data" with those patterns.
QString dataFileFilter();

// Shows the dialog in the current directory; the chosen file's full path, or "" when the
// handicapper cancels.
std::string askForDataFile();

}  // namespace kestravo::gui
